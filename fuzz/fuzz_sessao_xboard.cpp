// Fuzzing target: a whole session of the engine build on any standard input.
#include "fuzz/alvos.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t n) {
    return quelmaro::alvos::executa(quelmaro::alvos::sessao_xboard, dados, n);
}
