# Cross-build 64-bit Windows test builds with mingw-w64 and run them under 64-bit Wine. The
# product is the 32-bit build; this one runs the same Windows tests on machines that cannot run
# 32-bit programs (scripts/wine-select.sh).
set(CMAKE_SYSTEM_PROCESSOR AMD64)
set(KV_MINGW_PREFIX x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
