#!/usr/bin/env bash
# Builds everything and runs every test through CTest, under Wine on a private virtual display. The
# display, the Wine server and every program the tests started end with the run, also when it fails
# or is interrupted.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/build.sh"
export WINEPREFIX=$root/build/wineprefix SKYREACH_SESSION_DIR=$root/build/wine-session
trap '"$root/tools/wine/session.sh" stop' EXIT
# Two at a time: the host tests run beside the Wine tests, which take turns among themselves.
ctest --test-dir "$root/build" --output-on-failure -j2 "$@" &
tests=$!
# A job started in the background ignores SIGINT, so the tests are stopped with SIGTERM.
trap 'kill -TERM "$tests" 2>/dev/null; wait "$tests"; exit 130' INT TERM
wait "$tests"
