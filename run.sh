#!/usr/bin/env bash
# Builds the program (Release) and starts it.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release --target folder-batch-rename # the benchmarks need not wait
exec build/release/src/folder-batch-rename "$@"
