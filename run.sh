#!/usr/bin/env bash
# Builds the program (Release) and starts it.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release --target folder-batch-rename # the benchmarks need not wait
# A root console has no runtime folder, and Qt would say so in English: give it the one Qt
# would pick itself.
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
    export XDG_RUNTIME_DIR="/tmp/runtime-$(id -un)"
    mkdir -p -m 700 "$XDG_RUNTIME_DIR"
fi
exec build/release/src/folder-batch-rename "$@"
