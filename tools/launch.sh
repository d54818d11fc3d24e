#!/usr/bin/env bash
# Builds the launcher and starts it under Wine. With a display it runs there until closed; without
# one it runs on a virtual display of its own for a few seconds, saves a screenshot and ends. Either
# way the Wine server it started, and the virtual display, end with it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build
"$root/tools/build.sh"

export WINEPREFIX=$build/wineprefix SKYREACH_SESSION_DIR=$build/wine-session
export SKYREACH_USE_DISPLAY=${DISPLAY:-}
"$root/tools/wine/session.sh" start
trap '"$root/tools/wine/session.sh" stop' EXIT
trap 'exit 130' INT TERM
if [ -n "$SKYREACH_USE_DISPLAY" ]; then
    (cd "$build" && "$root/tools/wine/run.sh" "$build/SkyreachLauncher.exe")
    exit 0
fi

DISPLAY=$(cat "$SKYREACH_SESSION_DIR/display")
screenshot=$build/screenshot.png
(cd "$build" && "$root/tools/wine/run.sh" "$build/SkyreachLauncher.exe") &
sleep "${SKYREACH_SHOW_SECONDS:-8}"
xwd -root -silent -display "$DISPLAY" | convert xwd:- "$screenshot"
echo "Screenshot saved to $screenshot"
