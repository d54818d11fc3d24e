#!/usr/bin/env bash
# 32-bit Wine needs the machine to run 32-bit x86 programs. Some kernels are built without that
# (ia32 emulation off); there, 32-bit programs run under QEMU's user-mode emulator, registered with
# binfmt_misc. Bookworm's QEMU 7.2 takes about a minute to start each Wine process, because Wine
# probes the whole address space at start-up; the QEMU 10 of Debian 13 ("trixie") does it in well
# under a second, so that one is used. Its qemu-user package is statically linked and needs nothing
# else from trixie.
set -euo pipefail

as_root() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }

if /usr/lib/wine/wine --version >/dev/null 2>&1; then
    exit 0
fi

emulator=/usr/local/lib/skyreach/qemu-i386
binfmt=/proc/sys/fs/binfmt_misc

if [ ! -x "$emulator" ]; then
    echo "This kernel runs no 32-bit programs; fetching QEMU's i386 user-mode emulator."
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT
    mkdir -p "$work/lists/partial" "$work/archives/partial"
    cat >"$work/trixie.sources" <<'SRC'
Types: deb
URIs: http://deb.debian.org/debian
Suites: trixie
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SRC
    apt_opts=(-o "APT::Sandbox::User=root" -o "Dir::Etc::SourceList=/dev/null" -o "Dir::Etc::SourceParts=$work/parts"
              -o "Dir::State::Lists=$work/lists" -o "Dir::Cache::Archives=$work/archives"
              -o "Dir::State::Status=/var/lib/dpkg/status" -o "APT::Architectures::=amd64")
    mkdir -p "$work/parts" && mv "$work/trixie.sources" "$work/parts/"
    as_root apt-get "${apt_opts[@]}" update -qq
    (cd "$work" && as_root apt-get "${apt_opts[@]}" download qemu-user >/dev/null)
    dpkg-deb -x "$work"/qemu-user_*.deb "$work/root"
    as_root install -D -m 0755 "$work/root/usr/bin/qemu-i386" "$emulator"
fi

[ -e "$binfmt/register" ] || as_root mount -t binfmt_misc binfmt_misc "$binfmt"
if [ ! -e "$binfmt/skyreach-i386" ]; then
    # Matches 32-bit x86 ELF executables and shared objects; F opens the emulator now, so the
    # registration keeps working whatever happens to the path later.
    magic='\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00'
    mask='\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff'
    for other in "$binfmt"/qemu-i386*; do
        [ -e "$other" ] && echo -1 | as_root tee "$other" >/dev/null
    done
    echo ":skyreach-i386:M::$magic:$mask:$emulator:F" | as_root tee "$binfmt/register" >/dev/null
fi

/usr/lib/wine/wine --version >/dev/null 2>&1 || { echo "32-bit programs still do not run" >&2; exit 1; }
