#!/usr/bin/env bash
# Makes the Debian package dist/folder-batch-rename_<version>_amd64.deb from a Release build.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh --package
# Without dpkg-shlibdeps the package would name no dependencies and install a program that
# cannot start.
if ! command -v dpkg-shlibdeps >/dev/null; then
    echo "dpkg-shlibdeps (package dpkg-dev) is missing: no package made" >&2
    exit 1
fi
cmake --preset release -DFBR_BUILD_BENCH=ON >/dev/null
cmake --build --preset release
rm -f dist/folder-batch-rename_*_amd64.deb
(cd build/release && cpack -G DEB >/dev/null)
deb=$(ls dist/folder-batch-rename_*_amd64.deb)
if ! dpkg-deb -f "$deb" Depends | grep -q libqt6widgets6; then
    echo "$deb names no dependency on Qt: removed" >&2
    rm -f "$deb"
    exit 1
fi
echo "$deb"
