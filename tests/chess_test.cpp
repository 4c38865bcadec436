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

} // namespace
} // namespace quelmaro::xadrez
