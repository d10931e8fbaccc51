# Sourced by the tools/bench-*.sh scripts, from the repository root.

. tools/wine-bench.sh

# bench_driver NAME RELATIVE_PATH: sets `build` to the absolute build tree
# (BUILD_DIR, or the one that runs under Wine here) and `driver` to the
# driver in it; stops when the driver is not built.
bench_driver() {
  build=${BUILD_DIR:-$wine_build}
  driver=$build/$2
  if [ ! -f "$driver" ]; then
    echo "$1: no $driver; build first (tools/build.sh $wine_bits)" >&2
    exit 2
  fi
  build=$(cd "$build" && pwd)
  driver=$build/$2
}

# on_display COMMAND...: on the user's display, or on a virtual one.
on_display() {
  if [ -n "${DISPLAY:-}" ]; then
    "$@"
  else
    xvfb-run -a -s "-screen 0 1280x1024x24" "$@"
  fi
}

# windows_path UNIX_PATH: the path as Wine shows it on drive Z:.
windows_path() {
  printf 'Z:%s\n' "$1" | tr / '\\\\'
}
