// The checks of the player's moves on the game's state: castling, capture in
// passing, and whether the player has a move left.
#include <gtest/gtest.h>

#include "frente_apoio.hpp"
#include "game/jogo.hpp"
#include "game/regras_do_jogador.hpp"

namespace quelmaro {
namespace {

// The state of a FEN with the player on the side to move.
Estado do_jogador(const std::string& fen) {
    const xadrez::Posicao x = de_fen(fen);
    Estado e;
    poe_posicao(e, x, !x.brancas_a_mover);
    return e;
}

// The chess square named by the first two letters ("e4"); the player's checks take chess squares.
int casa_de(const Estado&, const char* nome) {
    return xadrez::le_casa(std::string_view(nome, 2)).value();
}

TEST(RegrasDoJogador, MateAndStalemateOfThePlayer) {
    struct Caso {
        const char* nome;
        Pecas pecas;
        bool sem_lance;
        bool atacado;
    };
    // clang-format off
    const Caso casos[] = {
        {"back-rank mate", {{"g1", -REI}, {"f2", -PEAO}, {"g2", -PEAO}, {"h2", -PEAO},
                            {"e1", TORRE}, {"e8", REI}}, true, true},
        {"escape by capture", {{"g1", -REI}, {"f2", -PEAO}, {"g2", -PEAO}, {"h2", -PEAO},
                               {"e1", TORRE}, {"e8", REI}, {"e3", -TORRE}}, false, true},
        {"stalemate", {{"a1", -REI}, {"b3", DAMA}, {"h8", REI}}, true, false},
        {"free king", {{"a1", -REI}, {"h8", REI}}, false, false},
    };
    // clang-format on
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        for (const bool brancas : {true, false}) {
            // The same position with the player Black: each square mirrored.
            Pecas pecas;
            for (const auto& [nome, codigo] : c.pecas)
                pecas[{nome[0], static_cast<char>('9' - nome[1] + '0')}] = codigo;
            const Estado e = estado_com(brancas, brancas ? c.pecas : pecas);
            EXPECT_EQ(jogador_sem_lance(e), c.sem_lance);
            EXPECT_EQ(rei_dele_atacado(e), c.atacado);
        }
    }
}

// Where the player's only move is a capture in passing, the player has a
// move; without the passed square, none.
TEST(RegrasDoJogador, ACaptureInPassingAsTheOnlyMove) {
    struct Caso {
        const char* fen;
        bool sem_lance;
    };
    const Caso casos[] = {
        {"k5r1/8/4p3/3pP3/8/5n2/8/7K w - d6 0 2", false},
        {"k5r1/8/4p3/3pP3/8/5n2/8/7K w - - 0 2", true},
        {"7k/8/5N2/8/3Pp3/4P3/8/K5R1 b - d3 0 2", false},
        {"7k/8/5N2/8/3Pp3/4P3/8/K5R1 b - - 0 2", true},
    };
    for (const Caso& c : casos)
        EXPECT_EQ(jogador_sem_lance(do_jogador(c.fen)), c.sem_lance) << c.fen;
}

TEST(RegrasDoJogador, CaptureInPassing) {
    struct Caso {
        const char* nome;
        const char* fen;
        const char *de, *para;
        bool captura, permitido;
    };
    const Caso casos[] = {
        {"White takes", "4k3/8/8/3pP3/8/8/8/4K3 w - d6 0 2", "e5", "d6", true, true},
        {"Black takes", "4k3/8/8/8/3Pp3/8/8/4K3 b - d3 0 2", "e4", "d3", true, true},
        {"no pawn has just passed", "4k3/8/8/3pP3/8/8/8/4K3 w - - 0 2", "e5", "d6", false, false},
        {"to another square", "4k3/8/8/3pP3/8/8/8/4K3 w - d6 0 2", "e5", "e6", false, true},
        {"not a pawn", "4k3/8/8/3pB3/8/8/8/4K3 w - d6 0 2", "e5", "d6", false, true},
        // both pawns leave the fifth rank: the rook would take the king
        {"the king exposed", "4k3/8/8/K2pP2r/8/8/8/8 w - d6 0 2", "e5", "d6", false, false},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        const Estado e = do_jogador(c.fen);
        EXPECT_EQ(captura_en_passant(e, casa_de(e, c.de), casa_de(e, c.para)), c.captura);
        EXPECT_EQ(lance_permitido(e, casa_de(e, c.de), casa_de(e, c.para)), c.permitido);
    }
}

// The two rules of the game's own beside those of chess, for either colour
// of the player: the computer's king may be taken, and a piece moves by the
// engine's movement test, never onto a piece of its own side.
TEST(RegrasDoJogador, TheGamesOwnRulesBesideChess) {
    struct Caso {
        const char* nome;
        Pecas pecas;
        const char *de, *para;
        bool permitido;
    };
    const Caso casos[] = {
        {"a rook takes the computer's king",
         {{"a1", -REI}, {"a8", -TORRE}, {"h8", REI}},
         "a8",
         "h8",
         true},
        {"the king takes the computer's king", {{"g7", -REI}, {"h8", REI}}, "g7", "h8", true},
        {"onto a piece of its own",
         {{"a1", -REI}, {"a8", -TORRE}, {"h8", -CAVALO}, {"e5", REI}},
         "a8",
         "h8",
         false},
        {"a knight's step for a rook",
         {{"a1", -REI}, {"a8", -TORRE}, {"h1", REI}},
         "a8",
         "b6",
         false},
        {"a knight's step for a knight",
         {{"a1", -REI}, {"a8", -CAVALO}, {"h1", REI}},
         "a8",
         "b6",
         true},
        {"a piece of the computer's",
         {{"a1", -REI}, {"a8", TORRE}, {"h1", REI}},
         "a8",
         "a5",
         false},
    };
    for (const bool brancas : {true, false})
        for (const Caso& c : casos) {
            SCOPED_TRACE(std::string(c.nome) + (brancas ? ", White" : ", Black"));
            const Estado e = estado_com(brancas, c.pecas);
            EXPECT_EQ(lance_permitido(e, casa_de(e, c.de), casa_de(e, c.para)), c.permitido);
        }
}

// Castling is the king's move: a rook on the king's square moving two files
// is a rook's move, and leaves the other rook where it stands.
TEST(RegrasDoJogador, CastlingOnlyForTheKingOnItsSquare) {
    for (const bool brancas : {true, false}) {
        SCOPED_TRACE(brancas);
        const char* fila = brancas ? "1" : "8";
        const auto c = [&](char coluna) { return std::string(1, coluna) + fila; };
        const Estado e = estado_com(brancas, {{c('e'), -TORRE},
                                              {c('h'), -TORRE},
                                              {c('a'), -TORRE},
                                              {brancas ? "e3" : "e6", -REI},
                                              {brancas ? "e8" : "e1", REI}});
        for (const char* destino : {"g", "c"}) {
            const int de = casa_de(e, c('e').c_str()), para = casa_de(e, c(destino[0]).c_str());
            EXPECT_TRUE(roque_do_lance(e, de, para)) << destino;
            EXPECT_FALSE(roque_permitido(e, de, para)) << destino;
        }
        Jogo jogo;
        jogo.poe_estado(e);
        const auto dama = [] { return 'q'; };
        EXPECT_FALSE(jogo.lance_dele({.roque = LanceDoJogador::Roque::pequeno}, dama));
        ASSERT_TRUE(
            jogo.lance_dele({casa_de(e, c('e').c_str()), casa_de(e, c('g').c_str())}, dama));
        EXPECT_EQ(em(jogo.estado(), c('g').c_str()), -TORRE);
        EXPECT_EQ(em(jogo.estado(), c('h').c_str()), -TORRE);
        EXPECT_EQ(em(jogo.estado(), c('f').c_str()), VAZIO);
        EXPECT_FALSE(jogo.estado().direitos_de_roque()[brancas ? BRANCAS : PRETAS].ja_rocou);
    }
}

} // namespace
} // namespace quelmaro
