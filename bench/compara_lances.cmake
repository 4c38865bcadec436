# Runs the benchmark on every sample position and compares the moves it
# chooses with bench/expected_moves.txt ("<file> <move>" per line), so that
# any change in what the engine plays fails the test suite.
# Variables: BENCH (the program), POSICOES (folder of .sav files), ESPERADO,
# OBTIDO (where the moves played are written when they differ: a file in the
# build folder, never in the sources).
if(NOT OBTIDO)
  message(FATAL_ERROR "OBTIDO (the file for the moves played) is not set")
endif()
file(GLOB arquivos RELATIVE ${POSICOES} ${POSICOES}/*.sav)
list(SORT arquivos)
execute_process(COMMAND ${BENCH} ${arquivos} WORKING_DIRECTORY ${POSICOES}
                OUTPUT_VARIABLE saida RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "quelmaro_bench failed (${status}):\n${saida}")
endif()
# Keep "<file> <move>" of each position line, drop the times and the summary.
string(REGEX MATCHALL "(^|\n)[^ \n]+\\.sav [^ \n]+" linhas "${saida}")
string(REGEX REPLACE "\n" "" linhas "${linhas}")
list(JOIN linhas "\n" obtido)
string(APPEND obtido "\n")
file(READ ${ESPERADO} esperado)
if(NOT obtido STREQUAL esperado)
  file(WRITE ${OBTIDO} "${obtido}")
  message(FATAL_ERROR "The engine's moves differ from ${ESPERADO}; the moves now played are in "
                      "${OBTIDO}")
endif()
list(LENGTH arquivos n)
message(STATUS "${n} positions, every move as expected")
