# Cross-compiling for 64-bit Windows with Debian's mingw-w64 (posix threads).
#   cmake -S . -B build/mingw -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(_corrinom_mingw x86_64-w64-mingw32)
find_program(CMAKE_C_COMPILER NAMES ${_corrinom_mingw}-gcc-posix ${_corrinom_mingw}-gcc REQUIRED)
find_program(CMAKE_CXX_COMPILER NAMES ${_corrinom_mingw}-g++-posix ${_corrinom_mingw}-g++ REQUIRED)
find_program(CMAKE_RC_COMPILER NAMES ${_corrinom_mingw}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${_corrinom_mingw})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# One self-contained .exe: no libstdc++, libgcc or winpthread DLLs to carry along.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
