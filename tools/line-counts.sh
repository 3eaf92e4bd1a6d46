#!/usr/bin/env bash
# Prints the lines of test code (tests/, .cpp and .h) and of product code
# (every other .cpp and .h outside tests/ and bench/) that are neither blank
# nor only a // comment, and the tests' share of both together.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

count() {
    git ls-files -z -- "$@" | xargs -0 cat | { grep -c -v -E '^\s*(//.*)?$' || true; }
}

tests=$(count 'tests/*.cpp' 'tests/*.h')
product=$(count '*.cpp' '*.h' ':!tests/' ':!bench/')
echo "tests    $tests"
echo "product  $product"
awk -v t="$tests" -v p="$product" \
    'BEGIN { printf "tests are %.1f%% of tests + product\n", 100 * t / (t + p) }'
