#!/usr/bin/env bash
# Fuzzes the run scanner and the skin checker's inputs (skin PNGs, button bitmaps) with libFuzzer, each
# target for a bounded time, and prints how many inputs each ran and whether it found anything.
#   tools/fuzz.sh [SECONDS_PER_TARGET]   (default 60)
# Like the benchmarks this is not part of the test suite. Findings are left in build/fuzz/findings.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
build=$root/build/fuzz
"$root/tools/setup/install-deps.sh" --native
CXX=clang++ cmake -S "$root/native" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSKYREACH_FUZZ=ON \
    -DBUILD_TESTING=OFF >/dev/null
cmake --build "$build" -j"$(nproc)" >/dev/null
mkdir -p "$build/findings"

status=0
for target in fuzz_key_runs:"" fuzz_skin_png:skin fuzz_button_bitmap:bitmap; do
    name=${target%%:*}
    seeds=${target#*:}
    corpus=$build/corpus/$name
    mkdir -p "$corpus"
    [ -n "$seeds" ] && cp -n "$root/tests/fuzz/seeds/$seeds"/* "$corpus/"
    log=$build/$name.log
    if "$build/fuzz/$name" "$corpus" -max_total_time="$seconds" -print_final_stats=1 \
        -artifact_prefix="$build/findings/$name-" >"$log" 2>&1; then
        found="nothing"
    else
        found="a failure, see $log"
        status=1
    fi
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    echo "$name: ${runs:-?} executions in ${seconds} s, found $found"
done
exit $status
