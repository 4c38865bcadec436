// The game's state as a value: what a move does to the castling rights and
// the passed square, and the side swap.
#include <gtest/gtest.h>

#include "frente_apoio.hpp"

namespace quelmaro {
namespace {

// The chess square named by the first two letters ("e4"); the state's moves take chess squares.
int casa_de(const Estado&, const char* nome) {
    return xadrez::le_casa(std::string_view(nome, 2)).value();
}

TEST(Estado, AMoveLosesTheCastlingItBars) {
    struct Caso {
        const char* nome;
        bool brancas; // the player White
        const char *de, *para;
        DireitosPorCor depois;
    };
    const DireitosDeRoque nada{};
    const DireitosDeRoque rei{.rei_saiu = true}, torre_a{.torre_a_saiu = true},
        torre_h{.torre_h_saiu = true};
    // clang-format off
    const Caso casos[] = {
        {"the player's king, White", true, "e1", "e2", {rei, nada}},
        {"the player's king, Black", false, "e8", "d8", {nada, rei}},
        {"the player's a-rook, White", true, "a1", "a2", {torre_a, nada}},
        {"the player's h-rook, Black", false, "h8", "h5", {nada, torre_h}},
        {"the computer's king, White", false, "e1", "f1", {rei, nada}},
        {"the computer's a-rook, Black", true, "a8", "b8", {nada, torre_a}},
        {"a rook taken on its corner", true, "h1", "h8", {torre_h, torre_h}},
        {"a rook taken on its corner by a knight", false, "b3", "a1", {torre_a, nada}},
        {"a rook away from its corner", true, "a3", "b3", {nada, nada}},
        {"a knight", true, "b1", "c3", {nada, nada}},
    };
    // clang-format on
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        const int lado = c.brancas ? -1 : 1; // the sign of White's pieces
        Estado e = estado_com(c.brancas, {{"e1", lado * REI},
                                          {"a1", lado * TORRE},
                                          {"h1", lado * TORRE},
                                          {"b1", lado * CAVALO},
                                          {"a3", lado * TORRE},
                                          {"d4", lado * DAMA},
                                          {"e8", -lado * REI},
                                          {"a8", -lado * TORRE},
                                          {"h8", -lado * TORRE},
                                          {"b3", -lado * CAVALO}});
        e.move(casa_de(e, c.de), casa_de(e, c.para));
        EXPECT_EQ(e.direitos_de_roque()[BRANCAS], c.depois[BRANCAS]);
        EXPECT_EQ(e.direitos_de_roque()[PRETAS], c.depois[PRETAS]);
        // the colour that did not move is to move
        EXPECT_EQ(e.posicao().brancas_a_mover, (em(e, c.para) * lado) < 0);
    }
}

TEST(Estado, ThePassedSquare) {
    struct Caso {
        const char* nome;
        bool brancas;
        const char *de, *para;
        const char* passada; // "": none
    };
    const Caso casos[] = {
        {"the player's double step", true, "e2", "e4", "e3"},
        {"the computer's double step", true, "d7", "d5", "d6"},
        {"the player Black", false, "c7", "c5", "c6"},
        {"the computer White", false, "h2", "h4", "h3"},
        {"a single step", true, "e2", "e3", ""},
        {"a rook over two rows", true, "a1", "a3", ""},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        Estado e;
        e.novo_jogo(c.brancas);
        esvazia(e, "a2"); // room for the rook
        poe_vez(e, true, {}, casa_de(e, "f6"));
        e.move(casa_de(e, c.de), casa_de(e, c.para));
        EXPECT_EQ(e.casa_passada(), *c.passada ? casa_de(e, c.passada) : -1);
    }
}

// What a move writes beyond its two squares: a capture in passing takes the
// pawn behind the square reached, whoever moves; a king's two-file step from
// its home square brings its rook, and no other king's move does; a
// promotion writes only a pawn on its last row, and only a piece it may
// become.
TEST(Estado, CaptureInPassingCastlingAndPromotionWriteOnlyTheirSquares) {
    struct Caso {
        const char* nome;
        bool brancas; // the player White
        const char *de, *para, *tomado;
    };
    const Caso passagens[] = {
        {"the player White takes", true, "e5", "d6", "d5"},
        {"the player Black takes", false, "d4", "e3", "e4"},
        {"the computer Black takes", true, "d4", "e3", "e4"},
        {"the computer White takes", false, "e5", "d6", "d5"},
    };
    for (const Caso& c : passagens) {
        SCOPED_TRACE(c.nome);
        const bool branco_move = *c.para == 'd';
        const int lado = branco_move == c.brancas ? -1 : 1; // the sign of the mover's pieces
        Estado e = estado_com(
            c.brancas, {{"a1", -REI}, {"h8", REI}, {c.de, lado * PEAO}, {c.tomado, -lado * PEAO}});
        e.move(casa_de(e, c.de), casa_de(e, c.para));
        EXPECT_EQ(em(e, c.para), lado * PEAO);
        EXPECT_EQ(em(e, c.de), VAZIO);
        EXPECT_EQ(em(e, c.tomado), VAZIO);
    }
    struct Roque {
        const char* nome;
        bool brancas; // the player White
        const char *rei_de, *rei_para, *torre_de, *torre_para;
        bool rocou;
    };
    const Roque roques[] = {
        {"the player White, king's side", true, "e1", "g1", "h1", "f1", true},
        {"the player Black, queen's side", false, "e8", "c8", "a8", "d8", true},
        {"the computer White, queen's side", false, "e1", "c1", "a1", "d1", true},
        {"a king away from its home square", true, "d1", "f1", "h1", "h1", false},
    };
    for (const Roque& c : roques) {
        SCOPED_TRACE(c.nome);
        const bool branco_move = c.rei_de[1] == '1';
        const int lado = branco_move == c.brancas ? -1 : 1; // the sign of the mover's pieces
        Estado e = estado_com(
            c.brancas, {{c.rei_de, lado * REI}, {c.torre_de, lado * TORRE}, {"h5", -lado * REI}});
        e.move(casa_de(e, c.rei_de), casa_de(e, c.rei_para));
        EXPECT_EQ(em(e, c.rei_para), lado * REI);
        EXPECT_EQ(em(e, c.torre_para), lado * TORRE);
        if (*c.torre_de != *c.torre_para) {
            EXPECT_EQ(em(e, c.torre_de), VAZIO);
        }
        EXPECT_EQ(e.direitos_de_roque()[branco_move ? BRANCAS : PRETAS].ja_rocou, c.rocou);
    }
    for (const bool brancas : {true, false}) {
        SCOPED_TRACE(brancas);
        const char* ultima = brancas ? "a8" : "a1"; // the player's last row
        const char* outra = brancas ? "b7" : "b2";
        const char* da_maquina = brancas ? "h1" : "h8";
        Estado e = estado_com(
            brancas,
            {{"e4", -REI}, {"e6", REI}, {ultima, -PEAO}, {outra, -PEAO}, {da_maquina, PEAO}});
        e.promove_peao_do_jogador(casa_de(e, ultima), 'q'); // a letter not of the table
        e.promove_peao_do_jogador(casa_de(e, ultima), 'K'); // no piece a pawn becomes
        e.promove_peao_do_jogador(casa_de(e, outra), 'R');  // not on its last row
        EXPECT_EQ(em(e, ultima), -PEAO);
        EXPECT_EQ(em(e, outra), -PEAO);
        e.promove_peao_do_jogador(casa_de(e, ultima), 'N');
        EXPECT_EQ(em(e, ultima), -CAVALO);
        e.promove_peoes_da_maquina();
        EXPECT_EQ(em(e, da_maquina), DAMA);
        EXPECT_EQ(em(e, outra), -PEAO);
    }
}

// Turned, every piece keeps its chess square, and so do the castling rights
// and the passed square; turned twice, the state is what it was.
TEST(Estado, TheSideSwapKeepsThePositionAndTwiceIsNothing) {
    for (const bool brancas : {true, false}) {
        SCOPED_TRACE(brancas);
        Estado e;
        e.novo_jogo(brancas);
        // the king's rook gone from its corner, then a pawn's double step
        for (const char* l : {"g1f3", "g8f6", "h1g1", "c7c5"})
            e.move(casa_de(e, l), casa_de(e, l + 2));
        e.poe_contadores(2, 2, 2);
        const Estado antes = e;
        const xadrez::Posicao x = e.posicao();
        ASSERT_EQ(xadrez::escreve_fen(x),
                  "rnbqkb1r/pp1ppppp/5n2/2p5/8/5N2/PPPPPPPP/RNBQKBR1 w Qkq c6 0 3");
        e.vira();
        EXPECT_EQ(e.jogador_tem_brancas(), !brancas);
        EXPECT_EQ(e.posicao(), x);
        Tabuleiro outra;
        outra.posicao_inicial(!brancas);
        Estado inicio;
        inicio.novo_jogo(brancas);
        inicio.vira();
        EXPECT_EQ(inicio.tabuleiro(), outra);
        e.vira();
        EXPECT_EQ(e, antes);
    }
}

} // namespace
} // namespace quelmaro
