# Cross-compiling for 32-bit Windows with MinGW-w64: the build that ships.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(KY_TRIPLET i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)

set(CMAKE_CROSSCOMPILING_EMULATOR wine)
