// Fuzzing target: one engine pass on any position.
#include "fuzz/alvos.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t n) {
    return quelmaro::alvos::executa(quelmaro::alvos::passe, dados, n);
}
