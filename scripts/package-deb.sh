#!/usr/bin/env bash
# Makes the Debian package dist/folder-batch-rename_<version>_amd64.deb from a Release build.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset release -DFBR_BUILD_BENCH=ON >/dev/null
cmake --build --preset release
(cd build/release && cpack -G DEB >/dev/null)
ls dist/*.deb
