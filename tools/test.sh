#!/bin/sh
# Sets up the machine, builds vorkel.exe with its tests and runs every test
# under Wine (on a virtual display when there is no display).
set -eu
cd "$(dirname "$0")/.."
sh tools/setup.sh
sh tools/build.sh
if [ -n "${DISPLAY:-}" ]; then
  ctest --test-dir build --output-on-failure -j "$(nproc)"
else
  xvfb-run -a -s "-screen 0 1280x1024x24" \
    ctest --test-dir build --output-on-failure -j "$(nproc)"
fi
