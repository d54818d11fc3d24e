#!/usr/bin/env bash
# Runs a Windows program under the tests' Wine with debug channels and DLL overrides of its own, and with
# Wine's debug output in a file. Wine writes that output to the process's Unix standard error, which a
# Windows parent cannot redirect, so an end-to-end test that reads it starts its program through this
# script (Wine's CreateProcess starts Unix programs too).
# Usage: run-traced.sh <log file> <working directory> <WINEDEBUG> <DLL overrides to add, or -> <program>
set -u
log=$1 directory=$2 channels=$3 overrides=$4 program=$5
: "${WINEPREFIX:=@SKYREACH_WINEPREFIX@}"
: "${SKYREACH_SESSION_DIR:=@CMAKE_BINARY_DIR@/wine-session}"
export SKYREACH_SESSION_DIR
. "@SKYREACH_WINE_TOOLS@/env.sh"
export WINEDEBUG=$channels
[ "$overrides" = - ] || export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;$overrides"
cd "$directory" || exit 1
exec "$WINELOADER" "$program" 2>"$log"
