#!/usr/bin/env bash
# Installs what the Windows build and its tests need, through apt-get, and the cross-built Qt:
# unpacked from ../shared/toolchains/ when it is there, otherwise built from Debian's source
# (about an hour on two cores, once).
set -euo pipefail
cd "$(dirname "$0")/../.."
source scripts/windows/env.sh

packages=(cmake ninja-build qt6-base-dev qt6-base-dev-tools qt6-translations-l10n qt6-tools-dev
          qt6-l10n-tools
          g++-mingw-w64-x86-64-posix
          gcc-mingw-w64-x86-64-posix wine wine64 fonts-wine fonts-noto-cjk xvfb xauth x11-apps
          x11-utils netpbm nsis zip unzip libopencc-data rime-data-terra-pinyin openssl)
missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done
sudo=()
if [[ $(id -u) -ne 0 ]]; then sudo=(sudo); fi
if [[ ${#missing[@]} -gt 0 ]]; then
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
        "${missing[@]}"
fi

if [[ ! -f "$FBR_QT_MINGW/lib/cmake/Qt6/qt.toolchain.cmake" ]]; then
    archive=../shared/toolchains/qt6-mingw64-6.4.2.tar.xz
    if [[ ! -f $archive ]]; then
        archive="$(dirname "$FBR_QT_MINGW")/qt6-mingw64-6.4.2.tar.xz"
        echo "Building Qt for Windows from Debian's source (about an hour)..."
        "${sudo[@]}" scripts/windows/build-qt6-mingw64.sh "$archive"
    fi
    mkdir -p "$(dirname "$FBR_QT_MINGW")"
    tar -xJf "$archive" -C "$(dirname "$FBR_QT_MINGW")"
fi

# OpenCC, built once from its published source; npm fetches it.
if [[ ! -f "$FBR_OPENCC_MINGW/lib/libopencc.a" ]]; then
    if ! command -v npm >/dev/null; then
        DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends npm
    fi
    archive="$(dirname "$FBR_OPENCC_MINGW").tar.xz"
    [[ -f $archive ]] || scripts/windows/build-opencc-mingw64.sh "$archive"
    mkdir -p "$(dirname "$FBR_OPENCC_MINGW")"
    tar -xJf "$archive" -C "$(dirname "$FBR_OPENCC_MINGW")"
fi

if [[ ! -f "$WINEPREFIX/system.reg" ]]; then
    mkdir -p "$WINEPREFIX"
    wineboot -i >/dev/null 2>&1
    wine winecfg -v win10 >/dev/null 2>&1
    wineserver -w
fi
# Windows' Chinese fonts (and wine's own dialog font) are not there: stand a Chinese font in.
# wine reads its arguments in the terminal's character set: UTF-8, or 宋体 would become "??".
if [[ ! -f "$WINEPREFIX/.chinese-fonts-utf8" ]]; then
    for font in Tahoma "MS Shell Dlg" "MS Shell Dlg 2" SimSun 宋体 NSimSun "Microsoft YaHei" \
                "Microsoft YaHei UI"; do
        LC_ALL=C.UTF-8 wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$font" \
            /d "Noto Sans CJK SC" /f >/dev/null 2>&1
    done
    wineserver -w
    touch "$WINEPREFIX/.chinese-fonts-utf8"
fi
