#!/usr/bin/env bash
# Builds everything and runs every test through CTest, under Wine on a private virtual display.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/build.sh"
ctest --test-dir "$root/build" --output-on-failure "$@"
