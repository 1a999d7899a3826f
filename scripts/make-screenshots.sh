#!/usr/bin/env bash
# Renders the pictures in docs/ from the real windows, offscreen, with the Chinese font.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh --test
cmake --preset test >/dev/null
cmake --build --preset test --target make_screenshots
export QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0
build/test/tools/make_screenshots docs
QT_SCALE_FACTOR=2 build/test/tools/make_screenshots build/screenshots-2x
QT_SCALE_FACTOR=1.5 build/test/tools/make_screenshots build/screenshots-1.5x
cp build/screenshots-2x/main-after-rename.png docs/main-after-rename@2x.png
cp build/screenshots-1.5x/rename-dialog.png docs/rename-dialog@1.5x.png
