#!/usr/bin/env bash
# Runs a Windows program of the build under wine, with the cross-built Qt's DLLs and plugins.
# CTest runs every Windows test through this.
set -euo pipefail
source "$(dirname "$0")/env.sh"
WINEPATH="$(winepath -w "$FBR_QT_MINGW/bin")"
QT_PLUGIN_PATH="$(winepath -w "$FBR_QT_MINGW/plugins")"
export WINEPATH QT_PLUGIN_PATH
status=0
program=$1
shift
if [[ $(basename "$program") == tst_* ]]; then
    # wine does not pass a test program's standard output on: it writes a file instead.
    log=$(mktemp --suffix=.txt)
    wine "$program" "$@" -o "$(winepath -w "$log"),txt" || status=$?
    cat "$log"
    rm -f "$log"
else
    wine "$program" "$@" || status=$?
fi
wineserver -w
exit $status
