#!/usr/bin/env bash
# Runs a long series of Jet files damaged at random through the Jet reader
# and the conversion (the test jet_mutation_test, which CTest runs short).
# Usage: tools/jet-mutations.sh [MUTANTS] [SEED] [BUILD_DIR]
# A failure names the seed and the mutant, so that it can be run again.
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
mutants=${1:-20000}
seed=${2:-$(date +%s)}
build=${3:-$top/build}
test=$build/tests/wordlist/jet_mutation_test
[ -x "$test" ] || { echo "build $test first (cmake --build $build --target jet_mutation_test)" >&2; exit 2; }
echo "Running $mutants damaged Jet files, seed $seed"
# QtTest's own limit of five minutes a test function is lifted.
LEXITOR_JET_MUTANTS=$mutants LEXITOR_JET_SEED=$seed QT_QPA_PLATFORM=offscreen \
    QTEST_FUNCTION_TIMEOUT=2000000000 "$test"
