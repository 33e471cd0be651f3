# Cross-build for 32-bit Windows with mingw-w64: the exe that users get.
# Tests run under Wine's 32-bit loader where this machine can execute it.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(QUORVEL_MINGW_TRIPLE i686-w64-mingw32)
set(QUORVEL_WINE_ARCH i686)
include("${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake")
