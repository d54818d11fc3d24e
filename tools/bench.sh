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

# An idle launcher must do no work: the CPU ticks its process spends in 20 s once its window is up.
idle_ticks() {
    "$root/tools/wine/run.sh" "$build/SkyreachLauncher.exe" >/dev/null 2>&1 &
    local pid=$! window= display
    display=$(cat "$SKYREACH_SESSION_DIR/display")
    for _ in $(seq 300); do
        window=$(DISPLAY=$display xdotool search --onlyvisible --name '^Skyreach Launcher$' 2>/dev/null | head -1 || true)
        [ -n "$window" ] && break
        sleep 0.1
    done
    [ -n "$window" ] || { echo "idle: the launcher's window did not show"; kill "$pid"; return 0; }
    local before after
    before=$(awk '{print $14 + $15}' "/proc/$pid/stat")
    sleep 20
    after=$(awk '{print $14 + $15}' "/proc/$pid/stat")
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    echo "idle launcher: $((after - before)) CPU ticks in 20 s (user and system, $(getconf CLK_TCK) a second)"
}
idle_ticks
echo "launcher size: $(stat -c %s "$build/SkyreachLauncher.exe") bytes (1 MB is 1048576)"
