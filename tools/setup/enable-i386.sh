#!/usr/bin/env bash
# 32-bit Wine needs the machine to run 32-bit x86 programs. Some kernels are built without that
# (ia32 emulation off); there, 32-bit programs run under QEMU's user-mode emulator, registered with
# binfmt_misc. Bookworm's QEMU 7.2 takes about a minute to start each Wine process, because Wine
# probes the whole address space at start-up; the QEMU 10 of Debian 13 ("trixie") does it in well
# under a second, so that one is used. Its qemu-user package is statically linked and needs nothing
# else from trixie.
#
# It changes the machine only where 32-bit Wine does not run already, and only in two places it owns:
# the emulator at /usr/local/lib/skyreach/qemu-i386 and the binfmt_misc entry "skyreach-i386". Entries
# of anybody else are left as they are. `enable-i386.sh --undo` removes exactly those two.
#
# `enable-i386.sh --force` registers the emulator even where 32-bit programs run natively, so that a
# developer on such a machine runs the tests the way a machine without 32-bit support does: binfmt_misc
# entries are tried before the kernel's own loader, so every 32-bit program then starts under QEMU, until
# `enable-i386.sh --undo`.
set -euo pipefail

as_root() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }

emulator_dir=/usr/local/lib/skyreach
emulator=$emulator_dir/qemu-i386
binfmt=/proc/sys/fs/binfmt_misc
entry=$binfmt/skyreach-i386

undo() {
    if [ -e "$entry" ]; then
        echo -1 | as_root tee "$entry" >/dev/null
        echo "Removed the binfmt_misc entry skyreach-i386."
    fi
    if [ -e "$emulator" ]; then
        as_root rm -f "$emulator"
        as_root rmdir --ignore-fail-on-non-empty "$emulator_dir"
        echo "Removed $emulator."
    fi
}

# The Debian archive this machine installs its own release from (whatever mirror or proxy its apt
# sources name) as "URI sources-entry"; the entry is "file:n", the n-th stanza or line of that file.
debian_archive() {
    apt-get indextargets --format '$(RELEASE) $(REPO_URI) $(SOURCESENTRY)' \
        'Origin: Debian' 'Target-Of: deb' 'Identifier: Packages' 2>/dev/null |
        awk '$1 !~ /-/ { print $2, $3; exit }'
}

# The keyring the machine trusts for that entry, if it names one.
signed_by() {
    local file=${1%:*} index=${1##*:}
    case $file in
    *.sources)
        awk -v want="$index" 'BEGIN { RS = ""; FS = "\n" }
            NR == want { for (i = 1; i <= NF; i++) if ($i ~ /^Signed-By:/) { sub(/^Signed-By:[ \t]*/, "", $i); print $i } }' \
            "$file"
        ;;
    *) sed -n "${index}p" "$file" | grep -o 'signed-by=[^] ]*' | cut -d= -f2 || true ;;
    esac
}

fetch_emulator() {
    local archive entry keyring work
    read -r archive entry < <(debian_archive) || true
    if [ -z "${archive:-}" ]; then
        echo "No Debian archive in this machine's apt sources to fetch QEMU from." >&2
        exit 1
    fi
    keyring=$(signed_by "$entry")
    echo "This kernel runs no 32-bit programs; fetching QEMU's i386 user-mode emulator from $archive."
    work=$(mktemp -d)
    trap "rm -rf '$work'" EXIT
    mkdir -p "$work/lists/partial" "$work/archives/partial" "$work/parts"
    {
        echo "Types: deb"
        echo "URIs: $archive"
        echo "Suites: trixie"
        echo "Components: main"
        [ -n "$keyring" ] && echo "Signed-By: $keyring"
    } >"$work/parts/trixie.sources"
    # apt checks the signatures as it does for the machine's own sources.
    local apt_opts=(-o "APT::Sandbox::User=root" -o "Dir::Etc::SourceList=/dev/null"
                    -o "Dir::Etc::SourceParts=$work/parts" -o "Dir::State::Lists=$work/lists"
                    -o "Dir::Cache::Archives=$work/archives" -o "Dir::State::Status=/var/lib/dpkg/status"
                    -o "APT::Architectures::=amd64")
    as_root apt-get "${apt_opts[@]}" update -qq
    (cd "$work" && as_root apt-get "${apt_opts[@]}" download qemu-user >/dev/null)
    dpkg-deb -x "$work"/qemu-user_*.deb "$work/root"
    as_root install -D -m 0755 "$work/root/usr/bin/qemu-i386" "$emulator"
    echo "Installed $emulator: $("$emulator" --version | head -n 1)"
}

case "${1:-}" in
--undo)
    undo
    exit 0
    ;;
--force) ;;
"")
    if /usr/lib/wine/wine --version >/dev/null 2>&1; then
        exit 0
    fi
    ;;
*)
    echo "usage: $0 [--force | --undo]" >&2
    exit 2
    ;;
esac

[ -x "$emulator" ] || fetch_emulator

[ -e "$binfmt/register" ] || as_root mount -t binfmt_misc binfmt_misc "$binfmt"
if [ ! -e "$entry" ]; then
    # Matches 32-bit x86 ELF executables and shared objects; F opens the emulator now, so the
    # registration keeps working whatever happens to the path later. The newest entry is tried first,
    # so an older one for the same programs stays registered and untouched.
    magic='\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00'
    mask='\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff'
    echo ":skyreach-i386:M::$magic:$mask:$emulator:F" | as_root tee "$binfmt/register" >/dev/null
    echo "Registered the binfmt_misc entry skyreach-i386 for 32-bit programs ($emulator)."
fi

/usr/lib/wine/wine --version >/dev/null 2>&1 || { echo "32-bit programs still do not run" >&2; exit 1; }
if [ "${1:-}" = --force ]; then
    echo "Every 32-bit program now starts under $emulator, also where the kernel could run it; enable-i386.sh --undo ends that."
fi
