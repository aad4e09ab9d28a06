# Cross-compiling for 64-bit Windows with MinGW-w64: the build the tests run
# on where the host runs no 32-bit program.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(KY_TRIPLET x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)

# Debian's "wine" starts the 32-bit loader whenever wine32 is installed, even
# where it cannot run: the 64-bit loader is called by name.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/wine64/wine)
