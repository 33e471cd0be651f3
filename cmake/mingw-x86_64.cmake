# Cross-build for 64-bit Windows with mingw-w64: the same program and suites,
# tested under wine64 on machines that cannot execute 32-bit code.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(QUORVEL_MINGW_TRIPLE x86_64-w64-mingw32)
set(QUORVEL_WINE_ARCH x64)
include("${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake")
