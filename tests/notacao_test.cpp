#include <gtest/gtest.h>

#include "driver/notacao.hpp"

namespace quelmaro {
namespace {

TEST(Notacao, KnownSquaresInBothOrientations) {
    struct Caso {
        char resposta;
        const char* texto;
        int casa;
    };
    // clang-format off
    const Caso casos[] = {
        {'s', "e2", 53}, {'s', "a8", 1}, {'s', "h1", 64}, {'s', "e1", 61}, {'s', "e4", 37}, {'s', "h8", 8},
        {'n', "e2", 12}, {'n', "h1", 1}, {'n', "a8", 64}, {'n', "e8", 60}, {'n', "e4", 28}, {'n', "a1", 8},
        {'S', "e2", 53}, {'N', "e2", 12},
    };
    // clang-format on
    for (const Caso& c : casos) {
        EXPECT_EQ(lparanumero(c.texto[0], c.texto[1], c.resposta), c.casa) << c.texto;
        EXPECT_EQ(nparaletra(c.casa, c.resposta), c.texto) << c.casa;
    }
    EXPECT_EQ(lparanumero('E', '2', 's'), 53);
    EXPECT_EQ(lparanumero('E', '2', 'n'), 12);
}

TEST(Notacao, InverseOnAllSquares) {
    for (char resposta : {'s', 'n'})
        for (int n = 1; n <= 64; ++n) {
            const std::string t = nparaletra(n, resposta);
            EXPECT_EQ(lparanumero(t[0], t[1], resposta), n) << t;
            // the two orientations are the board turned half a turn
            EXPECT_EQ(lparanumero(t[0], t[1], resposta == 's' ? 'n' : 's'), 65 - n);
        }
}

TEST(Notacao, CommandPairs) {
    struct Caso {
        const char* palavra;
        int brancas_1, brancas_2, pretas_1, pretas_2;
    };
    // clang-format off
    const Caso casos[] = {
        {"save", 100, 100, 100, 100}, {"open", 90, 90, 90, 90}, {"turn", 110, 110, 110, 110},
        {"play", 300, 300, 300, 300}, {"nova", 400, 400, 400, 400},
        {"proq", 200, 200, 220, 220}, {"groq", 210, 200, 230, 220},
        {"quit", COD_NENHUM, COD_NENHUM, COD_NENHUM, COD_NENHUM},
    };
    // clang-format on
    for (const Caso& c : casos) {
        const char* p = c.palavra;
        EXPECT_EQ(lparanumero(p[0], p[1], 's'), c.brancas_1) << p;
        EXPECT_EQ(lparanumero(p[2], p[3], 's'), c.brancas_2) << p;
        EXPECT_EQ(lparanumero(p[0], p[1], 'n'), c.pretas_1) << p;
        EXPECT_EQ(lparanumero(p[2], p[3], 'n'), c.pretas_2) << p;
    }
    EXPECT_EQ(lparanumero('i', '2', 's'), COD_NENHUM);
    EXPECT_EQ(lparanumero('e', '9', 's'), COD_NENHUM);
}

} // namespace
} // namespace quelmaro
