#!/usr/bin/env bash
# Builds the Windows program and its tests, runs every test suite as a Windows program under
# wine (offscreen), then makes the downloads and proves them under wine.
set -euo pipefail
cd "$(dirname "$0")/../.."
scripts/windows/build.sh
source scripts/windows/env.sh
ctest --preset windows "$@"
scripts/windows/package.sh
scripts/windows/test-package.sh
