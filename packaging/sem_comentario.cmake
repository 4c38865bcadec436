# Run by CPack once the package's files are in place, before it packs them
# (CPACK_PRE_BUILD_SCRIPTS): the .comment section, which holds only the names
# of the compilers, taken out of the programs as Debian's dh_strip does.
file(GLOB_RECURSE programas "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*/games/*")
if(NOT programas)
  message(FATAL_ERROR "no programs under ${CPACK_TEMPORARY_INSTALL_DIRECTORY}")
endif()
foreach(programa ${programas})
  execute_process(COMMAND ${CPACK_QUELMARO_OBJCOPY} --remove-section=.comment ${programa}
                  RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "objcopy --remove-section=.comment ${programa} failed")
  endif()
endforeach()
