# One #include in a file of a layer, preprocessed with that layer's include
# path and definitions (tests/CMakeLists.txt passes them from its library):
# ESPERADO "found" wants the header found, "missing" wants the compiler to
# stop at it because the build hides it from the layer.
# Usage: cmake -DCXX=... -DINCLUDES=a|b -DDEFINICOES=a|b -DCABECALHO=dir/x.hpp
#        -DESPERADO=found|missing -DARQUIVO=probe.cpp -P caminho_da_camada.cmake
string(REPLACE "|" ";" INCLUDES "${INCLUDES}")
string(REPLACE "|" ";" DEFINICOES "${DEFINICOES}")
set(opcoes -std=c++20 -E)
foreach(pasta ${INCLUDES})
  list(APPEND opcoes -I${pasta})
endforeach()
foreach(definicao ${DEFINICOES})
  list(APPEND opcoes -D${definicao})
endforeach()
file(WRITE ${ARQUIVO} "#include \"${CABECALHO}\"\n")
execute_process(COMMAND ${CXX} ${opcoes} ${ARQUIVO} -o ${ARQUIVO}.i
                RESULT_VARIABLE resultado ERROR_VARIABLE erros)
string(FIND "${erros}" "${CABECALHO}" citado)
if(ESPERADO STREQUAL "found" AND NOT resultado EQUAL 0)
  message(FATAL_ERROR "${CABECALHO} should be found:\n${erros}")
elseif(ESPERADO STREQUAL "missing" AND resultado EQUAL 0)
  message(FATAL_ERROR "${CABECALHO} was found; the layer may not include it")
elseif(ESPERADO STREQUAL "missing" AND (citado EQUAL -1 OR NOT erros MATCHES "No such file|not found"))
  message(FATAL_ERROR "the compiler failed, but not for lack of ${CABECALHO}:\n${erros}")
endif()
