#!/usr/bin/env bash
# Builds the Debian package and checks it: its files, its metadata and lintian's verdict.
set -euo pipefail
cd "$(dirname "$0")/.."
if ! command -v dpkg-deb >/dev/null || ! command -v lintian >/dev/null; then
    echo "dpkg-deb or lintian missing: the Debian package is not checked"
    exit 0
fi
scripts/package-deb.sh >/dev/null
deb=$(ls dist/folder-batch-rename_*_amd64.deb)
failures=0
check() { if "${@:2}"; then echo "PASS: $1"; else echo "FAIL: $1"; failures=$((failures + 1)); fi; }
field() { dpkg-deb -f "$deb" "$1"; }
files=$(dpkg-deb -c "$deb" | awk '{print $6}')
for file in ./usr/bin/folder-batch-rename ./usr/share/applications/folder-batch-rename.desktop \
            ./usr/share/kio/servicemenus/folder-batch-rename.desktop \
            ./usr/share/icons/hicolor/256x256/apps/folder-batch-rename.png \
            ./usr/share/icons/hicolor/scalable/apps/folder-batch-rename.svg \
            ./usr/share/man/man1/folder-batch-rename.1.gz \
            ./usr/share/man/zh_CN/man1/folder-batch-rename.1.gz \
            ./usr/share/man/zh_TW/man1/folder-batch-rename.1.gz \
            ./usr/share/doc/folder-batch-rename/copyright \
            ./usr/share/doc/folder-batch-rename/changelog.gz; do
    check "holds $file" grep -qx -- "$file" <<<"$files"
done
check "depends on Qt's widgets, computed from the program" grep -q 'libqt6widgets6' <<<"$(field Depends)"
check "depends on the pinyin readings" grep -q 'rime-data-terra-pinyin' <<<"$(field Depends)"
check "recommends the Chinese font, Qt's translations and the locales for the manual page" \
    test "$(field Recommends)" = "fonts-noto-cjk, qt6-translations-l10n, locales"
check "section utils" test "$(field Section)" = utils
check "a maintainer" test -n "$(field Maintainer)"
check "a description" test -n "$(field Description)"
tags=$(lintian "$deb" 2>&1 | grep -E '^[EW]: ' || true)
[[ -n $tags ]] && echo "$tags"
check "lintian finds no error and no warning" test -z "$tags"
echo "$failures failed"
[[ $failures -eq 0 ]]
