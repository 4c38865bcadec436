# The Windows zip, quelmaro-VERSION-win64.zip (`make win`, cpack -G ZIP in
# the cross build): one folder holding both programs, play.cmd (the console
# game in a window that stays open once the game is over, as the Debian
# menu entry's wrapper does), the README, the manual pages as plain text, the
# changelog and the licence, the text files with Windows line ends so that
# any editor (and cmd.exe) reads them. The engine needs nothing besides its .exe:
# a GUI starts quelmaro_xb.exe as a UCI or a WinBoard engine alike.
# These rules belong to the component `win`, which a plain `cmake --install`
# leaves out.

find_program(QUELMARO_GROFF groff REQUIRED)
set(texto ${PROJECT_BINARY_DIR}/texto_windows)
set(converte ${CMAKE_CURRENT_LIST_DIR}/texto_windows.cmake)
set(QUELMARO_TEXTOS_WINDOWS "")
# The manual pages as plain text (ASCII, no overstriking), as `man` shows them.
foreach(pagina quelmaro quelmaro_xb)
  add_custom_command(OUTPUT ${texto}/${pagina}.txt
    COMMAND ${CMAKE_COMMAND} -E make_directory ${texto}
    COMMAND ${QUELMARO_GROFF} -man -Tascii -P-cbou ${PROJECT_SOURCE_DIR}/doc/${pagina}.6
            > ${texto}/${pagina}.man.txt
    COMMAND ${CMAKE_COMMAND} -DDE=${texto}/${pagina}.man.txt -DPARA=${texto}/${pagina}.txt
            -P ${converte}
    DEPENDS ${PROJECT_SOURCE_DIR}/doc/${pagina}.6 ${converte} VERBATIM)
  list(APPEND QUELMARO_TEXTOS_WINDOWS ${texto}/${pagina}.txt)
endforeach()
foreach(par "README.md;README.txt" "COPYING;COPYING.txt" "CHANGELOG;CHANGELOG.txt"
            "packaging/play.cmd;play.cmd")
  list(GET par 0 fonte)
  list(GET par 1 destino)
  add_custom_command(OUTPUT ${texto}/${destino}
    COMMAND ${CMAKE_COMMAND} -DDE=${PROJECT_SOURCE_DIR}/${fonte} -DPARA=${texto}/${destino}
            -P ${converte}
    DEPENDS ${PROJECT_SOURCE_DIR}/${fonte} ${converte} VERBATIM)
  list(APPEND QUELMARO_TEXTOS_WINDOWS ${texto}/${destino})
endforeach()
add_custom_target(quelmaro_textos_windows ALL DEPENDS ${QUELMARO_TEXTOS_WINDOWS})

install(TARGETS quelmaro quelmaro_xb RUNTIME DESTINATION . COMPONENT win EXCLUDE_FROM_ALL)
install(FILES ${QUELMARO_TEXTOS_WINDOWS} DESTINATION . COMPONENT win EXCLUDE_FROM_ALL)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME quelmaro)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_FILE_NAME quelmaro-${PROJECT_VERSION}-win64)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
set(CPACK_INSTALL_CMAKE_PROJECTS "${PROJECT_BINARY_DIR};Quelmaro;win;/")
set(CPACK_STRIP_FILES ON)
include(CPack)
