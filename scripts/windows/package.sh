#!/usr/bin/env bash
# Makes the Windows downloads in dist/: a portable zip and an installer (NSIS) in Simplified
# Chinese, Traditional Chinese and English.
set -euo pipefail
cd "$(dirname "$0")/../.."
scripts/windows/build.sh
source scripts/windows/env.sh

version=$(sed -n 's/^project(FolderBatchRename VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
name=folder-batch-rename-$version-win64
stage=dist/$name
rm -rf "$stage" "dist/$name.zip" "dist/$name-setup.exe"
mkdir -p "$stage/platforms" "$stage/styles" "$stage/translations"

cp build/windows/src/folder-batch-rename.exe "$stage/"
cp "$FBR_QT_MINGW/plugins/platforms/qwindows.dll" "$stage/platforms/"
cp "$FBR_QT_MINGW/plugins/styles/qwindowsvistastyle.dll" "$stage/styles/"
# Qt's own texts in the interface's languages.
for language in zh_CN zh_TW en; do
    cp "/usr/share/qt6/translations/qtbase_$language.qm" "$stage/translations/"
done
# OpenCC's conversions and dictionaries, for 繁简转换.
cp -r "$FBR_OPENCC_MINGW/share/opencc" "$stage/"
mkdir -p "$stage/pinyin"
cp /usr/share/rime-data/terra_pinyin.dict.yaml "$stage/pinyin/"
cp /usr/share/doc/rime-data-terra-pinyin/copyright "$stage/pinyin/copyright.txt"

# Exactly the DLLs that the program and its plugins load, found by following their imports.
queue=("$stage/folder-batch-rename.exe" "$stage/platforms/qwindows.dll" "$stage/styles/qwindowsvistastyle.dll")
while [[ ${#queue[@]} -gt 0 ]]; do
    binary=${queue[0]}
    queue=("${queue[@]:1}")
    for dll in $(x86_64-w64-mingw32-objdump -p "$binary" | sed -n 's/.*DLL Name: //p'); do
        found=$(find "$FBR_QT_MINGW/bin" -maxdepth 1 -iname "$dll" | head -n 1)
        if [[ -n $found && ! -e "$stage/$(basename "$found")" ]]; then
            cp "$found" "$stage/"
            queue+=("$stage/$(basename "$found")")
        fi
    done
done
x86_64-w64-mingw32-strip "$stage"/*.exe "$stage"/*.dll "$stage"/*/*.dll

# A read-me a Windows user's Notepad shows in Chinese: UTF-8 with a byte-order mark.
{ printf '\xef\xbb\xbf'; sed 's/$/\r/' packaging/windows/readme.txt; } > "$stage/说明.txt"

(cd dist && zip -qr9 "$name.zip" "$name")
# The uninstaller removes exactly the files the installer puts down.
(cd "$stage" && find . -type f | sed 's|^\./||; s|/|\\|g' | sort |
    sed 's|.*|    Delete "$INSTDIR\\&"|') > "dist/$name-files.nsh"
makensis -V2 -DVERSION="$version" -DSTAGE="$(realpath "$stage")" \
    -DFILES="$(realpath "dist/$name-files.nsh")" \
    -DOUTFILE="$(realpath -m "dist/$name-setup.exe")" \
    -DICON="$(realpath src/platform/windows/folder-batch-rename.ico)" \
    packaging/windows/installer.nsi
ls -l "dist/$name.zip" "dist/$name-setup.exe"
