#!/usr/bin/env bash
# Runs a Windows program under the project's Wine environment and returns its exit code.
# With `--wine-output FILE` first, Wine's output of the program, and of every process it starts, goes to FILE
# instead of standard error: Wine writes it to a process's Unix standard error, which a Windows program
# cannot redirect for the processes it starts, so a program that must read what they printed reads FILE.
here=$(cd "$(dirname "$0")" && pwd)
. "$here/env.sh"
if [ "${1:-}" = --wine-output ]; then
    output=$2
    shift 2
    exec "$WINELOADER" "$@" 2>"$output"
fi
exec "$WINELOADER" "$@"
