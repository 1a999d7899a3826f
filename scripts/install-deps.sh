#!/usr/bin/env bash
# Installs, through apt-get, whatever this project needs and the machine lacks.
# Usage: scripts/install-deps.sh [--test] [--package]
#   --test adds what the tests need, --package what making the Debian package needs.
set -euo pipefail

packages=(g++ cmake ninja-build pkg-config qt6-base-dev qt6-qpa-plugins qt6-translations-l10n libgl-dev
          qt6-tools-dev qt6-l10n-tools
          libopencc-dev rime-data-terra-pinyin fonts-noto-cjk)
for option in "$@"; do
    case $option in
        --test) packages+=(desktop-file-utils lintian file dpkg-dev dosfstools fusefat bindfs) ;;
        --package) packages+=(file dpkg-dev) ;;
        *) echo "unknown option $option" >&2; exit 2 ;;
    esac
done

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

as_root=(env DEBIAN_FRONTEND=noninteractive)
this_command="$0${*:+ $*}" # the command as typed, without a space after it when it has no options
if [[ $(id -u) -ne 0 ]]; then
    if ! command -v sudo >/dev/null; then
        cat >&2 <<MESSAGE
需要以 root 身份安装软件包：${missing[*]}
请以 root 身份运行一次 "$this_command"（例如 su -c '$this_command'），
或先安装 sudo 并加入 sudo 组：su -c 'apt-get install sudo && adduser $(id -un) sudo'，重新登录后再运行。
Installing packages needs root: run "$this_command" once as root (su -c '...'), or install sudo and
join its group (su -c 'apt-get install sudo && adduser $(id -un) sudo'), log in again and retry.
MESSAGE
        exit 1
    fi
    # sudo's env_reset would drop a plain DEBIAN_FRONTEND= before the command.
    as_root=(sudo env DEBIAN_FRONTEND=noninteractive)
fi
log=$(mktemp -t folder-batch-rename-apt.XXXXXX.log)
echo "正在安装：${missing[*]}（apt-get 的输出在 $log）"
if ! { "${as_root[@]}" apt-get update -qq &&
       "${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"; } >"$log" 2>&1; then
    tail -n 40 "$log" >&2
    echo "apt-get 安装失败，完整输出在 $log" >&2
    exit 1
fi
rm -f "$log"
