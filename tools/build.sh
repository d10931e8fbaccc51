#!/bin/sh
# Configures and builds vorkel.exe (and its tests) into build/.
set -eu
cd "$(dirname "$0")/.."
cmake -S . -B build -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake \
  -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=ON >/dev/null
cmake --build build -j "$(nproc)"
