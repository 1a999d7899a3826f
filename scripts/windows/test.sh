#!/usr/bin/env bash
# Builds the Windows program and its tests, then runs every test suite as a Windows program
# under wine (offscreen).
set -euo pipefail
cd "$(dirname "$0")/../.."
scripts/windows/build.sh
source scripts/windows/env.sh
ctest --preset windows "$@"
