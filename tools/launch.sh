#!/usr/bin/env bash
# Builds the launcher and starts it under Wine. Without a display, it runs on a virtual one for a
# few seconds, saves a screenshot and ends.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build
"$root/tools/build.sh"

export WINEPREFIX=$build/wineprefix SKYREACH_SESSION_DIR=$build/wine-session
screenshot=$build/screenshot.png
if [ -n "${DISPLAY:-}" ]; then
    "$root/tools/wine/session.sh" start
    "$root/tools/wine/run.sh" "$build/SkyreachLauncher.exe"
    exit 0
fi

export DISPLAY=:98
"$root/tools/wine/session.sh" start
trap '"$root/tools/wine/session.sh" stop' EXIT
(cd "$build" && "$root/tools/wine/run.sh" "$build/SkyreachLauncher.exe") &
launcher=$!
sleep "${SKYREACH_SHOW_SECONDS:-8}"
xwd -root -silent -display "$DISPLAY" | convert xwd:- "$screenshot"
echo "Screenshot saved to $screenshot"
kill "$launcher" 2>/dev/null || true
wait "$launcher" 2>/dev/null || true
