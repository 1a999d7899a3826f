#!/usr/bin/env bash
# Installs, through apt-get, whatever this project needs and the machine lacks.
# Usage: scripts/install-deps.sh [--test]   (--test adds what the tests need)
set -euo pipefail

packages=(g++ cmake ninja-build qt6-base-dev qt6-qpa-plugins qt6-translations-l10n libgl-dev fonts-noto-cjk)
if [[ "${1:-}" == "--test" ]]; then
    packages+=(desktop-file-utils lintian)
fi

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

sudo=()
if [[ $(id -u) -ne 0 ]]; then sudo=(sudo); fi
echo "Installing: ${missing[*]}"
"${sudo[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
