#!/usr/bin/env bash
# start: gives the session an X display (the caller's SKYREACH_USE_DISPLAY, or a virtual display of
# its own on a free display number), creates the private prefix once (waiting for it to settle) and
# keeps one Wine server alive, so every later Wine process starts quickly.
# stop: ends the Wine server, and with it every Wine process of the prefix, and the virtual display
# if this session started one. A display it did not start is never used unless asked for, and never
# stopped.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
state=${SKYREACH_SESSION_DIR:?SKYREACH_SESSION_DIR must name the session directory}
mkdir -p "$state"
. "$here/env.sh"

ours_running() { [ -f "$state/xvfb.pid" ] && kill -0 "$(cat "$state/xvfb.pid")" 2>/dev/null; }

start_display() {
    if [ -n "${SKYREACH_USE_DISPLAY:-}" ]; then
        echo "$SKYREACH_USE_DISPLAY" >"$state/display"
        return 0
    fi
    ours_running && [ -s "$state/display" ] && return 0
    rm -f "$state/display" "$state/display.number"
    # Xvfb picks a free display number and writes it to fd 3 once it accepts connections.
    setsid Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset \
        </dev/null >"$state/xvfb.log" 2>&1 3>"$state/display.number" &
    echo $! >"$state/xvfb.pid"
    for _ in $(seq 200); do
        if [ -s "$state/display.number" ]; then
            echo ":$(tr -d '[:space:]' <"$state/display.number")" >"$state/display"
            return 0
        fi
        ours_running || break
        sleep 0.05
    done
    echo "Xvfb did not start" >&2
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
    DISPLAY=$(cat "$state/display")
    export DISPLAY
    create_prefix
    # Detached from our output, or whoever reads it (CTest) would wait for the server to end.
    # A server that is already up for this prefix serves just as well.
    "$WINESERVER" -p </dev/null >>"$state/wineserver.log" 2>&1 || true
    # Wine's own services start with the first program and live as long as the server. Started
    # here, they hold this log open instead of the output of whichever test happened to run first.
    "$WINELOADER" wineboot </dev/null >>"$state/wineserver.log" 2>&1
    echo "Session on display $DISPLAY"
    ;;
stop)
    "$WINESERVER" -k 2>/dev/null || true
    if ours_running; then
        kill "$(cat "$state/xvfb.pid")" 2>/dev/null || true
    fi
    rm -f "$state/xvfb.pid" "$state/display" "$state/display.number"
    ;;
*)
    echo "usage: $0 start|stop" >&2
    exit 2
    ;;
esac
