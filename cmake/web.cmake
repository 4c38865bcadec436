# The web page's program (`make web`, built with emcmake): the engine's UCI
# session and the page's questions (apps/quelmaro_web.cpp) as one module of
# WebAssembly and its loader, for a Web Worker, a page or node. It reads no
# files and starts nothing: no file system, no entry point; memory grows as
# a long game's PGN needs.
add_executable(quelmaro_web apps/quelmaro_web.cpp)
target_link_libraries(quelmaro_web PRIVATE quelmaro_core)
set(funcoes _quelmaro_uci _quelmaro_estado _quelmaro_carrega _quelmaro_pgn _quelmaro_analise
            _quelmaro_porque _quelmaro_mensagens)
list(JOIN funcoes "," funcoes)
target_link_options(
  quelmaro_web PRIVATE --no-entry -sMODULARIZE=1 -sEXPORT_NAME=QuelmaroModulo
  -sENVIRONMENT=web,worker,node -sALLOW_MEMORY_GROWTH=1 -sFILESYSTEM=0
  -sEXPORTED_FUNCTIONS=${funcoes} -sEXPORTED_RUNTIME_METHODS=ccall)
set_target_properties(quelmaro_web PROPERTIES SUFFIX ".js")

# The bench under node (web/test/run.mjs compares its passes per second with
# the native bench's): node's own file system for the positions.
if(TARGET quelmaro_bench)
  target_link_options(quelmaro_bench PRIVATE -sNODERAWFS=1 -sENVIRONMENT=node -sALLOW_MEMORY_GROWTH=1)
endif()
