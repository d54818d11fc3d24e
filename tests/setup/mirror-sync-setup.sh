#!/usr/bin/env bash
# The set-up against a package mirror in mid-sync, with apt, dpkg and sudo played by scripts first in
# PATH: one index fails to download and the first install does not resolve. The set-up has to warn
# naming the failed source, go on, and retry once with the release's own suite preferred; when that
# fails too, end with a message naming what it could not install. Where nothing is missing it must
# not touch apt at all.
#
# mirror-sync-setup.sh <tools/setup directory>
set -euo pipefail
setup=$1
codename=$(. /etc/os-release && echo "${VERSION_CODENAME:-}")
if [ -z "$codename" ]; then
    echo "This machine's /etc/os-release names no release codename to retry with." >&2
    exit 77
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/setup" "$work/bin"
# The set-up's own script, beside a stand-in for the next step (enabling 32-bit programs), which
# only records that it ran.
cp "$setup/install-deps.sh" "$work/setup/"
printf '#!/bin/sh\necho ran >>"%s/enable-i386.calls"\n' "$work" >"$work/setup/enable-i386.sh"

failed_source="http://127.0.0.1:9/debian-security/dists/$codename-security/main/binary-i386/Packages"
cat >"$work/bin/apt-get" <<FAKE
#!/usr/bin/env bash
echo "\$*" >>"$work/apt-get.calls"
case " \$* " in
*" update "*)
    echo "W: Failed to fetch $failed_source  File has unexpected size (40338 != 40544). Mirror sync in progress? [IP: 127.0.0.1 9]"
    echo "E: Some index files failed to download. They have been ignored, or old ones used instead."
    exit 100 ;;
*" -t $codename "*)
    [ "\$FAKE_PREFERRED_RELEASE_RESOLVES" = yes ] && exit 0 ;;
esac
echo "E: Unable to correct problems, you have held broken packages."
exit 100
FAKE
cat >"$work/bin/dpkg-query" <<FAKE
#!/bin/sh
# -W -f=<format> <package>: "installed" for the packages this machine is said to have ("*": all).
if grep -qx -e "\$3" -e '[*]' "$work/installed"; then printf installed; exit 0; fi
echo "dpkg-query: no packages found matching \$3" >&2
exit 1
FAKE
cat >"$work/bin/dpkg" <<FAKE
#!/bin/sh
echo "\$*" >>"$work/dpkg.calls"
[ "\$1" = --print-foreign-architectures ] && cat "$work/foreign-architectures"
exit 0
FAKE
printf '#!/bin/sh\nexec "$@"\n' >"$work/bin/sudo"
chmod +x "$work/bin/"* "$work/setup/"*

failures=0
fail() {
    echo "FAILED ($scenario): $*" >&2
    failures=$((failures + 1))
}
expect_output() {
    grep -qF -- "$1" "$work/out" || fail "no \"$1\" in the output"
}
calls() { cat "$work/$1.calls" 2>/dev/null || true; }

# run <scenario> <installed packages> <foreign architectures> <does the preferred release resolve>
run() {
    scenario=$1
    tr ' ' '\n' <<<"$2" >"$work/installed"
    tr ' ' '\n' <<<"$3" >"$work/foreign-architectures"
    rm -f "$work"/*.calls
    set +e
    PATH="$work/bin:$PATH" FAKE_PREFERRED_RELEASE_RESOLVES=$4 "$work/setup/install-deps.sh" >"$work/out" 2>&1
    status=$?
    set -e
}

run "fresh machine, mirror in mid-sync" "cmake make" "" yes
[ "$status" -eq 0 ] || fail "exit status $status"
# What the set-up found missing: all it needs but the two packages the machine has.
missing=$(sed -n 's/^Installing: //p' "$work/out")
case " $missing " in
*" cmake "* | *" make "*) fail "it installs what is there: $missing" ;;
*" wine32:i386 "*) ;;
*) fail "it installs: $missing" ;;
esac
expect_output "Warning: apt could not fetch every package index"
expect_output "failed: $failed_source"
expect_output "retrying with the release's own suite ($codename) preferred"
[ "$(calls dpkg)" = "$(printf '%s\n' --print-foreign-architectures '--add-architecture i386')" ] ||
    fail "dpkg was asked: $(calls dpkg)"
install="install -y -qq --no-install-recommends"
expected_apt=$(printf '%s\n' "update -qq" "$install $missing" "$install -t $codename $missing")
[ "$(calls apt-get)" = "$expected_apt" ] || fail "apt-get was asked: $(calls apt-get)"
[ "$(calls enable-i386)" = ran ] || fail "the next step did not run"

run "both installs fail" "cmake make" "i386" no
[ "$status" -ne 0 ] || fail "exit status 0"
expect_output "held broken packages"
[ "$(tail -n 1 "$work/out")" = "Could not install: $missing (also not with $codename preferred)." ] ||
    fail "last line: $(tail -n 1 "$work/out")"
[ "$(calls apt-get | grep -c '^install')" -eq 2 ] || fail "apt-get was asked: $(calls apt-get)"
[ "$(calls dpkg)" = --print-foreign-architectures ] || fail "dpkg was asked: $(calls dpkg)"
[ -z "$(calls enable-i386)" ] || fail "the next step ran after the failure"

run "nothing missing" "*" "i386" no
[ "$status" -eq 0 ] || fail "exit status $status"
[ -z "$(calls apt-get)$(calls dpkg)" ] || fail "apt-get or dpkg was asked: $(calls apt-get) $(calls dpkg)"
[ ! -s "$work/out" ] || fail "it said: $(cat "$work/out")"
[ "$(calls enable-i386)" = ran ] || fail "the next step did not run"

[ "$failures" -eq 0 ] || { echo "--- the set-up's last output:" >&2; cat "$work/out" >&2; exit 1; }
