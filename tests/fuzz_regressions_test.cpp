// Every input that once made a fuzzing target find a fault, replayed through
// the same target code (fuzz/alvos.hpp). Under the sanitizer build a crash or
// undefined behaviour fails here too.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "fuzz/alvos.hpp"

namespace quelmaro {
namespace {

struct Alvo {
    const char* nome;
    std::string (*executa)(std::string_view);
};

const Alvo ALVOS[] = {
    {"jogo_salvo", alvos::jogo_salvo},
    {"passe", alvos::passe},
    {"tradutor", alvos::tradutor},
    {"sessao_console", alvos::sessao_console},
    {"sessao_xboard", alvos::sessao_xboard},
    {"fen", alvos::fen},
    {"pgn", alvos::pgn},
    {"pgn_jogos", alvos::pgn_jogos},
    {"sessao_uci", alvos::sessao_uci},
    {"explicacao", alvos::explicacao},
};

TEST(FuzzRegressions, EveryKeptInputPasses) {
    int entradas = 0;
    for (const Alvo& alvo : ALVOS) {
        const auto pasta = std::filesystem::path(QUELMARO_TEST_DATA) / "fuzz" / alvo.nome;
        if (!std::filesystem::exists(pasta)) continue;
        for (const auto& arquivo : std::filesystem::directory_iterator(pasta)) {
            std::ifstream f(arquivo.path(), std::ios::binary);
            const std::string dados{std::istreambuf_iterator<char>(f), {}};
            EXPECT_EQ(alvo.executa(dados), "") << arquivo.path();
            ++entradas;
        }
    }
    EXPECT_GT(entradas, 0);
}

} // namespace
} // namespace quelmaro
