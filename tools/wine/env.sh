# Sourced by the Wine helpers: the environment every Wine process of the project runs with.
# WINEPREFIX and DISPLAY come from the caller; everything else is fixed here.

: "${WINEPREFIX:?WINEPREFIX must name the private prefix}"
: "${DISPLAY:?DISPLAY must name the X display}"
export WINEPREFIX DISPLAY

# A 64-bit prefix with 32-bit support: Wine's own services run natively even where 32-bit code
# must be emulated, and 32-bit programs such as the launcher run as they would on 64-bit Windows.
export WINEARCH=win64
export WINELOADER=/usr/lib/wine/wine64
export WINESERVER=/usr/lib/wine/wineserver64
# No Mono or Gecko download prompts: the prefix is created unattended.
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEDEBUG=-all
