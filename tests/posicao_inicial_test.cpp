// Games started from a given position: xboard's "setboard", the counters of
// the new game, and the thinking lines of "post".
#include <gtest/gtest.h>

#include <regex>

#include "chess/posicao.hpp"
#include "driver/posicao_inicial.hpp"
#include "driver_apoio.hpp"

namespace quelmaro {
namespace {

TEST_F(Driver, NewGameFromAPositionCountsAndRights) {
    struct Caso {
        const char* fen;
        bool maquina_brancas;
        int lance_do_jogo, lances_da_pessoa, abertura;
    };
    // clang-format off
    const Caso casos[] = {
        {"rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1", true, 0, 0, 0},
        {"rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1", false, 0, 0, 0},
        {"rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR b KQkq - 0 1", false, 0, 1, 2},
        {"rnbqkbnr/pppp1ppp/8/4p3/4P3/8/PPPP1PPP/RNBQKBNR w KQkq e6 0 2", true, 1, 1, 2},
        {"rnbqkbnr/pppp1ppp/8/4p3/4P3/8/PPPP1PPP/RNBQKBNR w KQkq e6 0 2", false, 1, 1, 2},
        {"4k3/8/8/8/8/8/8/4K2R b K - 3 40", true, 40, 39, 2},
        {"4k3/8/8/8/8/8/8/4K2R b K - 3 40", false, 39, 40, 2},
        {"r3k2r/8/8/8/8/8/8/R3K2R w Qk - 0 12", false, 11, 11, 2},
    };
    // clang-format on
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.fen);
        monta(true);
        comeca();
        vez_dele("e2e4\n");
        jogo->motor.contagem_empate = 3;
        const auto leitura = xadrez::le_fen(c.fen);
        ASSERT_TRUE(leitura.ok());
        comeca_de_posicao(*jogo, leitura.posicao, c.maquina_brancas);
        EXPECT_EQ(jogo->motor.lance_do_jogo, c.lance_do_jogo);
        EXPECT_EQ(jogo->lances_da_pessoa, c.lances_da_pessoa);
        EXPECT_EQ(jogo->motor.numero_de_meu_movimento, c.abertura);
        EXPECT_EQ(jogo->motor.contagem_empate, 0);
        EXPECT_TRUE(jogo->historico.empty());
        EXPECT_EQ(jogo->resposta, c.maquina_brancas ? 'n' : 's');
        // The board, side to move, castling and capture in passing read back.
        xadrez::Posicao x = jogo->posicao_atual();
        x.meios_lances = leitura.posicao.meios_lances;
        x.numero = leitura.posicao.numero;
        EXPECT_EQ(xadrez::escreve_fen(x), c.fen);
        EXPECT_EQ(jogo->fen_inicial.empty(), c.abertura == 0);
    }
}

TEST_F(Driver, SetboardRefusesPositionsThatCannotArise) {
    // clang-format off
    const char* ruins[] = {
        "",
        "garbage",
        "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP w KQkq - 0 1",
        "rnbqkbnr/pppppppp/9/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1",
        "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR x KQkq - 0 1",
        "8/8/8/8/8/8/8/4K3 w - - 0 1",                  // no black king
        "4k3/8/8/8/8/8/8/3KK3 w - - 0 1",               // two white kings
        "4k3/8/8/8/8/8/8/4R1K1 w - - 0 1",              // Black, not to move, in check
        "4k3/8/8/8/8/8/8/P3K3 w - - 0 1",               // a pawn on the first rank
        "4k2p/8/8/8/8/8/8/4K3 b - - 0 1",               // a pawn on the last rank
    };
    // clang-format on
    for (const char* fen : ruins) {
        SCOPED_TRACE(fen);
        monta(true);
        comeca();
        ASSERT_TRUE(vez_dele("e2e4\n"));
        const Tabuleiro antes = jogo->tabuleiro;
        impresso();
        EXPECT_FALSE(vez_dele(std::string("setboard ") + fen + "\n"));
        EXPECT_EQ(impresso(), "tellusererror Illegal position\n");
        EXPECT_EQ(jogo->tabuleiro, antes);
        EXPECT_EQ(jogo->historico.size(), 1u);
        EXPECT_FALSE(jogo->forcado);
    }
}

TEST_F(Driver, SetboardStartsAGameInForceMode) {
    monta(true);
    comeca();
    ASSERT_TRUE(vez_dele("e2e4\n"));
    // A line longer than the parser's, the FEN across the cut, blanks around it.
    const std::string fen = "r1bqkb1r/pppp1ppp/2n2n2/4p3/2B1P3/5N2/PPPP1PPP/RNBQK2R w KQkq - 4 4";
    EXPECT_FALSE(vez_dele("setboard " + std::string(40, ' ') + fen + "  \nundo\n"));
    EXPECT_TRUE(jogo->forcado);
    EXPECT_EQ(em("c4"), -BISPO);
    EXPECT_EQ(em("c6"), CAVALO);
    EXPECT_EQ(jogo->motor.lance_do_jogo, 3);
    // Castling short is played from the FEN's rights, then the engine moves.
    EXPECT_TRUE(vez_dele("e1g1\ngo\n"));
    EXPECT_EQ(em("g1"), -REI);
    EXPECT_EQ(em("f1"), -TORRE);
}

TEST_F(Driver, PostShowsAThinkingLineBeforeEachMove) {
    monta(true);
    comeca();
    const std::regex linha(
        R"(1 -?\d+ 0 \d+ [a-h][1-8][a-h][1-8] \{.+\}\nmove [a-h][1-8][a-h][1-8]\n)");
    ASSERT_TRUE(vez_dele("post\ne2e4\n"));
    jogo->meu_lance();
    const std::string com = impresso();
    EXPECT_TRUE(std::regex_match(com, linha)) << com;
    EXPECT_NE(com.find("{Opening move: my king's pawn steps forward one square.}"),
              std::string::npos);
    ASSERT_TRUE(vez_dele("nopost\nd2d4\n"));
    jogo->meu_lance();
    EXPECT_TRUE(impresso().starts_with("move ")) << com;

    // A mating move scores 100001; a capture scores the material after it.
    struct Caso {
        const char* fen;
        const char* esperado;
    };
    const Caso casos[] = {
        {"7k/8/6K1/8/8/8/8/1Q6 w - - 10 30", "1 100001 0 "},
        {"k7/8/8/8/8/8/6q1/K6Q b - - 10 30", "1 2000 0 "},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.fen);
        monta(true);
        comeca();
        ASSERT_FALSE(vez_dele(std::string("post\nsetboard ") + c.fen + "\n"));
        impresso();
        ASSERT_TRUE(vez_dele("go\n"));
        jogo->meu_lance();
        const std::string s = impresso();
        EXPECT_TRUE(s.starts_with(c.esperado)) << s;
        EXPECT_NE(s.find("{Rule "), std::string::npos) << s;
    }
}

} // namespace
} // namespace quelmaro
