#!/bin/sh
# Sets up the machine, builds vorkel.exe with its tests and runs every test
# under Wine (on a virtual display when there is no display), in the build
# that tools/wine-bench.sh picks for this machine. Ends every process left
# in the test prefix afterwards.
set -eu
cd "$(dirname "$0")/.."
. tools/wine-bench.sh
sh tools/setup.sh "$wine_bits"
sh tools/build.sh "$wine_bits"
status=0
if [ -n "${DISPLAY:-}" ]; then
  ctest --test-dir "$wine_build" --output-on-failure -j "$(nproc)" || status=$?
else
  xvfb-run -a -s "-screen 0 1280x1024x24" \
    ctest --test-dir "$wine_build" --output-on-failure -j "$(nproc)" || status=$?
fi
"$wine_build/wine-run" --server -k 2>/dev/null || true
exit "$status"
