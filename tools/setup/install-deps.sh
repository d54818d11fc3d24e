#!/usr/bin/env bash
# Installs what building, running and testing the launcher need on a Debian machine, skipping
# whatever is already there. Run as root (or with sudo available). With --native, only what the native
# build (the skin checker, its tests and fuzz targets) needs: no cross compiler, no Wine.
#
# Packages come from the machine's own apt sources. A mirror in mid-sync can fail one index download
# (apt then pairs packages of one suite with another's and cannot resolve 32-bit Wine); such a failure
# is reported and the install goes on with what apt has, retrying once with the release's own suite
# preferred.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
as_root() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }

native=(cmake make g++ pkg-config zlib1g-dev libpng-dev libfreetype-dev fonts-bebas-neue googletest clang libclang-rt-14-dev clang-format)
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
[ ${#missing[@]} -eq 0 ] || {
    echo "Installing: ${missing[*]}"
    if [ "${1:-}" != --native ] && ! dpkg --print-foreign-architectures | grep -qx i386; then
        as_root dpkg --add-architecture i386
    fi

    log=$(mktemp)
    trap 'rm -f "$log"' EXIT
    if ! as_root apt-get update -qq >"$log" 2>&1; then
        echo "Warning: apt could not fetch every package index; going on with what it has." >&2
        grep -o 'Failed to fetch [^ ]*' "$log" | sed 's/^Failed to fetch /  failed: /' | sort -u >&2 || cat "$log" >&2
    fi

    install() {
        as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "$@" \
            "${missing[@]}" >"$log" 2>&1
    }
    if ! install; then
        codename=$(. /etc/os-release && echo "${VERSION_CODENAME:-}")
        if [ -z "$codename" ]; then
            cat "$log" >&2
            echo "Could not install: ${missing[*]}" >&2
            exit 1
        fi
        echo "The install did not resolve; retrying with the release's own suite ($codename) preferred." >&2
        if ! install -t "$codename"; then
            cat "$log" >&2
            echo "Could not install: ${missing[*]} (also not with $codename preferred)." >&2
            exit 1
        fi
    fi
}

[ "${1:-}" = --native ] || "$here/enable-i386.sh"
