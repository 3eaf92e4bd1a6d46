#!/usr/bin/env bash
# Builds Lexitor and runs every test through CTest: once in a normal build
# with warnings as errors (benchmarks compiled too), once under
# AddressSanitizer and UndefinedBehaviorSanitizer; the normal build also
# makes the Debian package and checks it. Tests use the offscreen platform
# and need no display. The tests that read the shared fixtures fail here,
# rather than skip, when the fixtures are missing.
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$top/tools/deps.sh"
install_missing

jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen
export LEXITOR_REQUIRE_FIXTURES=1

cmake -S "$top" -B "$top/build-test" -DLEXITOR_WERROR=ON -DLEXITOR_BENCH=ON
cmake --build "$top/build-test" -j"$jobs"
ctest --test-dir "$top/build-test" --output-on-failure -j"$jobs"
bash "$top/tools/check-package.sh" "$top/build-test"

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
cmake -S "$top" -B "$top/build-sanitize" -DLEXITOR_WERROR=ON -DLEXITOR_SANITIZE=ON \
    -DLEXITOR_DEFAULT_LISTS=OFF
cmake --build "$top/build-sanitize" -j"$jobs"
ctest --test-dir "$top/build-sanitize" --output-on-failure -j"$jobs"
