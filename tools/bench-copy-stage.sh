#!/bin/sh
# What the tool's copy stage costs beyond the copies themselves: times
# vorkel.exe under Wine from the press of "复制文件到目标" until its
# completion notice shows, on a generated medium of about 2,000 files and
# 200 MB with all three packages chosen, and beside it the same copies as
# bare xcopy lines of a batch file run through the interpreter. Both copy
# into an empty M:\copy-bench, REPEATS times each (default 5), alternating.
# Prints every run, the medians and their ratio; fails when the tool takes
# more than 1.15 times as long as the bare copies. A single copy varies by
# some 15% from run to run here; more REPEATS give a steadier ratio.
# Usage: tools/bench-copy-stage.sh [REPEATS]
# after tools/build.sh; BUILD_DIR names another build tree than the one
# that runs under Wine here (build/, or build-x64/: tools/wine-bench.sh).
set -eu
cd "$(dirname "$0")/.."
. tools/bench-common.sh
repeats=${1:-5}
max_ratio=1.15
bench_driver bench-copy-stage install/tests/bench_copy_stage.exe

sh tools/prepare-test-prefix.sh "$build/wine-run" "$build/wineprefix" \
  "$build/e2e"

# The same bytes every time: made once, again only when the layout changes.
medium=$build/bench/copy-medium
layout=1
if [ "$(cat "$medium/.layout" 2>/dev/null)" != "$layout" ]; then
  rm -rf "$medium"
  python3 - "$medium" <<'PY'
import os, random, sys

root = sys.argv[1]
rng = random.Random(20240501)
KB, MB = 1 << 10, 1 << 20
# (files, smallest, largest): 2,000 files, about 200 MB in all.
size_classes = [(24, 2 * MB, 4 * MB), (120, 256 * KB, MB),
                (400, 32 * KB, 128 * KB), (1456, 2 * KB, 16 * KB)]
sizes = [rng.randint(lo, hi) for n, lo, hi in size_classes for _ in range(n)]
rng.shuffle(sizes)
noise = rng.randbytes(4 * MB + 64 * KB)

# The base edition holds two fifths of the files, each package one fifth.
trees = [("Halvit", 800), ("硬件支持包/plugin_a", 400),
         ("硬件支持包/qzt_b", 400), ("硬件支持包/c", 400)]
parts = ["bin", "data", "lib", "模板", "驱动", "x86", "res", "报表", "skin",
         "sql"]
names = ["core", "module", "设备", "view", "打印", "report", "util", "接口"]
exts = [".dll", ".dat", ".ini", ".xml", ".png", ".txt", ".exe"]
taken = iter(sizes)
for tree, count in trees:
    # Folders up to four levels deep; files go into the root too.
    folders = [""]
    for _ in range(24):
        parent = rng.choice(folders)
        if parent.count("/") < 3:
            child = rng.choice(parts) + str(rng.randint(1, 3))
            folders.append(f"{parent}/{child}" if parent else child)
    for i in range(count):
        folder = rng.choice(folders)
        name = f"{rng.choice(names)}{i:04d}{rng.choice(exts)}"
        # A few files of every package replace the base edition's.
        if i < 5:
            folder, name = "data", f"shared{i}.ini"
        path = os.path.join(root, tree, folder, name)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        size = next(taken)
        start = rng.randrange(len(noise) - size)
        with open(path, "wb") as f:
            f.write(noise[start:start + size])
PY
  echo "$layout" > "$medium/.layout"
fi

on_display "$build/wine-run" "$driver" "$repeats" "$max_ratio" \
  "$(windows_path "$medium")"
