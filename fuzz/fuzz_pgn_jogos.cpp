// Fuzzing target: the multi-game PGN reader and the PGN writer.
#include "fuzz/alvos.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t n) {
    return quelmaro::alvos::executa(quelmaro::alvos::pgn_jogos, dados, n);
}
