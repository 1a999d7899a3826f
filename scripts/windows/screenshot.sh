#!/usr/bin/env bash
# Starts the Windows program under wine on a virtual X display, in a wine desktop window that
# draws the window frames, and saves what the screen shows as docs/windows-main.png.
set -euo pipefail
cd "$(dirname "$0")/../.."
scripts/windows/build.sh
exec xvfb-run -a -s "-screen 0 800x600x24" "$0-in-display"
