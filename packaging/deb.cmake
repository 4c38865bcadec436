# The Debian package, built by CPack's DEB generator (`make deb`).
#
# Its layout follows Debian's for games: the programs in /usr/games, the
# manual pages compressed, the xboard registration file and logo where
# xboard's plugin search finds them (it looks for <engine>.png in
# /usr/share/games/plugins/logos), a menu entry, README and copyright.
# These rules belong to the component `deb`, which a plain `cmake --install`
# leaves out (that one uses the GNU directories of CMakeLists.txt).

set(QUELMARO_MAINTAINER "Quelmaro developers <quelmaro@example.org>" CACHE STRING
    "Maintainer field of the Debian package")

set(pacote ${CMAKE_CURRENT_LIST_DIR})
install(TARGETS quelmaro quelmaro_xb RUNTIME DESTINATION games COMPONENT deb EXCLUDE_FROM_ALL)
install(FILES apps/quelmaro.eng DESTINATION share/games/plugins/xboard
        COMPONENT deb EXCLUDE_FROM_ALL)
install(FILES ${pacote}/quelmaro_xb.png DESTINATION share/games/plugins/logos
        COMPONENT deb EXCLUDE_FROM_ALL)
install(FILES ${pacote}/quelmaro.desktop DESTINATION share/applications
        COMPONENT deb EXCLUDE_FROM_ALL)
install(FILES README.md ${pacote}/copyright DESTINATION share/doc/quelmaro
        COMPONENT deb EXCLUDE_FROM_ALL)
# Manual pages gzip -9n, as Debian ships them (no name or time stamp inside,
# so the package comes out the same each time).
find_program(QUELMARO_GZIP gzip)
foreach(pagina quelmaro.6 quelmaro_xb.6)
  if(QUELMARO_GZIP)
    add_custom_command(OUTPUT ${PROJECT_BINARY_DIR}/man/${pagina}.gz
      COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/man
      COMMAND ${QUELMARO_GZIP} -9n -c ${PROJECT_SOURCE_DIR}/doc/${pagina}
              > ${PROJECT_BINARY_DIR}/man/${pagina}.gz
      DEPENDS ${PROJECT_SOURCE_DIR}/doc/${pagina} VERBATIM)
    list(APPEND QUELMARO_PAGINAS_GZ ${PROJECT_BINARY_DIR}/man/${pagina}.gz)
  endif()
endforeach()
if(QUELMARO_PAGINAS_GZ)
  add_custom_target(quelmaro_paginas_gz ALL DEPENDS ${QUELMARO_PAGINAS_GZ})
  install(FILES ${QUELMARO_PAGINAS_GZ} DESTINATION share/man/man6 COMPONENT deb EXCLUDE_FROM_ALL)
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quelmaro)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${QUELMARO_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "chess against a rule-based computer player, console and XBoard engine")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# Only the package's own component, one package.
set(CPACK_INSTALL_CMAKE_PROJECTS "${PROJECT_BINARY_DIR};Quelmaro;deb;/")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${QUELMARO_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${pacote}/postinst)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The long description; CPack puts the summary line above it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "\
Quelmaro plays chess against you in a text console, in English or
Portuguese. It does not search: for every move it could make it tries
the move, each reply and each follow-up, records what each line wins or
loses, and lets the first of 55 priority rules that accepts a move decide.
.
The package also holds quelmaro_xb, the same player as an engine for
XBoard-protocol GUIs, registered with xboard along with its logo.")
include(CPack)
