# Cross build for 64-bit Windows with Debian's MinGW-w64 compiler (POSIX threads variant).
#   cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake \
#         -DDISHLINE_GUI=OFF -DDISHLINE_CLI=OFF -DDISHLINE_BENCH=OFF -DDISHLINE_GTEST_SOURCE_DIR=/usr/src/googletest
# The core-only build links the C and C++ runtimes statically, so that its tests run under Wine without
# DLLs beside them. Against a Qt for Windows (scripts/test-windows.sh) the programs share the runtime
# DLLs with Qt instead: -DDISHLINE_MINGW_STATIC_RUNTIME=OFF.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(DISHLINE_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${DISHLINE_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${DISHLINE_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${DISHLINE_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${DISHLINE_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

if(NOT DEFINED DISHLINE_MINGW_STATIC_RUNTIME OR DISHLINE_MINGW_STATIC_RUNTIME)
    set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
endif()

# ctest runs the test executables under Wine where it is installed.
find_program(DISHLINE_WINE NAMES wine64 wine PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH)
if(DISHLINE_WINE)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${DISHLINE_WINE})
endif()
