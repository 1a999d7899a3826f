#!/usr/bin/env bash
# Builds the tests with AddressSanitizer and UndefinedBehaviorSanitizer and runs them all.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh --test
cmake --preset test -DFBR_WERROR="${FBR_WERROR:-OFF}" >/dev/null
cmake --build --preset test
ctest --preset test "$@"
scripts/test-deb.sh
