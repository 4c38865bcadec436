# Hardening as Debian builds its packages: the flags dpkg-buildflags gives
# with every hardening feature on (DEB_BUILD_MAINT_OPTIONS=hardening=+all):
# _FORTIFY_SOURCE, the stack protector, format-string checks, read-only
# relocations bound at start-up (relro, now) and position-independent
# executables. The build type keeps choosing optimisation and debug
# information (dpkg-buildflags' own -g -O2 are left out).
#
# They apply to the optimised builds (Release, RelWithDebInfo, MinSizeRel:
# `make test` and `make deb` build RelWithDebInfo), for GCC and Clang on
# systems other than Windows; not with the sanitizers, whose run-time checks
# overlap them, and not in the WebAssembly build, whose toolchain has no
# stack protector to link nor executables to relocate. Without
# dpkg-buildflags the same flags are named here.
option(QUELMARO_HARDENING "Build optimised builds with Debian's hardening flags" ON)

set(QUELMARO_HARDENING_ATIVO OFF)
if(QUELMARO_HARDENING AND NOT QUELMARO_SANITIZE AND NOT WIN32 AND NOT EMSCRIPTEN
   AND CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
  set(QUELMARO_HARDENING_ATIVO ON)
endif()

if(QUELMARO_HARDENING_ATIVO)
  find_program(QUELMARO_DPKG_BUILDFLAGS dpkg-buildflags)
  set(QUELMARO_HARDENING_COMPILACAO "")
  set(QUELMARO_HARDENING_LIGACAO "")
  if(QUELMARO_DPKG_BUILDFLAGS)
    foreach(tipo CPPFLAGS CXXFLAGS LDFLAGS)
      execute_process(
        COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
                ${QUELMARO_DPKG_BUILDFLAGS} --get ${tipo}
        WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
        OUTPUT_VARIABLE bandeiras OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE status)
      if(NOT status EQUAL 0)
        message(FATAL_ERROR "dpkg-buildflags --get ${tipo} failed")
      endif()
      separate_arguments(bandeiras UNIX_COMMAND "${bandeiras}")
      list(FILTER bandeiras EXCLUDE REGEX "^-(O.*|g.*)$")
      if(tipo STREQUAL "LDFLAGS")
        list(APPEND QUELMARO_HARDENING_LIGACAO ${bandeiras})
      else()
        list(APPEND QUELMARO_HARDENING_COMPILACAO ${bandeiras})
      endif()
    endforeach()
    list(REMOVE_DUPLICATES QUELMARO_HARDENING_COMPILACAO)
  else()
    set(QUELMARO_HARDENING_COMPILACAO -D_FORTIFY_SOURCE=2 -fstack-protector-strong -Wformat
                                      -Werror=format-security)
    set(QUELMARO_HARDENING_LIGACAO -Wl,-z,relro -Wl,-z,now)
  endif()
  set(otimizado "$<CONFIG:Release,RelWithDebInfo,MinSizeRel>")
  foreach(bandeira ${QUELMARO_HARDENING_COMPILACAO})
    add_compile_options("$<${otimizado}:${bandeira}>")
  endforeach()
  foreach(bandeira ${QUELMARO_HARDENING_LIGACAO})
    add_link_options("$<${otimizado}:${bandeira}>")
  endforeach()
  # Position-independent executables, asked for explicitly (Debian's
  # compilers make them by default; others may not): -fPIE for every object,
  # the library's too, which only ever goes into executables (-fPIC, what
  # CMake's POSITION_INDEPENDENT_CODE gives a library, would let every
  # global function be interposed and cost inlining).
  add_compile_options("$<${otimizado}:-fPIE>")
  add_link_options("$<${otimizado}:-pie>")
  # The flags of every compilation, written to compile_commands.json, where
  # the package test finds _FORTIFY_SOURCE (no tool can see it in binaries
  # whose every fortifiable call is safe at compile time).
  set(CMAKE_EXPORT_COMPILE_COMMANDS ON)
  list(JOIN QUELMARO_HARDENING_COMPILACAO " " texto)
  list(JOIN QUELMARO_HARDENING_LIGACAO " " texto_ligacao)
  message(STATUS "Hardening flags in optimised builds: ${texto} ${texto_ligacao}")
endif()
