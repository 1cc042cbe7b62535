# The MinGW-w64 toolchain with the C and C++ run-times linked into each program, so that a
# program that loads no Qt (the core's tests, the command line on its own) needs no DLL beside it.
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-x86_64.cmake)
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)
