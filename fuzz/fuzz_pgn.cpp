// Fuzzing target: the PGN reader and the loader of PGN and FEN files.
#include "fuzz/alvos.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t n) {
    return quelmaro::alvos::executa(quelmaro::alvos::pgn, dados, n);
}
