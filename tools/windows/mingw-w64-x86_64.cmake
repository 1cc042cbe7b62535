# Cross-building for 64-bit Windows with Debian's MinGW-w64 compilers, posix-threads variant
# (std::thread and std::mutex need it). The run-times are the toolchain's DLLs, which Qt's own
# DLLs use too: a program and the Qt it loads share one C++ run-time. Programs built here run
# under Wine when CMake or CTest has to run one (test discovery, the tests themselves).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

# Libraries, headers and packages come from the MinGW tree (and from prefixes named on the
# command line), never from the Linux system; programs such as Python come from the host.
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

find_program(MENSURIX_WINE64 wine64 PATHS /usr/lib/wine REQUIRED)
set(CMAKE_CROSSCOMPILING_EMULATOR ${MENSURIX_WINE64})
