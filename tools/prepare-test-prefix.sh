#!/bin/sh
# Lays out what the tests need in the test Wine prefix and test root, which
# a Windows program cannot make for itself under Wine:
# - T: maps to the test root, so that test paths do not depend on where the
#   checkout lies; D: and M: map to folders under it, and L: to nothing;
# - a folder without write permission, which Wine reports as read-only;
# - an install medium with a package folder whose name holds double quotes,
#   as media written on Linux can, and which no Windows call can make;
# - windows that Wine manages itself: on a display without a window manager
#   Wine otherwise waits two seconds for one each time a window closes.
# Usage: prepare-test-prefix.sh WINE_RUN WINEPREFIX TEST_ROOT
set -eu
wine_run=$1 prefix=$2 root=$3
"$wine_run" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
"$wine_run" --server -w
mkdir -p "$root/drive-d" "$root/drive-m" "$root/readonly-folder"
chmod a-w "$root/readonly-folder"
mkdir -p "$root/quote-medium/Halvit" \
  "$root/quote-medium/硬件支持包/q\" & echo INJECTED> inj.txt & \""
echo base > "$root/quote-medium/Halvit/base.txt"
echo package > "$root/quote-medium/硬件支持包/q\" & echo INJECTED> inj.txt & \"/p.txt"
ln -sfn "$root/drive-d" "$prefix/dosdevices/d:"
ln -sfn "$root/drive-m" "$prefix/dosdevices/m:"
ln -sfn "$root" "$prefix/dosdevices/t:"
rm -f "$prefix/dosdevices/l:" "$prefix/dosdevices/l::"
