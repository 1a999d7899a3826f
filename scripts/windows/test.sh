#!/usr/bin/env bash
# Builds the Windows program and its tests, runs every test suite as a Windows program under
# wine (offscreen, and the captions' test again on a virtual display), then makes the downloads and proves them under wine: the downloads are
# checked even when a suite failed, and the run then fails as a whole.
set -euo pipefail
cd "$(dirname "$0")/../.."
scripts/windows/build.sh
source scripts/windows/env.sh
suites=0
ctest --preset windows "$@" || suites=$?
# Offscreen, a Windows program has no fonts to measure captions with: the captions of the fixed
# windows in every language are measured once more with the fonts wine draws with, on a virtual
# display.
xvfb-run -a -s "-screen 0 1280x1024x24" timeout -k 10 120 scripts/windows/wine-run.sh \
    build/windows/tests/tst_form1.exe -platform windows textsInEachLanguage || suites=$?
scripts/windows/package.sh
scripts/windows/test-package.sh
exit $suites
