#!/usr/bin/env bash
# Builds the Windows program and its tests, runs every test suite as a Windows program under
# wine (offscreen), then makes the downloads and proves them under wine: the downloads are
# checked even when a suite failed, and the run then fails as a whole.
set -euo pipefail
cd "$(dirname "$0")/../.."
scripts/windows/build.sh
source scripts/windows/env.sh
suites=0
ctest --preset windows "$@" || suites=$?
scripts/windows/package.sh
scripts/windows/test-package.sh
exit $suites
