# Sourced by the Windows scripts: where the cross-built Qt and the wine prefix live. Both sit
# in a cache outside the checkout, made on first use.
cache="${FBR_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/folder-batch-rename}"
export FBR_QT_MINGW="${FBR_QT_MINGW:-$cache/qt6-mingw64-6.4.2/qt6-mingw64}"
export FBR_OPENCC_MINGW="${FBR_OPENCC_MINGW:-$cache/opencc-mingw64-1.1.8/opencc-mingw64}"
export WINEPREFIX="${FBR_WINEPREFIX:-$cache/wineprefix}"
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=win64
