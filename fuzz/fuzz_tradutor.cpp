// Fuzzing target: the command and move parser, in both builds.
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "fuzz/alvos.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t n) {
    const std::string erro = quelmaro::alvos::tradutor({reinterpret_cast<const char*>(dados), n});
    if (!erro.empty()) {
        std::fprintf(stderr, "%s\n", erro.c_str());
        std::abort();
    }
    return 0;
}
