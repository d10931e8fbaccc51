#!/bin/sh
# Builds the tool, the 32-bit vorkel.exe, into build/, and the tests into the
# build that runs under Wine here: build/ itself, or with 64, build-x64/ (the
# same sources for x86_64, whose tests of the file itself read build/'s).
# Usage: build.sh [32|64]   (default 32)
set -eu
cd "$(dirname "$0")/.."
bits=${1:-32}
if [ "$bits" = 32 ]; then
  cmake --no-warn-unused-cli -S . -B build -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake \
    -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=ON >/dev/null
  cmake --build build -j "$(nproc)"
else
  cmake --no-warn-unused-cli -S . -B build -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake \
    -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
  cmake --build build -j "$(nproc)" --target vorkel
  cmake --no-warn-unused-cli -S . -B build-x64 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-x86_64.cmake \
    -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=ON \
    -DVORKEL_PRODUCT_EXE="$PWD/build/vorkel.exe" >/dev/null
  cmake --build build-x64 -j "$(nproc)"
fi
