# Cross-compiling for 64-bit Windows with Debian's MinGW-w64 toolchain
# (g++-mingw-w64-x86-64-posix: the posix-threads g++, whose C++ library has
# std::thread and friends). `make win` uses it:
#   cmake -S . -B build-win -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake
# The programs are linked statically, so no DLL of the compiler travels with
# them: the .exe files need only what every Windows has.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(QUELMARO_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${QUELMARO_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${QUELMARO_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${QUELMARO_MINGW}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${QUELMARO_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
