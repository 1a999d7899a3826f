#!/usr/bin/env bash
# Cross-builds the program and its tests for 64-bit Windows into build/windows.
set -euo pipefail
cd "$(dirname "$0")/../.."
scripts/windows/install-deps.sh
source scripts/windows/env.sh
cmake --preset windows -DFBR_WERROR="${FBR_WERROR:-OFF}" >/dev/null
cmake --build --preset windows
