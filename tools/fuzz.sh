#!/usr/bin/env bash
# tools/fuzz.sh [SECONDS] [HARNESS ...]
# Builds the libFuzzer harnesses of fuzz/ with clang in build-fuzz/ and runs
# each (every one when none is named) for SECONDS (default 600), one after
# the other at the lowest priority. A harness grows its corpus in
# build-fuzz/work/<name>/ from the seeds in fuzz/<name>/corpus/; an input
# that fails it is written to build-fuzz/artifacts/<name>/ and ends the run
# with a failure: fix the fault and add the input to fuzz/<name>/corpus/.
# Prints the executions of each harness.
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$top/tools/deps.sh"
install_missing

seconds=${1:-600}
shift || true
harnesses=("$@")
if [ ${#harnesses[@]} -eq 0 ]; then
    mapfile -t harnesses < <(find "$top/fuzz" -mindepth 2 -maxdepth 2 -name main.cpp -printf '%h\n' |
        xargs -n1 basename | sort)
fi

build=$top/build-fuzz
cmake -S "$top" -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DLEXITOR_FUZZ=ON \
    -DLEXITOR_DEFAULT_LISTS=OFF -DLEXITOR_WERROR=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j"$(nproc)" --target "${harnesses[@]/#/fuzz_}"

# A small quarantine keeps the store's harnesses from spending their time
# in fresh pages; files go to memory where it can be had.
export ASAN_OPTIONS=quarantine_size_mb=16:malloc_context_size=10:detect_leaks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
[ -w /dev/shm ] && export TMPDIR=/dev/shm

status=0
for name in "${harnesses[@]}"; do
    mkdir -p "$build/work/$name" "$build/artifacts/$name"
    log=$build/work/$name.log
    if ! nice -n 19 "$build/fuzz/$name/fuzz_$name" -max_total_time="$seconds" -timeout=60 \
        -rss_limit_mb=2560 -print_final_stats=1 -artifact_prefix="$build/artifacts/$name/" \
        "$build/work/$name" "$top/fuzz/$name/corpus" >"$log" 2>&1; then
        echo "$name: FAILED, see $log and $build/artifacts/$name/"
        status=1
        continue
    fi
    runs=$(sed -nE 's/^stat::number_of_executed_units: *([0-9]+)/\1/p' "$log")
    echo "$name: $runs executions in $seconds s, nothing found"
done
exit $status
