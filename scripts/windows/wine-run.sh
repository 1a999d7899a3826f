#!/usr/bin/env bash
# Runs a Windows program of the build under wine, with the cross-built Qt's DLLs and plugins.
# CTest runs every Windows test through this.
set -euo pipefail
source "$(dirname "$0")/env.sh"
WINEPATH="$(winepath -w "$FBR_QT_MINGW/bin")"
QT_PLUGIN_PATH="$(winepath -w "$FBR_QT_MINGW/plugins")"
export WINEPATH QT_PLUGIN_PATH
status=0
wine "$@" || status=$?
wineserver -w
exit $status
