#!/usr/bin/env bash
# Starts the Windows program, then the installer, under wine on a virtual X display, each in a
# wine desktop window that draws the window frames, and saves what the screen shows as
# docs/windows-main.png and docs/windows-installer.png; and the progress dialog as
# docs/windows-progress-dialog.png, docs/windows-rules-dialog.png (and its clashes),
# docs/windows-main-filter.png, docs/windows-main-episodes.png and
# docs/windows-history-dialog.png; the main window in each language,
# docs/windows-language-{zh_CN,zh_TW,en}.png; with Windows set to dark apps, docs/windows-dark-main.png and
# docs/windows-dark-preview.png; at 150 %, docs/windows-main@1.5x.png and
# docs/windows-rename-dialog@1.5x.png.
set -euo pipefail
cd "$(dirname "$0")/../.."
scripts/windows/package.sh >/dev/null
exec xvfb-run -a -s "-screen 0 800x600x24" "$0-in-display"
