#!/usr/bin/env bash
# Builds OpenCC (Traditional/Simplified Chinese conversion) as a static library for 64-bit
# Windows with Debian's mingw-w64 cross compiler, and adds the conversion dictionaries of
# Debian's own libopencc-data. A few minutes on two cores.
#
#   build-opencc-mingw64.sh OUTPUT.tar.xz
#
# The source is OpenCC's release as published on the npm registry (it carries marisa-trie,
# darts-clone and rapidjson beside it); Debian's source package is not reachable from every
# build machine, its binary packages are. The tarball is checked against its published hash.
# The archive unpacks to opencc-mingw64/ with include/opencc/, lib/libopencc.a and
# share/opencc/ (the t2s and s2t configurations with their dictionaries).
set -euo pipefail
out=$(realpath -m "${1:?usage: build-opencc-mingw64.sh OUTPUT.tar.xz}")
version=1.1.8
integrity=sha512-JAf6+NxmdqlwR8KazHppnVXK2Z+q9y/1VxVobWiBtKPI7aGr8V10AkjHeTWRny2GbveneScVAyYv7K8gj0D0/Q==
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

(npm pack --silent "opencc@$version" >/dev/null)
tarball=opencc-$version.tgz
actual="sha512-$(openssl dgst -sha512 -binary "$tarball" | base64 -w0)"
if [[ $actual != "$integrity" ]]; then
    echo "opencc-$version.tgz does not match its published hash" >&2
    exit 1
fi
tar xzf "$tarball"
src=$work/package

cat >CMakeLists.txt <<'CMAKE'
cmake_minimum_required(VERSION 3.25)
project(opencc_static CXX)
set(CMAKE_CXX_STANDARD 17)
file(GLOB marisa_sources ${SRC}/deps/marisa-0.2.6/lib/marisa/*.cc
     ${SRC}/deps/marisa-0.2.6/lib/marisa/grimoire/*/*.cc)
file(GLOB opencc_sources ${SRC}/src/*.cpp)
list(FILTER opencc_sources EXCLUDE REGEX "(Test|py_opencc|Benchmark|Darts)")
add_library(opencc STATIC ${opencc_sources} ${marisa_sources})
target_include_directories(opencc PRIVATE ${SRC}/node ${SRC}/src ${SRC}/deps/rapidjson-1.1.0
                           ${SRC}/deps/marisa-0.2.6/include ${SRC}/deps/marisa-0.2.6/lib)
target_compile_definitions(opencc PRIVATE Opencc_BUILT_AS_STATIC VERSION="${VERSION}")
install(TARGETS opencc ARCHIVE DESTINATION lib)
CMAKE
prefix=$work/opencc-mingw64
cmake -G Ninja -S . -B build -DSRC="$src" -DVERSION="$version" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX="$prefix" -DCMAKE_SYSTEM_NAME=Windows \
    -DCMAKE_CXX_COMPILER=x86_64-w64-mingw32-g++-posix \
    -DCMAKE_AR="$(command -v x86_64-w64-mingw32-ar)" \
    -DCMAKE_RANLIB="$(command -v x86_64-w64-mingw32-ranlib)" >/dev/null
cmake --build build --parallel "$(nproc)" | grep -E "error|FAILED" || true
test -f build/libopencc.a
cmake --install build >/dev/null

mkdir -p "$prefix/include/opencc" "$prefix/share/opencc"
cp "$src"/src/*.hpp "$src/src/opencc.h" "$src/node/opencc_config.h" "$prefix/include/opencc/"
# The dictionaries are the same bytes on every little-endian machine: Debian's serve.
for file in t2s.json s2t.json TSPhrases.ocd2 TSCharacters.ocd2 STPhrases.ocd2 STCharacters.ocd2; do
    cp "/usr/share/opencc/$file" "$prefix/share/opencc/"
done
cp "$src/LICENSE" "$prefix/share/opencc/LICENSE.txt"
tar -C "$work" -cJf "$out" opencc-mingw64
echo "wrote $out"
