#!/bin/sh
# Sets up the machine, builds vorkel.exe and runs it on the sample install
# medium (sample/), copied fresh to build/sample-medium. Drive D: of the
# build's Wine prefix is build/sample-target, so the default target
# D:\Olvane综合管理系统 lands there.
# Without a display the dialog opens on a virtual one: a picture of it is
# saved to build/sample-dialog.png and the run ends.
set -eu
cd "$(dirname "$0")/.."
sh tools/setup.sh
sh tools/build.sh
build=$PWD/build

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
echo "No display: the dialog was shown on a virtual display; see build/sample-dialog.png"
