# Cross build of the same sources for x86_64, for running the tool and its
# tests under 64-bit Wine on machines that cannot run 32-bit programs. The
# tool itself is the i686 build.
set(MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR AMD64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
