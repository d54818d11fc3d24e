# Sourced by the Wine helpers: the environment every Wine process of the project runs with.
# WINEPREFIX comes from the caller. The X display is the session's (see session.sh) when there is one,
# else the caller's DISPLAY; everything else is fixed here.

: "${WINEPREFIX:?WINEPREFIX must name the private prefix}"
export WINEPREFIX
if [ -n "${SKYREACH_SESSION_DIR:-}" ] && [ -s "$SKYREACH_SESSION_DIR/display" ]; then
    DISPLAY=$(cat "$SKYREACH_SESSION_DIR/display")
fi
[ -n "${DISPLAY:-}" ] && export DISPLAY

# A 64-bit prefix with 32-bit support: Wine's own services run natively even where 32-bit code
# must be emulated, and 32-bit programs such as the launcher run as they would on 64-bit Windows.
export WINEARCH=win64
export WINELOADER=/usr/lib/wine/wine64
export WINESERVER=/usr/lib/wine/wineserver64
# No Mono or Gecko download prompts: the prefix is created unattended.
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEDEBUG=-all
