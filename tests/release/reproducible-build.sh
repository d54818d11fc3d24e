#!/usr/bin/env bash
# Builds the launcher a second time, from a copy of the checkout at another path into a build tree of
# another path length, and compares the two executables byte for byte. Neither may contain the path of
# a source or build tree.
#
# reproducible-build.sh <source tree> <built launcher> <work directory> <build type> <toolchain file>
set -euo pipefail
source=$1 built=$2 work=$3 build_type=$4 toolchain=$5

rm -rf "$work"
checkout=$work/checkout-elsewhere
rebuild=$work/checkout-elsewhere-build
mkdir -p "$checkout"
# What the checkout holds (its tracked and new files, as they are now), without its build trees.
if git -C "$source" rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    git -C "$source" ls-files -z --cached --others --exclude-standard |
        tar -C "$source" --null --files-from=- --ignore-failed-read -cf - | tar -C "$checkout" -xf -
else
    tar -C "$source" --exclude='./build*' -cf - . | tar -C "$checkout" -xf -
fi

cmake -S "$checkout" -B "$rebuild" -DCMAKE_BUILD_TYPE="$build_type" -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DBUILD_TESTING=OFF >/dev/null
cmake --build "$rebuild" --target SkyreachLauncher >/dev/null
rebuilt=$rebuild/$(basename "$built")

status=0
if ! cmp -s "$built" "$rebuilt"; then
    echo "The two builds differ (offset, then the octal bytes of each):" >&2
    cmp -l "$built" "$rebuilt" | head -n 20 >&2 || true
    status=1
fi
for tree in "$source" "$(dirname "$built")" "$checkout" "$rebuild"; do
    for encoding in s l; do
        if strings -a -e "$encoding" "$built" "$rebuilt" | grep -F -- "$tree" >&2; then
            echo "The executable holds the path $tree." >&2
            status=1
        fi
    done
done
[ "$status" -ne 0 ] || rm -rf "$work"
exit "$status"
