#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "chess/lances.hpp"
#include "chess/posicao.hpp"
#include "chess/san.hpp"
#include "chess/tabuleiro_xadrez.hpp"
#include "game/notacao.hpp"

namespace quelmaro::xadrez {
namespace {

TEST(ChessPerft, WellKnownPositions) {
    struct Caso {
        const char* fen;
        int profundidade;
        std::uint64_t folhas;
    } const casos[] = {
        {"rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1", 4, 197281},
        {"r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq - 0 1", 3, 97862},
        {"8/2p5/3p4/KP5r/1R3p1k/8/4P1P1/8 w - - 0 1", 4, 43238},
        {"r3k2r/Pppp1ppp/1b3nbN/nP6/BBP1P3/q4N2/Pp1P2PP/R2Q1RK1 w kq - 0 1", 3, 9467},
        {"rnbq1k1r/pp1Pbppp/2p5/8/2B5/8/PPP1NnPP/RNBQK2R w KQ - 1 8", 3, 62379},
    };
    for (const Caso& c : casos) {
        const LeituraFen l = le_fen(c.fen);
        ASSERT_TRUE(l.ok()) << c.fen;
        EXPECT_EQ(perft(l.posicao, c.profundidade), c.folhas) << c.fen;
    }
}

// Lines of seeded random games written by tests/referee/legal_moves.js with
// chess.js: the position, its legal moves in SAN sorted, the move played and
// the position after it. The ctest that runs node live hands over a longer
// file in QUELMARO_CHESSJS_MOVES; else the small committed one is read.
std::vector<std::string> campos_tab(const std::string& linha) {
    std::vector<std::string> v;
    std::istringstream in(linha);
    for (std::string c; std::getline(in, c, '\t');) v.push_back(c);
    return v;
}

// chess.js writes the passed square only when a capture in passing is legal.
std::string fen_comparavel(Posicao x) {
    bool captura = false;
    for (const Movimento& m : legais(x))
        captura =
            captura || (m.para == x.en_passant && (x.pecas[m.de] == 'P' || x.pecas[m.de] == 'p'));
    if (!captura) x.en_passant = -1;
    return escreve_fen(x);
}

TEST(ChessJs, SameMovesSanAndPositions) {
    const char* dado = std::getenv("QUELMARO_CHESSJS_MOVES");
    std::ifstream f(dado ? std::string(dado)
                         : std::string(QUELMARO_TEST_DATA) + "/chess/legal_moves.txt");
    ASSERT_TRUE(f) << "no move file";
    int linhas = 0, lances = 0;
    for (std::string linha; std::getline(f, linha); ++linhas) {
        const auto c = campos_tab(linha);
        ASSERT_EQ(c.size(), 4u) << linha;
        const LeituraFen antes = le_fen(c[0]);
        ASSERT_TRUE(antes.ok()) << c[0];
        const Posicao& x = antes.posicao;
        EXPECT_EQ(fen_comparavel(x), c[0]);
        std::vector<std::string> sans;
        for (const Movimento& m : legais(x)) {
            sans.push_back(escreve_san(x, m));
            const LeituraSan lida = le_san(x, sans.back());
            EXPECT_TRUE(lida.resultado == LeituraSan::um && lida.lance == m)
                << c[0] << " " << sans.back();
            ++lances;
        }
        std::sort(sans.begin(), sans.end());
        std::string todos;
        for (const std::string& s : sans) todos += (todos.empty() ? "" : " ") + s;
        EXPECT_EQ(todos, c[1]) << c[0];
        const LeituraSan jogado = le_san(x, c[2]);
        ASSERT_EQ(jogado.resultado, LeituraSan::um) << c[0] << " " << c[2];
        Posicao y = x;
        joga(y, jogado.lance);
        EXPECT_EQ(fen_comparavel(y), c[3]) << c[0] << " " << c[2];
    }
    EXPECT_GT(linhas, 100);
    std::printf("%d positions, %d moves agree with chess.js\n", linhas, lances);
}

TEST(ChessFen, BadTextsGetTheirReason) {
    struct Caso {
        const char* fen;
        ErroFen erro;
    } const casos[] = {
        {"", ErroFen::campos},
        {"8/8/8/8/8/8/8/K6k w -", ErroFen::campos},
        {"8/8/8/8/8/8/8/K6k w - - 0 1 extra", ErroFen::campos},
        {"8/8/8/8/8/8/8/K6k/8 w - - 0 1", ErroFen::pecas},
        {"8/8/8/8/8/8/K6k w - - 0 1", ErroFen::pecas},
        {"8/8/8/8/8/8/8/K5k w - - 0 1", ErroFen::pecas},
        {"8/8/8/8/8/8/8/K7k w - - 0 1", ErroFen::pecas},
        {"8/8/8/8/8/8/8/K6x w - - 0 1", ErroFen::pecas},
        {"8/8/8/8/8/8/8/K09k w - - 0 1", ErroFen::pecas},
        {"8/8/8/8/8/8/8/K6k W - - 0 1", ErroFen::vez},
        {"8/8/8/8/8/8/8/K6k w KK - 0 1", ErroFen::roques},
        {"8/8/8/8/8/8/8/K6k w Kx - 0 1", ErroFen::roques},
        {"8/8/8/8/8/8/8/K6k w - e9 0 1", ErroFen::en_passant},
        {"8/8/8/8/8/8/8/K6k w - E3 0 1", ErroFen::en_passant},
        {"8/8/8/8/8/8/8/K6k w - - -1 1", ErroFen::contadores},
        {"8/8/8/8/8/8/8/K6k w - - 0 0", ErroFen::contadores},
        {"8/8/8/8/8/8/8/K6k w - - 0 99999999999", ErroFen::contadores},
        {"8/8/8/8/8/8/8/K7 w - - 0 1", ErroFen::reis},
        {"k7/8/8/8/8/8/8/KK6 w - - 0 1", ErroFen::reis},
        {"k6P/8/8/8/8/8/8/K7 w - - 0 1", ErroFen::peao_na_ponta},
        {"k7/8/8/8/8/8/8/K6p b - - 0 1", ErroFen::peao_na_ponta},
        {"k6R/8/8/8/8/8/8/K7 w - - 0 1", ErroFen::xeque_de_quem_nao_move},
        {"k7/8/8/8/8/8/8/K7 w - - 0 1", ErroFen::nenhum},
        {"k7/8/8/8/8/8/8/K7 w - -", ErroFen::nenhum},
    };
    for (const Caso& c : casos) EXPECT_EQ(le_fen(c.fen).erro, c.erro) << c.fen;
}

TEST(ChessFen, MoveNumberZeroReadsAsOneOnlyWhenAsked) {
    const OpcoesFen zero_e_um{.numero_zero_e_um = true};
    const LeituraFen lida = le_fen("8/8/8/8/8/8/8/K6k b - - 3 0", zero_e_um);
    ASSERT_TRUE(lida.ok());
    EXPECT_EQ(escreve_fen(lida.posicao), "8/8/8/8/8/8/8/K6k b - - 3 1");
    EXPECT_EQ(le_fen("8/8/8/8/8/8/8/K6k b - - 3 0").erro, ErroFen::contadores);
    // Everything else is read as without the option.
    for (const char* fen : {"8/8/8/8/8/8/8/K6k w - - 0 x", "8/8/8/8/8/8/8/K6k w - - 0 -1",
                            "8/8/8/8/8/8/8/K6k w - - 0 17", FEN_INICIAL.data()}) {
        EXPECT_EQ(le_fen(fen, zero_e_um).erro, le_fen(fen).erro) << fen;
        EXPECT_TRUE(le_fen(fen, zero_e_um).posicao == le_fen(fen).posicao) << fen;
    }
}

TEST(ChessFen, RightsAndPassedSquareThePiecesDoNotAllowAreDropped) {
    struct Caso {
        const char* lido;
        const char* escrito;
    } const casos[] = {
        {FEN_INICIAL.data(), FEN_INICIAL.data()},
        {"r3k3/8/8/8/8/8/8/4K2R w KQkq - 5 9", "r3k3/8/8/8/8/8/8/4K2R w Kq - 5 9"},
        {"4k2r/8/8/8/8/8/8/R2K4 b KQkq - 0 1", "4k2r/8/8/8/8/8/8/R2K4 b k - 0 1"},
        {"4k3/8/8/3pP3/8/8/8/4K3 w - d6 0 2", "4k3/8/8/3pP3/8/8/8/4K3 w - d6 0 2"},
        {"4k3/8/8/3pP3/8/8/8/4K3 w - e6 0 2", "4k3/8/8/3pP3/8/8/8/4K3 w - - 0 2"},
        {"4k3/8/8/3pP3/8/8/8/4K3 b - d6 0 2", "4k3/8/8/3pP3/8/8/8/4K3 b - - 0 2"},
        {"4k3/8/8/8/3P4/8/8/4K3 b - d3 0 1", "4k3/8/8/8/3P4/8/8/4K3 b - d3 0 1"},
        {"4k3/8/8/8/3P4/8/8/4K3 b - d4 0 1", "4k3/8/8/8/3P4/8/8/4K3 b - - 0 1"},
    };
    for (const Caso& c : casos) {
        const LeituraFen l = le_fen(c.lido);
        ASSERT_TRUE(l.ok()) << c.lido;
        EXPECT_EQ(escreve_fen(l.posicao), c.escrito);
    }
}

TEST(ChessSan, WritingDisambiguatesAndMarks) {
    struct Caso {
        const char* fen;
        const char* coordenadas;
        const char* ingles;
        const char* portugues;
    } const casos[] = {
        {"4k3/8/8/8/8/8/8/1N2KN2 w - - 0 1", "b1d2", "Nbd2", "Cbd2"},
        {"4k3/8/8/R7/8/8/8/R3K3 w - - 0 1", "a1a3", "R1a3", "T1a3"},
        {"k7/8/4Q3/8/4Q1Q1/8/8/4K3 b - - 0 1", "a8b8", "Kb8", "Rb8"},
        {"1k6/8/4Q3/8/4Q1Q1/8/8/4K3 w - - 0 1", "e4f5", "Qe4f5", "De4f5"},
        {"4k3/8/8/8/8/8/8/2N1K1Nr w - - 0 1", "c1e2", "Ne2", "Ce2"},
        {"3rk3/4P3/8/8/8/8/8/4K3 w - - 0 1", "e7d8q", "exd8=Q+", "exd8=D+"},
        {"4k3/8/8/3pP3/8/8/8/4K3 w - d6 0 2", "e5d6", "exd6", "exd6"},
        {"r3k2r/8/8/8/8/8/8/R3K2R b KQkq - 0 1", "e8c8", "O-O-O", "O-O-O"},
        {"6k1/5ppp/8/8/8/8/8/R3K3 w Q - 0 1", "a1a8", "Ra8#", "Ta8#"},
        {"6k1/5ppp/8/8/8/8/8/R3K3 w Q - 0 1", "e1c1", "O-O-O", "O-O-O"},
    };
    for (const Caso& c : casos) {
        const Posicao x = le_fen(c.fen).posicao;
        const Movimento m = *le_coordenadas(c.coordenadas);
        ASSERT_TRUE(legal(x, m)) << c.fen << " " << c.coordenadas;
        EXPECT_EQ(escreve_san(x, m), c.ingles) << c.fen;
        EXPECT_EQ(escreve_san(x, m, PORTUGUES), c.portugues) << c.fen;
    }
}

TEST(ChessSan, ReadingAsPlayersType) {
    constexpr const char* INICIO = "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1";
    constexpr const char* TROCA = "rnbqkbnr/ppp1pppp/8/3p4/4P3/8/PPPP1PPP/RNBQKBNR w KQkq d6 0 2";
    constexpr const char* PASSAGEM = "4k3/8/8/3pP3/8/8/8/4K3 w - d6 0 2";
    constexpr const char* ROQUES_ = "r3k2r/8/8/8/8/8/8/R3K2R w KQkq - 0 1";
    constexpr const char* CAVALOS = "4k3/8/8/8/8/8/8/1N2KN2 w - - 0 1";
    constexpr const char* TORRES = "4k3/8/8/R7/8/8/8/R3K3 w - - 0 1";
    constexpr const char* DAMAS = "1k6/8/4Q3/8/4Q1Q1/8/8/4K3 w - - 0 1";
    constexpr const char* CRAVADO = "4k3/8/8/8/8/8/8/2N1K1Nr w - - 0 1";
    constexpr const char* COROA = "3rk3/4P3/8/8/8/8/8/4K3 w - - 0 1";
    constexpr const char* BISPO = "4k3/8/8/8/8/8/1P6/B3K3 w - - 0 1";
    using R = LeituraSan::Resultado;
    struct Caso {
        const char* fen;
        const char* palavra;
        Letras letras;
        R resultado;
        const char* lance; // coordinates, or the count of candidates for `ambiguo`
    } const casos[] = {
        {INICIO, "e4", INGLES, R::um, "e2e4"},
        {INICIO, "Nf3", INGLES, R::um, "g1f3"},
        {INICIO, "Cf3", INGLES, R::um, "g1f3"},
        {INICIO, "Cf3", PORTUGUES, R::um, "g1f3"},
        {INICIO, "Nf3!?", PORTUGUES, R::um, "g1f3"},
        {INICIO, "e5", INGLES, R::nenhum, ""},
        {INICIO, "Nd4", INGLES, R::nenhum, ""},
        {INICIO, "nf3", INGLES, R::ilegivel, ""},
        {INICIO, "Xf3", INGLES, R::ilegivel, ""},
        {INICIO, "", INGLES, R::ilegivel, ""},
        {INICIO, "e4e5e6", INGLES, R::ilegivel, ""},
        {INICIO, "e9", INGLES, R::ilegivel, ""},
        {INICIO, "O-O", INGLES, R::nenhum, ""},
        {TROCA, "exd5", INGLES, R::um, "e4d5"},
        {TROCA, "ed5", INGLES, R::um, "e4d5"},
        {TROCA, "e:d5", INGLES, R::um, "e4d5"},
        {TROCA, "d5", INGLES, R::nenhum, ""},
        {TROCA, "Qh5", PORTUGUES, R::um, "d1h5"},
        {TROCA, "Dh5+", PORTUGUES, R::um, "d1h5"},
        {PASSAGEM, "exd6", INGLES, R::um, "e5d6"},
        {PASSAGEM, "ed6", INGLES, R::um, "e5d6"},
        {PASSAGEM, "Kd2", INGLES, R::um, "e1d2"},
        {PASSAGEM, "Rd2", PORTUGUES, R::um, "e1d2"},
        {PASSAGEM, "Rd2", INGLES, R::nenhum, ""},
        {ROQUES_, "O-O", INGLES, R::um, "e1g1"},
        {ROQUES_, "0-0", INGLES, R::um, "e1g1"},
        {ROQUES_, "O-O-O", PORTUGUES, R::um, "e1c1"},
        {ROQUES_, "0-0-0+", INGLES, R::um, "e1c1"},
        {ROQUES_, "Kg1", INGLES, R::nenhum, ""},
        {ROQUES_, "Rb1", INGLES, R::um, "a1b1"},
        {ROQUES_, "Tb1", PORTUGUES, R::um, "a1b1"},
        {ROQUES_, "Rf1", INGLES, R::um, "h1f1"},
        {ROQUES_, "Rd1", PORTUGUES, R::um, "e1d1"},
        {CAVALOS, "Nd2", INGLES, R::ambiguo, "2"},
        {CAVALOS, "Nbd2", INGLES, R::um, "b1d2"},
        {CAVALOS, "Nfd2", INGLES, R::um, "f1d2"},
        {CAVALOS, "Nb1d2", INGLES, R::um, "b1d2"},
        {CAVALOS, "Nbxd2", INGLES, R::um, "b1d2"},
        {TORRES, "Ra3", INGLES, R::ambiguo, "2"},
        {TORRES, "R1a3", INGLES, R::um, "a1a3"},
        {TORRES, "T5a3", PORTUGUES, R::um, "a5a3"},
        {DAMAS, "Qf5", INGLES, R::ambiguo, "3"},
        {DAMAS, "Qef5", INGLES, R::ambiguo, "2"},
        {DAMAS, "Qh4e1", INGLES, R::nenhum, ""},
        {DAMAS, "Qe4f5", INGLES, R::um, "e4f5"},
        {DAMAS, "De4f5", PORTUGUES, R::um, "e4f5"},
        {CRAVADO, "Ne2", INGLES, R::um, "c1e2"},
        {COROA, "exd8=Q", INGLES, R::um, "e7d8q"},
        {COROA, "exd8Q", INGLES, R::um, "e7d8q"},
        {COROA, "exd8=N", INGLES, R::um, "e7d8n"},
        {COROA, "exd8=C", INGLES, R::um, "e7d8n"},
        {COROA, "exd8=T", PORTUGUES, R::um, "e7d8r"},
        {COROA, "exd8=D#", PORTUGUES, R::um, "e7d8q"},
        {COROA, "exd8=R", PORTUGUES, R::ilegivel, ""},
        {COROA, "exd8=K", INGLES, R::ilegivel, ""},
        {COROA, "exd8", INGLES, R::ambiguo, "4"},
        {COROA, "e8", INGLES, R::nenhum, ""},
        {"8/P3k3/8/8/8/8/8/4K3 w - - 0 1", "a8", INGLES, R::ambiguo, "4"},
        {"8/P3k3/8/8/8/8/8/4K3 w - - 0 1", "a8N", INGLES, R::um, "a7a8n"},
        {COROA, "exd8=", INGLES, R::ilegivel, ""},
        {COROA, "Ke2=Q", INGLES, R::ilegivel, ""},
        {COROA, "e8=q", INGLES, R::ilegivel, ""},
        {BISPO, "Bb2", INGLES, R::nenhum, ""},
        {BISPO, "b3", INGLES, R::um, "b2b3"},
        {BISPO, "B3", INGLES, R::ilegivel, ""},
    };
    for (const Caso& c : casos) {
        const LeituraSan l = le_san(le_fen(c.fen).posicao, c.palavra, c.letras);
        EXPECT_EQ(l.resultado, c.resultado) << c.fen << " " << c.palavra;
        if (c.resultado == R::um) {
            EXPECT_EQ(escreve_coordenadas(l.lance), c.lance) << c.palavra;
        } else if (c.resultado == R::ambiguo) {
            EXPECT_EQ(std::to_string(l.candidatos.size()), c.lance) << c.palavra;
        }
    }
}

TEST(ChessBoard, SquaresAgreeWithTheConsoleNotationForBothColours) {
    for (const bool maquina_brancas : {true, false}) {
        for (int n = 1; n <= 64; ++n) {
            const int s = casa_de_xadrez(n, maquina_brancas);
            EXPECT_EQ(nome_da_casa(s), texto_da_casa(n, maquina_brancas)) << n;
            EXPECT_EQ(casa_do_tabuleiro(s, maquina_brancas), n);
            EXPECT_EQ(numero_da_casa(nome_da_casa(s)[0], nome_da_casa(s)[1], maquina_brancas), n);
        }
    }
}

TEST(ChessBoard, PositionToBoardAndBack) {
    const Posicao x =
        le_fen("r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq - 0 1").posicao;
    for (const bool maquina_brancas : {true, false}) {
        Tabuleiro t;
        para_tabuleiro(x, maquina_brancas, t);
        EXPECT_EQ(t[numero_da_casa('e', '1', maquina_brancas)], maquina_brancas ? REI : -REI);
        EXPECT_EQ(t[numero_da_casa('e', '7', maquina_brancas)], maquina_brancas ? -DAMA : DAMA);
        EXPECT_EQ(do_tabuleiro(t, maquina_brancas).pecas, x.pecas);
        // The program's own starting position is the ordinary one.
        t.posicao_inicial(!maquina_brancas);
        EXPECT_EQ(do_tabuleiro(t, maquina_brancas).pecas, Posicao::inicial().pecas);
    }
}

} // namespace
} // namespace quelmaro::xadrez
