# Sourced by the tools/*.sh scripts, from the repository root: picks the
# build that runs under Wine on this machine and says which, and why.
#
# The tool is the 32-bit vorkel.exe in build/. Some machines cannot run any
# 32-bit x86 program (the kernel answers "Exec format error"), so Wine's
# 32-bit loader cannot start there; they run build-x64/, a 64-bit build of
# the same sources, under 64-bit Wine instead. VORKEL_WINE64=1 asks for the
# 64-bit build on any machine.
#
# Sets wine_bits (32 or 64) and wine_build (the build tree that runs).

# True when this machine runs a 32-bit x86 program: a 96-byte static i386
# ELF file (header, one loaded segment, then mov ebx,42; mov eax,1; int 0x80)
# that exits with status 42.
runs_32bit_programs() {
  probe=$(mktemp)
  printf '\177\105\114\106\001\001\001\000\000\000\000\000\000\000\000\000'\
'\002\000\003\000\001\000\000\000\124\200\004\010\064\000\000\000'\
'\000\000\000\000\000\000\000\000\064\000\040\000\001\000\000\000'\
'\000\000\000\000\001\000\000\000\000\000\000\000\000\200\004\010'\
'\000\200\004\010\140\000\000\000\140\000\000\000\005\000\000\000'\
'\000\020\000\000\273\052\000\000\000\270\001\000\000\000\315\200' >"$probe"
  chmod +x "$probe"
  status=0
  "$probe" 2>/dev/null || status=$?
  rm -f "$probe"
  [ "$status" -eq 42 ]
}

if [ "${VORKEL_WINE64:-}" = 1 ]; then
  wine_bits=64 wine_why="VORKEL_WINE64=1 asks for it"
elif runs_32bit_programs; then
  wine_bits=32 wine_why="this machine runs 32-bit programs"
else
  wine_bits=64 wine_why="this machine cannot run 32-bit programs"
fi
if [ "$wine_bits" = 32 ]; then
  wine_build=build
  echo "vorkel: running the 32-bit build (build/) under 32-bit Wine: $wine_why"
else
  wine_build=build-x64
  echo "vorkel: running the 64-bit build of the same sources (build-x64/) under 64-bit Wine: $wine_why; the tool itself is build/vorkel.exe"
fi
