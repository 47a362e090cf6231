# The test build: 64-bit Windows, run under wine64 (32-bit code cannot run on these machines).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(ZU_TRIPLE x86_64-w64-mingw32)
set(ZU_ARCH x86_64)
set(ZU_WIDL_FLAGS -m64 -L/usr/lib/x86_64-linux-gnu/wine/x86_64-windows)
set(ZU_CAN_RUN ON)
include(${CMAKE_CURRENT_LIST_DIR}/toolchain-common.cmake)
