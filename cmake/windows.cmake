# The Windows build: CMakeLists.txt includes this in place of the Debian
# package and the test suite when the target system is Windows (`make win`
# cross-compiles with cmake/mingw-w64.cmake). The program's Windows side is in
# src/io (the files ending in _windows.cpp).

# Every layer's compilation (quelmaro_comum, CMakeLists.txt).
target_compile_definitions(quelmaro_comum INTERFACE
  # localtime_r, as POSIX systems have it
  _POSIX_THREAD_SAFE_FUNCTIONS
  # windows.h without its min and max macros and its rarely used parts
  NOMINMAX WIN32_LEAN_AND_MEAN)

# The zip (packaging/win.cmake).
include(${PROJECT_SOURCE_DIR}/packaging/win.cmake)

# The .exe files under wine (tests/wine/): AUTO runs them when wine is there,
# ON requires wine, OFF leaves them out.
if(QUELMARO_TESTS STREQUAL "AUTO" OR QUELMARO_TESTS)
  find_program(QUELMARO_WINE NAMES wine64 wine PATHS /usr/lib/wine)
  find_program(QUELMARO_WINESERVER NAMES wineserver64 wineserver PATHS /usr/lib/wine)
  if(QUELMARO_WINE AND QUELMARO_WINESERVER)
    enable_testing()
    add_subdirectory(${PROJECT_SOURCE_DIR}/tests/wine ${PROJECT_BINARY_DIR}/tests)
  elseif(QUELMARO_TESTS STREQUAL "AUTO")
    message(STATUS "wine not found: the tests of the Windows build are left out")
  else()
    message(FATAL_ERROR "wine not found: the tests of the Windows build need it (wine64)")
  endif()
endif()
