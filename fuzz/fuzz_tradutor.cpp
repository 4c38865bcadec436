// Fuzzing target: the command and move parser, in both builds.
#include "fuzz/alvos.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t n) {
    return quelmaro::alvos::executa(quelmaro::alvos::tradutor, dados, n);
}
