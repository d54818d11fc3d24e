#!/usr/bin/env bash
# Checks a skin, and optionally the folder of its button images, the way the launcher will use them:
#   tools/skin-check.sh [--json] [--preview OUT.png] SKIN.png [BUTTON_IMAGE_FOLDER]
# Builds the checker natively in build/native first. Exit status: 0 clean, 1 warnings, 2 errors.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/setup/install-deps.sh" --native >&2
build=$root/build/native
mkdir -p "$build"
# Quiet unless the build fails: the report, JSON included, is all that goes to standard output.
if ! { cmake -S "$root/native" -B "$build" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF &&
       cmake --build "$build" --target skin-check -j"$(nproc)"; } >"$build/build.log" 2>&1; then
    cat "$build/build.log" >&2
    exit 2
fi
exec "$build/skin-check/skin-check" "$@"
