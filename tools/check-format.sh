#!/usr/bin/env bash
# Checks that every C and C++ file git tracks is formatted as the repository's .clang-format says, with
# Debian 12's clang-format (14): other versions break some lines differently. Lists the files that are not,
# and how to format them.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

format=$(command -v clang-format-14 || command -v clang-format || true)
if [ -z "$format" ]; then
    echo "check-format: clang-format is not installed (tools/setup/install-deps.sh installs it)" >&2
    exit 2
fi

mapfile -t files < <(git ls-files -- '*.c' '*.cpp' '*.h')
# One run over all files; each place it would change is reported as "file:line:column: error: ...".
if report=$("$format" --dry-run -Werror "${files[@]}" 2>&1); then
    echo "check-format: ${#files[@]} files formatted ($("$format" --version | sed 's/^.*version //'))"
    exit 0
fi
mapfile -t unformatted < <(printf '%s\n' "$report" | sed -n 's/^\([^:]*\):[0-9]*:[0-9]*: error: .*/\1/p' | sort -u)
if [ ${#unformatted[@]} -eq 0 ]; then
    printf '%s\n' "$report" >&2
    exit 2
fi
echo "check-format: ${#unformatted[@]} of ${#files[@]} files are not formatted as .clang-format says:" >&2
printf '  %s\n' "${unformatted[@]}" >&2
echo "Format them with: $(basename "$format") -i ${unformatted[*]}" >&2
exit 1
