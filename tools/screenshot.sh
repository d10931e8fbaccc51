#!/bin/sh
# Takes a picture of the install dialog as vorkel.exe shows it in MEDIUM,
# on a virtual display when there is no display, with the build that
# tools/wine-bench.sh picks for this machine. Wine's virtual desktop draws
# the caption, which a bare X server would not.
# Usage: screenshot.sh MEDIUM OUTPUT.png   (after tools/build.sh)
set -eu
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 800x600x24" sh "$0" "$@"
fi
medium=$(cd "$1" && pwd) output=$2
cd "$(dirname "$0")/.."
. tools/wine-bench.sh
build=$PWD/$wine_build
cd "$medium"
"$build/wine-run" explorer /desktop=vorkel,640x500 "$build/vorkel.exe" &
sleep 8
xwd -root -silent | convert xwd:- -crop 640x500+0+0 +repage "$output"
"$build/wine-run" --server -k
