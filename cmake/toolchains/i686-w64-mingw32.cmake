# Cross-build 32-bit Windows binaries with mingw-w64 and run them under 32-bit Wine.
set(CMAKE_SYSTEM_PROCESSOR x86)
set(KV_MINGW_PREFIX i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
