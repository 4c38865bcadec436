#include <gtest/gtest.h>

#include "chess/posicao.hpp"
#include "game/estado.hpp"
#include "game/notacao.hpp"

namespace quelmaro {
namespace {

TEST(Notacao, KnownSquaresInBothOrientations) {
    struct Caso {
        bool maquina_tem_brancas;
        const char* texto;
        int casa;
    };
    // clang-format off
    const Caso casos[] = {
        {false, "e2", 53}, {false, "a8", 1}, {false, "h1", 64}, {false, "e1", 61}, {false, "e4", 37},
        {false, "h8", 8}, {true, "e2", 12}, {true, "h1", 1}, {true, "a8", 64}, {true, "e8", 60},
        {true, "e4", 28}, {true, "a1", 8},
    };
    // clang-format on
    for (const Caso& c : casos) {
        EXPECT_EQ(numero_da_casa(c.texto[0], c.texto[1], c.maquina_tem_brancas), c.casa) << c.texto;
        EXPECT_EQ(texto_da_casa(c.casa, c.maquina_tem_brancas), c.texto) << c.casa;
    }
    EXPECT_EQ(numero_da_casa('E', '2', false), 53);
    EXPECT_EQ(numero_da_casa('E', '2', true), 12);
    // No square: a letter past h, a digit past 8, the halves of a word.
    for (const char* nada : {"i2", "e9", "sa", "pr", "\0\0"})
        EXPECT_EQ(numero_da_casa(nada[0], nada[1], false), 0) << nada;
    EXPECT_EQ(coordenadas(53, 37, false), "e2e4");
}

TEST(Notacao, InverseOnAllSquares) {
    for (const bool maquina : {false, true})
        for (int n = 1; n <= 64; ++n) {
            const std::string t = texto_da_casa(n, maquina);
            EXPECT_EQ(numero_da_casa(t[0], t[1], maquina), n) << t;
            // the two orientations are the board turned half a turn
            EXPECT_EQ(numero_da_casa(t[0], t[1], !maquina), 65 - n);
        }
}

// A chess position put on the state and read back, the computer on either
// side: the pieces, the side to move, the castling rights and the passed
// square come back; the state put again from what came back is the same.
TEST(Notacao, PositionToStateAndBack) {
    // clang-format off
    const char* fens[] = {
        "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1",
        "rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR b KQkq e3 0 1",
        "rnbqkbnr/pppp1ppp/8/4p3/4P3/8/PPPP1PPP/RNBQKBNR w KQkq e6 0 2",
        "r3k2r/8/8/8/8/8/8/R3K2R w Qk - 0 12",
        "r3k2r/8/8/8/8/8/8/R3K2R b Kq - 0 12",
        "4k3/8/8/3pP3/8/8/8/4K3 w - d6 0 2",
        "4k3/8/8/8/3Pp3/8/8/4K3 b - d3 0 40",
    };
    // clang-format on
    for (const char* fen : fens)
        for (const bool maquina : {false, true}) {
            SCOPED_TRACE(std::string(fen) + (maquina ? ", computer White" : ", computer Black"));
            const xadrez::LeituraFen lida = xadrez::le_fen(fen);
            ASSERT_TRUE(lida.ok());
            const xadrez::Posicao& x = lida.posicao;
            Estado e;
            poe_posicao(e, x, maquina);
            EXPECT_EQ(e.maquina_tem_brancas(), maquina);
            const xadrez::Posicao y = e.posicao();
            EXPECT_EQ(y.pecas, x.pecas);
            EXPECT_EQ(y.brancas_a_mover, x.brancas_a_mover);
            EXPECT_EQ(y.roques, x.roques);
            EXPECT_EQ(y.en_passant, x.en_passant);
            EXPECT_EQ(e.posicao().roques, x.roques);
            Estado de_novo;
            poe_posicao(de_novo, y, maquina);
            EXPECT_EQ(de_novo, e);
        }
}

// The position as the player's checks see it: the player to move, the passed
// square only behind a pawn of the colour that has just moved.
TEST(Notacao, ThePlayersPositionAndTheSavedGamesFen) {
    Estado e;
    e.novo_jogo(true);
    EXPECT_EQ(xadrez::escreve_fen(e.posicao()), xadrez::FEN_INICIAL);
    // The computer, White, has played e2e4.
    e.novo_jogo(false);
    e.move(*xadrez::le_casa("e2"), *xadrez::le_casa("e4"));
    e.conta_lance_da_maquina();
    EXPECT_EQ(xadrez::escreve_fen(e.posicao()),
              "rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR b KQkq e3 0 1");
    EXPECT_EQ(posicao_com_a_vez_do_jogador(e), e.posicao());
    // The saved game's FEN keeps no passed square.
    EXPECT_EQ(fen_de_jogo_salvo(e), "rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR b KQkq - 0 1");
    // With the turn given back to White the passed square is no longer one.
    xadrez::Posicao x = e.posicao();
    x.brancas_a_mover = true;
    x.en_passant = e.casa_passada();
    e.poe_posicao(x, false, e.direitos_de_roque());
    EXPECT_EQ(posicao_com_a_vez_do_jogador(e).en_passant, xadrez::le_casa("e3").value());
    EXPECT_EQ(e.posicao().en_passant, -1);
}

} // namespace
} // namespace quelmaro
