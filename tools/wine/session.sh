#!/usr/bin/env bash
# start: makes sure the virtual display runs, creates the private prefix once (waiting for it to
# settle) and keeps one Wine server alive, so every later Wine process starts quickly.
# stop: ends the Wine server and the display this script started.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
. "$here/env.sh"
state=${SKYREACH_SESSION_DIR:-$WINEPREFIX.session}
mkdir -p "$state"

display_up() { xdpyinfo -display "$DISPLAY" >/dev/null 2>&1; }

start_display() {
    display_up && return 0
    setsid Xvfb "$DISPLAY" -screen 0 1280x1024x24 -nolisten tcp -noreset </dev/null >"$state/xvfb.log" 2>&1 &
    echo $! >"$state/xvfb.pid"
    for _ in $(seq 100); do display_up && return 0; sleep 0.1; done
    echo "Xvfb did not start on $DISPLAY" >&2
    return 1
}

create_prefix() {
    [ -f "$WINEPREFIX/system.reg" ] && [ -f "$WINEPREFIX/.skyreach-ready" ] && return 0
    echo "Creating the Wine prefix $WINEPREFIX (once)"
    rm -rf "$WINEPREFIX"
    "$WINELOADER" wineboot --init >"$state/wineboot.log" 2>&1
    "$WINESERVER" -w
    # A crashing test must fail, not wait for somebody to close the crash dialog.
    "$WINELOADER" reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
    "$WINESERVER" -w
    touch "$WINEPREFIX/.skyreach-ready"
}

case "${1:-}" in
start)
    start_display
    create_prefix
    # Detached from our output, or whoever reads it (CTest) would wait for the server to end.
    # A server that is already up for this prefix serves just as well.
    "$WINESERVER" -p </dev/null >>"$state/wineserver.log" 2>&1 || true
    # Wine's own services start with the first program and live as long as the server. Started
    # here, they hold this log open instead of the output of whichever test happened to run first.
    "$WINELOADER" wineboot </dev/null >>"$state/wineserver.log" 2>&1
    ;;
stop)
    "$WINESERVER" -k 2>/dev/null || true
    if [ -f "$state/xvfb.pid" ]; then
        kill "$(cat "$state/xvfb.pid")" 2>/dev/null || true
        rm -f "$state/xvfb.pid"
    fi
    ;;
*)
    echo "usage: $0 start|stop" >&2
    exit 2
    ;;
esac
