#!/usr/bin/env bash
# Proves the Windows downloads under wine, on a virtual display (run by scripts/windows/test.sh
# after scripts/windows/package.sh): the zip's program starts with nothing but what the zip
# holds, from a folder with a space and Chinese characters in its path, and closes cleanly; the
# installer installs silently into the folder it is given, registers the program with Windows,
# and its uninstaller leaves nothing behind.
set -euo pipefail
cd "$(dirname "$0")/../.."
if [[ -z ${DISPLAY:-} ]]; then
    exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi
source scripts/windows/env.sh
unset WINEPATH QT_PLUGIN_PATH # only what the download holds
version=$(sed -n 's/^project(FolderBatchRename VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
name=folder-batch-rename-$version-win64
product="Morvel文件夹名称批量修改"
# The window's title, in whichever language wine's system has.
title="Morvel(文件夹名称批量修改| Folder Batch Rename|資料夾名稱批次修改)"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\FolderBatchRename'
drive_c="$WINEPREFIX/drive_c"
failures=0
check() { # description, command...
    if "${@:2}"; then echo "PASS: $1"; else echo "FAIL: $1"; failures=$((failures + 1)); fi
}

# Starts the program, waits for its window (by its title), asks it to close as Windows does and
# expects it to end with 0.
startsAndCloses() { # program
    local program=$1 status=0
    wine "$program" &
    local pid=$!
    local shown=no
    for _ in $(seq 120); do
        if xwininfo -root -tree 2>/dev/null | grep -Eq "$title"; then shown=yes; break; fi
        if ! kill -0 "$pid" 2>/dev/null; then break; fi
        sleep 0.5
    done
    if [[ $shown == yes ]]; then
        wine taskkill /im folder-batch-rename.exe >/dev/null 2>&1 || true
    else
        echo "no window from $program"
        wineserver -k || true
    fi
    wait "$pid" || status=$?
    wineserver -w
    [[ $shown == yes && $status -eq 0 ]]
}

regValue() { # value name [key]
    wine reg query "${2:-$key}" /v "$1" 2>/dev/null | tr -d '\r' | sed -n "s/^ *$1 *REG_[A-Z_]* *//p"
}
defaultValue() { # key
    wine reg query "$1" /ve 2>/dev/null | tr -d '\r' | sed -n 's/^ *(Default) *REG_SZ *//p'
}

# A verb's command line as the registry holds it, read whole (reg query prints in the console's
# code page, where the Chinese part of a path becomes "?"; reg export writes UTF-16).
verbCommand() { # key
    local file
    file=$(mktemp --suffix=.reg)
    wine reg export "$1" "$(winepath -w "$file")" /y >/dev/null 2>&1
    iconv -f UTF-16LE -t UTF-8 "$file" | tr -d '\r' | sed -n 's/^@="\(.*\)"$/\1/p' |
        sed 's/\\"/"/g; s/\\\\/\\/g'
    rm -f "$file"
}

# Starts the verb as Explorer does, for one item: %1 and %V become its path.
startVerb() { # key, path
    local command program rest
    command=$(verbCommand "$1")
    command=${command//%1/$2}
    command=${command//%V/$2}
    program=${command#\"}
    program=${program%%\"*}
    rest=${command#\"$program\" }
    local -a arguments
    eval "arguments=($rest)" # the test's own paths: quoted, no expansions
    wine "$program" "${arguments[@]}" &
}

# Explorer's entry on twenty selected folders, started once per folder at once: one window, and
# every other start ends with 0. Then the entry on the background of their parent.
oneWindowForTwentyStarts() {
    local pids=() ended=0 status=0
    mkdir -p "$drive_c/选中"
    for i in $(seq 20); do
        mkdir -p "$drive_c/选中/文件夹 $i"
        startVerb "$verb\\command" "C:\\选中\\文件夹 $i"
        pids+=($!)
    done
    for _ in $(seq 240); do
        ended=0
        for pid in "${pids[@]}"; do kill -0 "$pid" 2>/dev/null || ended=$((ended + 1)); done
        [[ $ended -ge 19 ]] && xwininfo -root -tree 2>/dev/null | grep -Eq "$title" && break
        sleep 0.5
    done
    sleep 2 # a second window would be up by now
    local windows
    windows=$(xwininfo -root -tree 2>/dev/null | grep -Ec "\"$title V[0-9.]*\":" || true)
    wine taskkill /im folder-batch-rename.exe >/dev/null 2>&1 || true
    for pid in "${pids[@]}"; do wait "$pid" || status=$?; done
    wineserver -w
    echo "windows: $windows, starts ended: $ended"
    [[ $windows -eq 1 && $ended -eq 19 && $status -eq 0 ]]
}

backgroundOpensOneWindow() {
    local shown=no status=0
    startVerb "$background\\command" "C:\\选中"
    local pid=$!
    for _ in $(seq 120); do
        xwininfo -root -tree 2>/dev/null | grep -Eq "$title" && { shown=yes; break; }
        sleep 0.5
    done
    sleep 1
    wine taskkill /im folder-batch-rename.exe >/dev/null 2>&1 || true
    wait "$pid" || status=$?
    wineserver -w
    rm -rf "$drive_c/选中"
    [[ $shown == yes && $status -eq 0 ]]
}

# The zip, unpacked where a user might put it.
portable="$drive_c/便携 程序"
rm -rf "$portable" && mkdir -p "$portable"
unzip -q "dist/$name.zip" -d "$portable"
check "the zip's program starts from \"C:\\便携 程序\" and closes cleanly" \
    startsAndCloses "C:\\便携 程序\\$name\\folder-batch-rename.exe"
rm -rf "$portable"

# The installer, silently, into a folder of the test's choosing.
target="C:\\Program Files\\$product 测试"
unixTarget="$drive_c/Program Files/$product 测试"
# /D= takes the rest of the command line as it stands, spaces and all: through cmd, which
# hands it on unquoted.
wine cmd /c "$(winepath -w "dist/$name-setup.exe") /S /D=$target"
wineserver -w
check "every file installed" bash -c "cd dist/$name && find . -type f | while read -r f; do
    [[ -f \"$unixTarget/\$f\" ]] || { echo \"missing \$f\"; exit 1; }; done"
check "an uninstaller" test -f "$unixTarget/uninstall.exe"
check "a Start-menu entry" \
    test -f "$drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/$product.lnk"
sendTo=$(find "$drive_c/users" -path "*/SendTo/$product.lnk" 2>/dev/null | head -n 1)
check "a Send To entry" test -n "$sendTo"
check "no desktop shortcut unless chosen" test ! -e "$drive_c/users/Public/Desktop/$product.lnk"
check "listed as installed: version" test "$(regValue DisplayVersion)" = "$version"
# reg prints in the console's code page, where the Chinese part of the path becomes "?".
uninstallCommand=$(regValue UninstallString)
check "listed as installed: uninstall command" \
    test "${uninstallCommand:0:24}" = '"C:\Program Files\Morvel' -a \
         "${uninstallCommand: -15}" = '\uninstall.exe"'

check "listed as installed: size" test -n "$(regValue EstimatedSize)"
check "listed as installed: name, publisher, icon" \
    test -n "$(regValue DisplayName)" -a -n "$(regValue Publisher)" -a -n "$(regValue DisplayIcon)"
check "the installed program starts and closes cleanly" \
    startsAndCloses "$target\\folder-batch-rename.exe"
verb='HKLM\Software\Classes\Directory\shell\FolderBatchRename'
background='HKLM\Software\Classes\Directory\Background\shell\FolderBatchRename'
check "Explorer's entry on folders gathers the selection" \
    test "$(defaultValue "$verb\command" | sed 's/.*\.exe" //')" = '--gather -- "%1"'
check "Explorer's entry on folders shows for up to a hundred" \
    test "$(regValue MultiSelectModel "$verb")" = Player
check "Explorer's entry on a folder's background lists its subfolders" \
    test "$(defaultValue "$background\command" | sed 's/.*\.exe" //')" = '--subfolders -- "%V"'
check "Explorer's entry names the installed program" \
    test "$(verbCommand "$verb\\command")" = "\"$target\\folder-batch-rename.exe\" --gather -- \"%1\""
check "twenty starts from Explorer's entry make one window" oneWindowForTwentyStarts
check "the entry on a folder's background opens the program" backgroundOpensOneWindow

wine "$unixTarget/uninstall.exe" /S
wineserver -w
check "the uninstaller leaves no folder" test ! -e "$unixTarget"
check "the uninstaller leaves no Start-menu entry" \
    test ! -e "$drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/$product.lnk"
check "the uninstaller leaves no Send To entry" test ! -e "$sendTo"
check "the uninstaller leaves no registry entry" bash -c "! wine reg query '$key' >/dev/null 2>&1"
check "the uninstaller leaves no Explorer entry" \
    bash -c "! wine reg query '$verb' >/dev/null 2>&1 && ! wine reg query '$background' >/dev/null 2>&1"

echo "$failures failed"
[[ $failures -eq 0 ]]
