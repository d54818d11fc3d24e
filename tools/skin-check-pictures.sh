#!/usr/bin/env bash
# Retakes the README's skin-check pictures: a copy of the shipped skin with typical mistakes painted in
# (a pink fringe along the top corner cuts, a stray magenta block, a half-transparent patch), checked with
# skin-check, whose preview is saved whole and with its top-left corner enlarged.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
convert "$root/res/skin.png" \
    -fill 'rgb(210,50,210)' -draw 'line 8,0 1,7' -draw 'line 821,0 828,7' \
    -fill 'rgb(255,0,255)' -draw 'rectangle 600,300 602,302' \
    -region 61x21+100+400 -channel A -evaluate set 78% +channel +region \
    PNG32:"$work/flawed-skin.png"
"$root/tools/skin-check.sh" --preview "$work/preview.png" "$work/flawed-skin.png" || true
cp "$work/preview.png" "$root/docs/skin-check-preview.png"
convert "$work/preview.png" -crop 48x24+0+0 +repage -scale 800% "$root/docs/skin-check-corner.png"
echo "Saved docs/skin-check-preview.png and docs/skin-check-corner.png"
