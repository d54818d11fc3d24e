#!/usr/bin/env bash
# Builds everything and runs every test through CTest, under Wine on a private virtual display. The
# display, the Wine server and every program the tests started end with the run, also when it fails
# or is interrupted.
#
# `tools/test.sh --repeat N [ctest arguments]` builds once and runs the whole suite N times in a row,
# each run with a Wine session of its own, and stops at the first run that fails. Each run's logs (CTest's
# output, the end-to-end tests' Wine output, the session's logs) are kept in build/test-runs/<run>/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
repeat=
if [ "${1:-}" = --repeat ]; then
    repeat=${2:?--repeat needs a number of runs}
    shift 2
fi
"$root/tools/build.sh"
export WINEPREFIX=$root/build/wineprefix SKYREACH_SESSION_DIR=$root/build/wine-session
trap '"$root/tools/wine/session.sh" stop' EXIT

tests=
# A job started in the background ignores SIGINT, so the tests are stopped with SIGTERM.
trap '[ -z "$tests" ] || { kill -TERM "$tests" 2>/dev/null; wait "$tests"; }; exit 130' INT TERM

run_suite() {
    # Two at a time: the host tests run beside the Wine tests, which take turns among themselves.
    ctest --test-dir "$root/build" --output-on-failure -j2 "$@" &
    tests=$!
    wait "$tests"
}

if [ -z "$repeat" ]; then
    run_suite "$@"
    exit
fi

runs=$root/build/test-runs
rm -rf "$runs"
for run in $(seq "$repeat"); do
    logs=$runs/$run
    mkdir -p "$logs"
    started=$(date +%s)
    status=0
    run_suite "$@" >"$logs/ctest.log" 2>&1 || status=$?
    seconds=$(($(date +%s) - started))
    cp "$root"/build/tests/e2e/*-wine-output.log "$SKYREACH_SESSION_DIR"/*.log "$logs/" 2>/dev/null || true
    if [ "$status" -ne 0 ]; then
        cat "$logs/ctest.log"
        echo "Run $run of $repeat failed after $seconds s; its logs are in $logs."
        exit "$status"
    fi
    echo "Run $run of $repeat passed in $seconds s."
done
echo "All $repeat runs passed; their logs are in $runs."
