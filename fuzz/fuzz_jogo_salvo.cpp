// Fuzzing target: the saved-game reader.
#include "fuzz/alvos.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t n) {
    return quelmaro::alvos::executa(quelmaro::alvos::jogo_salvo, dados, n);
}
