// Fuzzing target: a whole UCI session of the engine build on any lines.
#include "fuzz/alvos.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t n) {
    return quelmaro::alvos::executa(quelmaro::alvos::sessao_uci, dados, n);
}
