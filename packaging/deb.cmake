# The Debian package, built by CPack's DEB generator (`make deb`).
#
# Its layout follows Debian's for games: the programs in /usr/games, the
# manual pages compressed, the xboard registration file and logo where
# xboard's plugin search finds them (it looks for <engine>.png in
# /usr/share/games/plugins/logos), a menu entry with its icon in the hicolor
# theme and the wrapper that keeps its terminal open (/usr/libexec/quelmaro),
# README, the changelog (CHANGELOG, Debian's format: the package is native,
# so it is changelog.gz) and the machine-readable copyright. `lintian
# --pedantic` finds no error and no warning in it (tests/pacote.sh).
# These rules belong to the component `deb`, which a plain `cmake --install`
# leaves out (that one uses the GNU directories of CMakeLists.txt).

# The project has no mail address: a name and an address that is valid in
# form but reaches no one (.invalid is reserved for that).
set(QUELMARO_MAINTAINER "Quelmaro developers <quelmaro@users.noreply.invalid>" CACHE STRING
    "Maintainer field of the Debian package")

set(pacote ${CMAKE_CURRENT_LIST_DIR})
install(TARGETS quelmaro quelmaro_xb RUNTIME DESTINATION games COMPONENT deb EXCLUDE_FROM_ALL)
install(FILES apps/quelmaro.eng DESTINATION share/games/plugins/xboard
        COMPONENT deb EXCLUDE_FROM_ALL)
install(FILES ${pacote}/quelmaro_xb.png DESTINATION share/games/plugins/logos
        COMPONENT deb EXCLUDE_FROM_ALL)
install(FILES ${pacote}/quelmaro.desktop DESTINATION share/applications
        COMPONENT deb EXCLUDE_FROM_ALL)
install(PROGRAMS ${pacote}/jogo_no_terminal DESTINATION libexec/quelmaro
        COMPONENT deb EXCLUDE_FROM_ALL)
file(GLOB icones RELATIVE ${pacote}/icons ${pacote}/icons/*.png)
foreach(icone ${icones})
  string(REGEX REPLACE "\\.png$" "" tamanho ${icone})
  install(FILES ${pacote}/icons/${icone} DESTINATION share/icons/hicolor/${tamanho}/apps
          RENAME quelmaro.png COMPONENT deb EXCLUDE_FROM_ALL)
endforeach()
install(FILES README.md ${pacote}/copyright DESTINATION share/doc/quelmaro
        COMPONENT deb EXCLUDE_FROM_ALL)
# Manual pages and the changelog gzip -9n, as Debian ships them (no name or
# time stamp inside, so the package comes out the same each time).
find_program(QUELMARO_GZIP gzip)
set(fontes doc/quelmaro.6 doc/quelmaro_xb.6 CHANGELOG)
set(destinos man/quelmaro.6.gz man/quelmaro_xb.6.gz doc/changelog.gz)
foreach(fonte destino IN ZIP_LISTS fontes destinos)
  if(QUELMARO_GZIP)
    get_filename_component(pasta_destino ${PROJECT_BINARY_DIR}/${destino} DIRECTORY)
    add_custom_command(OUTPUT ${PROJECT_BINARY_DIR}/${destino}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${pasta_destino}
      COMMAND ${QUELMARO_GZIP} -9n -c ${PROJECT_SOURCE_DIR}/${fonte}
              > ${PROJECT_BINARY_DIR}/${destino}
      DEPENDS ${PROJECT_SOURCE_DIR}/${fonte} VERBATIM)
    list(APPEND QUELMARO_COMPRIMIDOS_GZ ${PROJECT_BINARY_DIR}/${destino})
  endif()
endforeach()
if(QUELMARO_COMPRIMIDOS_GZ)
  add_custom_target(quelmaro_paginas_gz ALL DEPENDS ${QUELMARO_COMPRIMIDOS_GZ})
  install(FILES ${PROJECT_BINARY_DIR}/man/quelmaro.6.gz ${PROJECT_BINARY_DIR}/man/quelmaro_xb.6.gz
          DESTINATION share/man/man6 COMPONENT deb EXCLUDE_FROM_ALL)
  install(FILES ${PROJECT_BINARY_DIR}/doc/changelog.gz DESTINATION share/doc/quelmaro
          COMPONENT deb EXCLUDE_FROM_ALL)
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
if(CMAKE_OBJCOPY)
  set(CPACK_QUELMARO_OBJCOPY ${CMAKE_OBJCOPY})
  set(CPACK_PRE_BUILD_SCRIPTS ${pacote}/sem_comentario.cmake)
endif()
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
GUIs that speak the XBoard protocol or UCI, registered with xboard along
with its logo.")
include(CPack)
