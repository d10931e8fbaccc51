# Cross build of the tool, the 32-bit vorkel.exe, with MinGW-w64 for i686.
set(MINGW_TRIPLE i686-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR x86)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
