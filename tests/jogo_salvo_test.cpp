#include <gtest/gtest.h>

#include <sstream>

#include "game/jogo_salvo.hpp"

namespace quelmaro {
namespace {

std::string salvo(const JogoSalvo& j) {
    std::ostringstream s;
    escreve_jogo_salvo(s, j);
    return s.str();
}

JogoSalvo inicio() {
    JogoSalvo j;
    j.tabuleiro.posicao_inicial(true);
    j.ingles = true;
    return j;
}

std::optional<JogoSalvo> le(const std::string& texto) {
    std::istringstream e(texto);
    return le_jogo_salvo(e);
}

TEST(JogoSalvo, LayoutOfTheStartingPosition) {
    const std::string s = salvo(inicio());
    ASSERT_EQ(s.size(), 738u);
    EXPECT_EQ(s.substr(0, 55), "          7          4          3         20        999");
    EXPECT_EQ(s.substr(726, 12), "----FFFFFTT\n");
}

TEST(JogoSalvo, RoundTripKeepsEveryField) {
    JogoSalvo j = inicio();
    j.tabuleiro.poe(37, -1);
    j.tabuleiro.poe(53, 0);
    j.lance_do_jogo = 12;
    j.lances_da_pessoa = 13;
    j.ultimo_lance = {'&', '7', '&', '5'};
    j.rei_saiu_61 = j.torre_saiu_57 = true;
    j.maquina_no_alto = false;
    const std::string s = salvo(j);
    const auto lido = le(s);
    ASSERT_TRUE(lido);
    EXPECT_EQ(lido->tabuleiro, j.tabuleiro);
    EXPECT_FALSE(lido->jogador_tem_brancas());
    EXPECT_EQ(salvo(*lido), s); // saving again writes the same text, '&' included
}

TEST(JogoSalvo, ReadsIntegersAcrossBlanksAndLineEnds) {
    std::string s = salvo(inicio());
    s.replace(0, 11, "\n\n   7     "); // same value, other spacing
    const auto j = le(s);
    ASSERT_TRUE(j);
    EXPECT_EQ(j->tabuleiro[1], 7);
    EXPECT_TRUE(j->jogador_tem_brancas());
}

TEST(JogoSalvo, RefusesFilesThatDoNotFollowTheLayout) {
    const std::string bom = salvo(inicio());
    auto com = [&](std::size_t pos, const std::string& campo) {
        std::string s = bom;
        s.replace(pos, campo.size(), campo);
        return s;
    };
    struct Caso {
        const char* nome;
        std::string texto;
    };
    JogoSalvo atacado = inicio();
    atacado.tabuleiro.poe(13, 0);   // the computer's king on 5 faces a player's
    atacado.tabuleiro.poe(29, -20); // queen on its open column
    const Caso casos[] = {
        {"empty file", ""},
        {"truncated in the board", bom.substr(0, 300)},
        {"truncated in the flags", bom.substr(0, 733)},
        {"not a piece code", com(0, "          8")},
        {"not a number", com(0, "      seven")},
        {"huge number", com(0, "99999999999")},
        {"two computer kings", com(0, "        999")},
        {"no player king", com(660, "          0")},
        {"negative counter", com(704, "         -1")},
        {"counter not a number", com(704, "          x")},
        {"last move not a move", com(726, "xyzw")},
        // would be written back running into the counter before it
        {"last move of digits", bom.substr(0, 726) + "\n1234" + bom.substr(730)},
        {"king attacked", salvo(atacado)},
        // no played game puts a pawn there
        {"computer pawn on row 1", com(0, "          1")},
        {"player pawn on row 1", com(77, "         -1")},
        {"player pawn on row 8", com(11 * 63, "         -1")},
        {"computer pawn on row 8", com(11 * 56, "          1")},
    };
    for (const Caso& c : casos) {
        EXPECT_FALSE(le(c.texto)) << c.nome;
        // a damaged saved game, and said so when a pawn is its only fault
        const ArquivoDeJogo a = le_arquivo_de_jogo(c.texto);
        EXPECT_EQ(a.peao_na_ponta,
                  std::string_view(c.nome).find("pawn on row") != std::string_view::npos)
            << c.nome;
    }
    EXPECT_TRUE(le(bom));
    EXPECT_FALSE(le_arquivo_de_jogo(bom).peao_na_ponta);
}

} // namespace
} // namespace quelmaro
