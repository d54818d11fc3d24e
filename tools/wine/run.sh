#!/usr/bin/env bash
# Runs a Windows program under the project's Wine environment and returns its exit code.
here=$(cd "$(dirname "$0")" && pwd)
. "$here/env.sh"
exec "$WINELOADER" "$@"
