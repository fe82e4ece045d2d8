# Cross-compiling for 64-bit Windows with Debian's mingw-w64 (the POSIX-threads variant, which
# has std::thread). The Qt-free programs are linked statically so that they run without the
# compiler's DLLs; the Qt build links the compiler's runtime as DLLs, as Qt's own DLLs do, so that
# the program and Qt share one C++ runtime (OBRIX_MINGW_STATIC_RUNTIME=OFF).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

if(NOT DEFINED OBRIX_MINGW_STATIC_RUNTIME OR OBRIX_MINGW_STATIC_RUNTIME)
    set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
endif()

# CTest runs the built programs through Wine.
find_program(OBRIX_WINE NAMES wine64 wine PATHS /usr/lib/wine)
if(OBRIX_WINE)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${OBRIX_WINE})
endif()

# -O2 rather than -O3: GCC 12 reports false -Wrestrict warnings inside std::string at -O3.
set(CMAKE_CXX_FLAGS_RELEASE "-O2 -DNDEBUG" CACHE STRING "Flags of release builds")
