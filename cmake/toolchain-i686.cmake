# The product: 32-bit Windows, MinGW-w64 with posix threads.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86)
set(ZU_TRIPLE i686-w64-mingw32)
set(ZU_ARCH i686)
set(ZU_WIDL_FLAGS -m32 -L/usr/lib/i386-linux-gnu/wine/i386-windows)
include(${CMAKE_CURRENT_LIST_DIR}/toolchain-common.cmake)
