// Fuzzing target: one engine pass on any position.
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "fuzz/alvos.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t n) {
    const std::string erro = quelmaro::alvos::passe({reinterpret_cast<const char*>(dados), n});
    if (!erro.empty()) {
        std::fprintf(stderr, "%s\n", erro.c_str());
        std::abort();
    }
    return 0;
}
