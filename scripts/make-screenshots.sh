#!/usr/bin/env bash
# Renders the pictures in docs/ from the real windows, offscreen, with the Chinese font.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh --test
cmake --preset test >/dev/null
cmake --build --preset test --target make_screenshots
export QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0
# The pictures' folders sit where a user's own would, not in a temporary folder: in a private
# mount namespace, a memory file system over /home holds a user's 照片.
render() { # [--language <code>] <output folder>
    if unshare -Urm true 2>/dev/null; then
        unshare -Urm sh -c 'mount -t tmpfs tmpfs /home && mkdir -p /home/小明 &&
                            HOME=/home/小明 exec "$@" /home/小明/照片' sh build/test/tools/make_screenshots "$@"
    else
        build/test/tools/make_screenshots "$@"
    fi
}
render docs
# The main window in each of the interface's languages, as the program starts in it when the
# system has that language.
for locale in zh_CN.UTF-8 zh_TW.UTF-8 en_US.UTF-8; do
    (unset LC_ALL LC_MESSAGES LANGUAGE; LANG=$locale render --language system docs)
done
QT_SCALE_FACTOR=2 render build/screenshots-2x
QT_SCALE_FACTOR=1.5 render build/screenshots-1.5x
cp build/screenshots-2x/main-after-rename.png docs/main-after-rename@2x.png
cp build/screenshots-1.5x/rename-dialog.png docs/rename-dialog@1.5x.png
