#!/bin/sh
# How the dialog's start time grows with the number of packages: times
# vorkel.exe under Wine from process start until its dialog is visible with
# list 1001 filled, on media with 0, 1,000 and 10,000 package folders,
# REPEATS times each (default 5), and prints the medians and their ratios to
# the empty medium. Fails when a medium takes more than twice as long as the
# empty one.
# Usage: tools/bench-package-scan.sh [REPEATS]
# after tools/build.sh; BUILD_DIR names another build tree than the one
# that runs under Wine here (build/, or build-x64/: tools/wine-bench.sh).
set -eu
cd "$(dirname "$0")/.."
. tools/bench-common.sh
repeats=${1:-5}
max_ratio=2
bench_driver bench-package-scan dialog/tests/bench_dialog_ready.exe

bench=$build/bench
root=硬件支持包
# Mixed names: plain ASCII, Chinese, and both prefixes, each display name once.
make_medium() {
  count=$1 dir=$bench/packages-$1
  rm -rf "$dir"
  mkdir -p "$dir/$root"
  python3 - "$dir/$root" "$count" <<'PY'
import os, sys
root, count = sys.argv[1], int(sys.argv[2])
patterns = ["pkg{:05d}", "plugin_驱动{}", "qzt_Card{}", "网卡{}", "plugin_qzt_x{}"]
for i in range(count):
    os.mkdir(os.path.join(root, patterns[i % len(patterns)].format(i)))
PY
}

# The driver takes COUNT FOLDER pairs, the empty medium first.
set --
for count in 0 1000 10000; do
  make_medium "$count"
  set -- "$@" "$count" "$(windows_path "$bench/packages-$count")"
done

on_display "$build/wine-run" "$driver" "$repeats" "$max_ratio" "$@"
