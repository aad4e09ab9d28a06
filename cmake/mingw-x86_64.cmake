# Cross-compiling for 64-bit Windows with MinGW-w64 (posix threads): the
# build the tests run on where the host runs no 32-bit program.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(KY_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${KY_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${KY_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${KY_TRIPLET}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${KY_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Debian's "wine" starts the 32-bit loader whenever wine32 is installed, even
# where it cannot run: the 64-bit loader is called by name.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/wine64/wine)
