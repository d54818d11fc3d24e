#!/usr/bin/env bash
# Paints res/ afresh from the launcher's button and pane rows (face/FaceRows.h): the skin, the button faces
# with the resource lines that name them (res/button_faces.rc), and the icon. When a button does not fit where
# its row puts it, says why, naming the rectangles, and what would fit, and leaves res/ as it was. Then checks
# the new res/ as the test suite does and with skin-check. Builds the generator natively in build/assets-host
# first.
#   tools/regenerate-assets.sh           paint, write res/ and check it
#   tools/regenerate-assets.sh --check   only decide whether the rows fit, in seconds: nothing is painted
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
check_only=
case "${1:-}" in
    --check) check_only=1 ;;
    "") ;;
    *) echo "usage: tools/regenerate-assets.sh [--check]" >&2; exit 2 ;;
esac
build=$root/build/assets-host
# A configured build had what it needs installed; a quick check does not look again.
[ -n "$check_only" ] && [ -f "$build/CMakeCache.txt" ] || "$root/tools/setup/install-deps.sh" --native >&2
mkdir -p "$build"
targets=(gen_assets)
[ -n "$check_only" ] || targets+=(check_skin)
# Configured once; after that a changed row rebuilds the one file that reads the rows.
if ! { { [ -f "$build/CMakeCache.txt" ] || cmake -S "$root/tools/assets" -B "$build" -DCMAKE_BUILD_TYPE=Release; } &&
       cmake --build "$build" --target "${targets[@]}" -j"$(nproc)"; } >"$build/build.log" 2>&1; then
    cat "$build/build.log" >&2
    exit 2
fi

if [ -n "$check_only" ]; then
    exec "$build/gen_assets" --check
fi

fresh=$(mktemp -d)
trap 'rm -rf "$fresh"' EXIT
if ! "$build/gen_assets" "$fresh"; then
    echo "regenerate-assets: res/ is unchanged; change the rows the lines above name and run this again" >&2
    exit 1
fi
# Faces of buttons that are gone go with them.
rm -f "$root"/res/btn_*.bmp
cp "$fresh"/* "$root/res/"
echo "regenerate-assets: wrote $(ls "$fresh" | wc -l) files to res/"

# Both checks print their last line when clean and everything when not.
check() {
    local report status=0
    report=$("$@") || status=$?
    if [ "$status" -ne 0 ]; then
        echo "$report"
        exit "$status"
    fi
    echo "$report" | tail -1
}
check "$build/tests/check_skin" "$root/res/skin.png"
check "$root/tools/skin-check.sh" "$root/res/skin.png" "$root/res"
