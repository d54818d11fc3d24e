#!/usr/bin/env bash
# Builds the release executable from scratch in a build directory of its own (build-release/, or the
# one given) and prints what a publisher ships and compares: its path, size, version, SHA-256 and the
# DLLs it imports. The same commit gives the same bytes wherever and whenever it is built.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-$root/build-release}

# Only an earlier build directory is cleared; anything else in the way is left alone.
if [ -e "$out" ] && [ ! -f "$out/CMakeCache.txt" ] && [ -n "$(ls -A "$out")" ]; then
    echo "$out is neither empty nor a build directory; name another." >&2
    exit 2
fi
"$root/tools/setup/install-deps.sh"
rm -rf "$out"
cmake -S "$root" -B "$out" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build "$out" --target SkyreachLauncher -j"$(nproc)" >/dev/null

exe=$(cd "$out" && pwd)/SkyreachLauncher.exe
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:[A-Z]*=//p' "$out/CMakeCache.txt")
echo "Path:    $exe"
echo "Size:    $(stat -c %s "$exe") bytes"
echo "Version: $version"
echo "SHA-256: $(sha256sum "$exe" | cut -d' ' -f1)"
echo "Imports:"
i686-w64-mingw32-objdump -p "$exe" | sed -n 's/^[[:space:]]*DLL Name: /  /p'
