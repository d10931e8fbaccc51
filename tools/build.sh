#!/bin/sh
# Builds the tool, the 32-bit vorkel.exe, into build/, and the tests into the
# build that runs under Wine here: build/ itself, or with 64, build-x64/ (the
# same sources for x86_64, whose tests of the file itself read build/'s).
# Usage: build.sh [32|64]   (default 32)
set -eu
cd "$(dirname "$0")/.."
bits=${1:-32}
# build_tree TREE TOOLCHAIN TESTING [OPTION...]: configures and builds TREE
build_tree() {
  tree=$1 toolchain=$2 testing=$3
  shift 3
  cmake --no-warn-unused-cli -S . -B "$tree" \
    -DCMAKE_TOOLCHAIN_FILE="cmake/$toolchain.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING="$testing" "$@" >/dev/null
  cmake --build "$tree" -j "$(nproc)"
}
if [ "$bits" = 32 ]; then
  build_tree build mingw-i686 ON
else
  build_tree build mingw-i686 OFF
  build_tree build-x64 mingw-x86_64 ON -DVORKEL_PRODUCT_EXE="$PWD/build/vorkel.exe"
fi
