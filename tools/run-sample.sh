#!/bin/sh
# Sets up the machine, builds vorkel.exe and runs it on the sample install
# medium (sample/), copied fresh to the build tree's sample-medium, with the
# build that tools/wine-bench.sh picks for this machine. Drive D: of that
# build's Wine prefix is its sample-target folder, so the default target
# D:\Olvane综合管理系统 lands there.
# Without a display the dialog opens on a virtual one: a picture of it is
# saved to sample-dialog.png in that build tree and the run ends.
set -eu
cd "$(dirname "$0")/.."
. tools/wine-bench.sh
sh tools/setup.sh "$wine_bits"
sh tools/build.sh "$wine_bits"
build=$PWD/$wine_build

rm -rf "$build/sample-medium"
cp -r sample "$build/sample-medium"
mkdir -p "$build/sample-target"
"$build/wine-run" cmd /c exit >/dev/null 2>&1   # makes the prefix when it is new
ln -sfn "$build/sample-target" "$build/wineprefix/dosdevices/d:"

if [ -n "${DISPLAY:-}" ]; then
  cd "$build/sample-medium"
  exec "$build/wine-run" "$build/vorkel.exe"
fi
sh tools/screenshot.sh "$build/sample-medium" "$build/sample-dialog.png"
echo "No display: the dialog was shown on a virtual display; see $wine_build/sample-dialog.png"
