#!/usr/bin/env bash
# Builds the launcher and takes the README's pictures on a virtual display: the launcher as it starts, and
# with the pointer on the start button so its hover face shows.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build
"$root/tools/build.sh"

export WINEPREFIX=$build/wineprefix SKYREACH_SESSION_DIR=$build/wine-session SKYREACH_USE_DISPLAY=
"$root/tools/wine/session.sh" start
trap '"$root/tools/wine/session.sh" stop' EXIT
trap 'exit 130' INT TERM
export DISPLAY=$(cat "$SKYREACH_SESSION_DIR/display")
(cd "$build" && "$root/tools/wine/run.sh" "$build/SkyreachLauncher.exe") &
launcher=$!

window=
for _ in $(seq 300); do
    window=$(xdotool search --onlyvisible --name '^Skyreach Launcher$' 2>/dev/null | head -1) && [ -n "$window" ] && break
    sleep 0.1
done
[ -n "$window" ] || { echo "the launcher did not show its window" >&2; exit 1; }
eval "$(xdotool getwindowgeometry --shell "$window")"

shoot() {
    sleep 2
    xwd -root -silent | convert xwd:- -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$1"
    echo "Saved $1"
}
xdotool mousemove 5 5
shoot "$root/docs/screenshot.png"
# The middle of the start button's face rectangle, the braced {left, top, right, bottom} of its row in the
# button rows: the button's window holds its face rectangle, so the pointer is on the button.
rows=$root/face/FaceRows.h
read -r left top right bottom < <(sed -n '/RequestStart,/{s/.*{\([-0-9 ,]*\)}.*/\1/;s/,/ /g;p;q}' "$rows")
[ -n "${bottom:-}" ] || { echo "no start button row in $rows" >&2; exit 1; }
xdotool mousemove $((X + (left + right) / 2)) $((Y + (top + bottom) / 2))
shoot "$root/docs/screenshot-hover.png"

xdotool mousemove 5 5
kill "$launcher" 2>/dev/null || true
wait "$launcher" 2>/dev/null || true
