#!/usr/bin/env bash
# Builds and runs the benchmarks under Wine, printing their figures, then every target with whether it
# is met.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build
"$root/tools/build.sh"
report=$(mktemp)
xvfb_pid=
cleanup() {
    "$root/tools/wine/session.sh" stop || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    rm -f "$report" "$report.display"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# A display wide enough for the launcher's window and the platform floor's side by side (the repaint
# bench), started here and ended with the benchmarks.
Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp -noreset </dev/null >/dev/null 2>&1 3>"$report.display" &
xvfb_pid=$!
for _ in $(seq 200); do
    [ -s "$report.display" ] && break
    sleep 0.05
done
[ -s "$report.display" ] || { echo "bench: Xvfb did not start" >&2; exit 1; }
export WINEPREFIX=$build/wineprefix SKYREACH_SESSION_DIR=$build/wine-session
export SKYREACH_USE_DISPLAY=":$(tr -d '[:space:]' <"$report.display")"
"$root/tools/wine/session.sh" start

# Where the kernel runs no 32-bit code, an emulator registered with binfmt_misc runs it (README.md).
emulated=()
for entry in /proc/sys/fs/binfmt_misc/*; do
    case ${entry##*/} in register | status) continue ;; esac
    if grep -qx enabled "$entry" && grep -q '^interpreter .*qemu-i386' "$entry"; then
        emulated=(--emulated)
    fi
done

run() { "$root/tools/wine/run.sh" "$@" | tee -a "$report"; }
run "$build/bench/region_bench.exe"
run "$build/bench/startup_bench.exe" "$build/SkyreachLauncher.exe" "$build/bench/platform_floor.exe" \
    "$build/bench/empty_dialog.exe" "${emulated[@]}"
run "$build/bench/repaint_bench.exe"
run "$build/bench/progress_bench.exe"
run "$build/bench/pane_bench.exe"

verdict() { if [ "$1" -eq 1 ]; then echo met; else echo "NOT MET"; fi; }

# An idle launcher must do no work: the CPU ticks its process spends in 20 s once its window is up.
idle_ticks() {
    "$root/tools/wine/run.sh" "$build/SkyreachLauncher.exe" >/dev/null 2>&1 &
    local pid=$! window=
    for _ in $(seq 300); do
        window=$(DISPLAY=$SKYREACH_USE_DISPLAY xdotool search --onlyvisible --name '^Skyreach Launcher$' 2>/dev/null |
            head -1 || true)
        [ -n "$window" ] && break
        sleep 0.1
    done
    [ -n "$window" ] || { echo "idle: the launcher's window did not show" | tee -a "$report"; kill "$pid"; return 0; }
    local before after
    before=$(awk '{print $14 + $15}' "/proc/$pid/stat")
    sleep 20
    after=$(awk '{print $14 + $15}' "/proc/$pid/stat")
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    local ticks=$((after - before))
    echo "idle launcher: $ticks CPU ticks in 20 s (user and system, $(getconf CLK_TCK) a second)"
    echo "target: idle launcher's CPU over 20 s $ticks ticks, at most 0: $(verdict $((ticks == 0)))" >>"$report"
}
idle_ticks
size=$(stat -c %s "$build/SkyreachLauncher.exe")
echo "launcher size: $size bytes (1 MB is 1048576)"
echo "target: executable's size $size bytes, at most 1048576: $(verdict $((size <= 1048576)))" >>"$report"

echo
echo "targets:"
grep '^target: ' "$report" | sed 's/^target: /  /'
