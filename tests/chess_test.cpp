#include <gtest/gtest.h>

#include "chess/lances.hpp"
#include "chess/posicao.hpp"

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

} // namespace
} // namespace quelmaro::xadrez
