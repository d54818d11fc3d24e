#!/usr/bin/env bash
# Installs what building, running and testing the launcher need on a Debian machine, skipping
# whatever is already there. Run as root (or with sudo available). With --native, only what the native
# build (the skin checker, its tests and fuzz targets) needs: no cross compiler, no Wine.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
as_root() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }

native=(cmake make g++ pkg-config zlib1g-dev libpng-dev googletest clang libclang-rt-14-dev)
packages=(
    "${native[@]}"
    g++-mingw-w64-i686-win32 binutils-mingw-w64-i686 mingw-w64-i686-dev
    wine wine64 wine32:i386
    xvfb x11-utils x11-apps xdotool imagemagick
)
[ "${1:-}" = --native ] && packages=("${native[@]}")

missing=()
for p in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${db:Status-Status}' "$p" 2>/dev/null || true)
    [ "$status" = installed ] || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    if [ "${1:-}" != --native ] && ! dpkg --print-foreign-architectures | grep -qx i386; then
        as_root dpkg --add-architecture i386
    fi
    as_root apt-get update -qq
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

[ "${1:-}" = --native ] || "$here/enable-i386.sh"
