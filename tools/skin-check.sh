#!/usr/bin/env bash
# Checks a skin, and optionally the folder of its button images, the way the launcher will use them:
#   tools/skin-check.sh [--json] [--preview OUT.png] SKIN.png [BUTTON_IMAGE_FOLDER]
# Builds the checker natively in build/native first. Exit status: 0 clean, 1 warnings, 2 errors.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/setup/install-deps.sh" --native >&2
cmake -S "$root/native" -B "$root/build/native" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build "$root/build/native" --target skin-check -j"$(nproc)" >/dev/null
exec "$root/build/native/skin-check/skin-check" "$@"
