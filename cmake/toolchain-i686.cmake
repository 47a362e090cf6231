# The product: 32-bit Windows, MinGW-w64 with posix threads.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86)
set(ZU_TRIPLE i686-w64-mingw32)
set(ZU_ARCH i686)
# stdole2.tlb comes only with the 64-bit Wine here; widl reads just its interface ids.
set(ZU_WIDL_FLAGS -m32 -L/usr/lib/x86_64-linux-gnu/wine/x86_64-windows)
include(${CMAKE_CURRENT_LIST_DIR}/toolchain-common.cmake)
