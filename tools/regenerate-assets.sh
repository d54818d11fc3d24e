#!/usr/bin/env bash
# Paints res/ afresh from the launcher's button and pane rows (ui/UiTableData.h): the skin, the button faces
# with the resource lines that name them (res/button_faces.rc), and the icon. When a button does not fit where
# its row puts it, says why, naming the rectangles, and leaves res/ as it was. Then checks the new res/ as the
# test suite does and with skin-check. Builds the generator natively in build/assets-host first.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/setup/install-deps.sh" --native >&2
build=$root/build/assets-host
mkdir -p "$build"
if ! { cmake -S "$root/tools/assets" -B "$build" -DCMAKE_BUILD_TYPE=Release &&
       cmake --build "$build" --target gen_assets check_skin -j"$(nproc)"; } >"$build/build.log" 2>&1; then
    cat "$build/build.log" >&2
    exit 2
fi

fresh=$(mktemp -d)
trap 'rm -rf "$fresh"' EXIT
if ! "$build/gen_assets" "$fresh"; then
    echo "regenerate-assets: res/ is unchanged; move the buttons the lines above name and run this again" >&2
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
