#!/usr/bin/env bash
# Builds and runs the benchmarks under Wine, printing their figures.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build
"$root/tools/build.sh"
export WINEPREFIX=$build/wineprefix SKYREACH_SESSION_DIR=$build/wine-session SKYREACH_USE_DISPLAY=
"$root/tools/wine/session.sh" start
trap '"$root/tools/wine/session.sh" stop' EXIT
trap 'exit 130' INT TERM
"$root/tools/wine/run.sh" "$build/bench/region_bench.exe"
"$root/tools/wine/run.sh" "$build/bench/startup_bench.exe" "$build/SkyreachLauncher.exe" "$build/bench/platform_floor.exe" \
    "$build/bench/empty_dialog.exe"
"$root/tools/wine/run.sh" "$build/bench/repaint_bench.exe"
"$root/tools/wine/run.sh" "$build/bench/progress_bench.exe"
"$root/tools/wine/run.sh" "$build/bench/pane_bench.exe"
