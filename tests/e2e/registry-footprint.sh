#!/usr/bin/env bash
# Runs the launcher once, from its start to a close by Alt+F4, and compares the registry before and
# after: HKEY_LOCAL_MACHINE must be unchanged, and HKEY_CURRENT_USER changed only under the browser
# feature switches. Runs in the test session (WINEPREFIX and SKYREACH_SESSION_DIR from CTest).
# Usage: registry-footprint.sh <launcher.exe>
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../../tools/wine/env.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# A name of its own, so that its feature switches are new to the registry.
name=SkyreachFootprint-$$.exe
cp "$1" "$work/$name"

# One line per value, "[key] name=data", continuation lines joined, sorted: comparable with comm.
snapshot() {
    "$WINELOADER" reg export "$1" "$work/export.reg" /y >/dev/null 2>&1
    iconv -f UTF-16LE -t UTF-8 "$work/export.reg" | tr -d '\r' |
        awk '/\\$/ { sub(/\\$/, ""); gsub(/^ +/, ""); held = held $0; next }
             { line = held $0; held = ""; gsub(/^ +/, "", line) }
             line ~ /^\[/ { key = line; print key; next }
             line != "" { print key " " line }' | sort >"$2"
}

snapshot HKLM "$work/machine.before"
snapshot HKCU "$work/user.before"

(cd "$work" && "$here/../../tools/wine/run.sh" "$work/$name") &
launcher=$!
running() { kill -0 "$launcher" 2>/dev/null; }
# Polled on evidence, each within a minute: the window showing, then the launcher ending.
window=
for _ in $(seq 600); do
    window=$(xdotool search --onlyvisible --name '^Skyreach Launcher$' 2>/dev/null | head -n 1) && [ -n "$window" ] && break
    running || break
    sleep 0.1
done
[ -n "$window" ] || { echo "FAIL: the launcher showed no window"; exit 1; }
# Alt+F4 goes to the window that has the keyboard focus, which a busy machine may give it late: the keys
# are pressed again every two seconds while the window is still there.
for attempt in $(seq 600); do
    running || break
    if [ $((attempt % 20)) -eq 1 ] && xdotool getwindowname "$window" >/dev/null 2>&1; then
        xdotool windowfocus --sync "$window" 2>/dev/null || true
        xdotool key alt+F4
    fi
    sleep 0.1
done
if running; then
    echo "FAIL: the launcher did not end on Alt+F4"
    kill "$launcher"
    exit 1
fi
wait "$launcher"

snapshot HKLM "$work/machine.after"
snapshot HKCU "$work/user.after"

status=0
# Wine notes the display driver of each desktop it starts under Control\Video, whichever program is the
# first to need that desktop; that is Wine's record, not the launcher's.
machine=$(comm -3 "$work/machine.before" "$work/machine.after" | sed 's/^\t//' |
    grep -v '^\[HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Control\\Video' || true)
if [ -n "$machine" ]; then
    echo "FAIL: HKEY_LOCAL_MACHINE changed:"
    echo "$machine" | head -n 20
    status=1
fi
user=$(comm -3 "$work/user.before" "$work/user.after" | sed 's/^\t//' |
    grep -v '^\[HKEY_CURRENT_USER\\Software\\Microsoft\\Internet Explorer\\Main\\FeatureControl' || true)
if [ -n "$user" ]; then
    echo "FAIL: HKEY_CURRENT_USER changed outside the feature switches:"
    echo "$user" | head -n 20
    status=1
fi
written=$(grep -c "\"$name\"=dword" "$work/user.after" || true)
if [ "$written" -ne 15 ]; then
    echo "FAIL: $written feature switches written for $name, not 15"
    status=1
fi
[ $status -eq 0 ] && echo "The launcher changed the registry only under its 15 feature switches."
exit $status
