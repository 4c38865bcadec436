// Fuzzing target: the position reader of the explanations and the words of "why".
#include "fuzz/alvos.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t n) {
    return quelmaro::alvos::executa(quelmaro::alvos::explicacao, dados, n);
}
