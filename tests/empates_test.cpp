#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "chess/empates.hpp"
#include "chess/lances.hpp"
#include "chess/san.hpp"

namespace quelmaro::xadrez {
namespace {

TEST(Empates, DeadPositionsByMaterial) {
    struct Caso {
        const char* fen;
        bool morta;
    };
    // clang-format off
    const Caso casos[] = {
        {"4k3/8/8/8/8/8/8/4K3 w - - 0 1", true},        // king against king
        {"4k3/8/8/8/8/8/8/2B1K3 w - - 0 1", true},      // and a bishop
        {"4k3/8/8/8/8/8/8/1N2K3 b - - 0 1", true},      // and a knight
        {"4kn2/8/8/8/8/8/8/4K3 w - - 0 1", true},       // Black's knight
        {"2b1k3/8/8/8/8/8/8/2B1K3 w - - 0 1", false},   // bishops on squares of both colours
        {"3bk3/8/8/8/8/8/8/2B1K3 w - - 0 1", true},     // c1 and d8: both dark
        {"4k3/8/8/8/8/8/8/B1B1K3 w - - 0 1", true},     // two bishops of one side, dark
        {"2b1k3/8/8/8/8/8/B7/4K3 w - - 0 1", true},     // c8 and a2: both light
        {"4k3/8/8/8/8/8/8/1NN1K3 w - - 0 1", false},    // two knights can mate with help
        {"4kn2/8/8/8/8/8/8/1N2K3 w - - 0 1", false},    // knight against knight
        {"4kb2/8/8/8/8/8/8/1N2K3 w - - 0 1", false},    // knight against bishop
        {"4k3/8/8/8/8/8/8/1NB1K3 w - - 0 1", false},    // bishop and knight
        {"4k3/8/8/8/8/8/P7/4K3 w - - 0 1", false},      // a pawn
        {"4k3/8/8/8/8/8/8/R3K3 w - - 0 1", false},      // a rook
        {"4k3/8/8/8/8/8/8/3QK3 w - - 0 1", false},      // a queen
    };
    // clang-format on
    for (const Caso& c : casos)
        EXPECT_EQ(material_insuficiente(le_fen(c.fen).posicao), c.morta) << c.fen;
}

// The positions of a game played from the FEN by the SAN moves.
std::vector<Posicao> posicoes(const char* fen, const std::string& sans) {
    std::vector<Posicao> v{le_fen(fen).posicao};
    std::size_t i = 0;
    while (i < sans.size()) {
        const std::size_t fim = std::min(sans.find(' ', i), sans.size());
        Posicao x = v.back();
        const LeituraSan l = le_san(x, sans.substr(i, fim - i));
        EXPECT_EQ(l.resultado, LeituraSan::um) << sans.substr(i, fim - i);
        joga(x, l.lance);
        v.push_back(x);
        i = fim + 1;
    }
    return v;
}

TEST(Empates, ThreefoldRepetitionOfTheSamePosition) {
    struct Caso {
        const char* nome;
        const char* fen;
        const char* lances;
        int vezes; // of the last position
    };
    const char* inicio = "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1";
    // clang-format off
    const Caso casos[] = {
        {"knights out and back twice", inicio, "Nf3 Nf6 Ng1 Ng8 Nf3 Nf6 Ng1 Ng8", 3},
        {"once back", inicio, "Nf3 Nf6 Ng1 Ng8", 2},
        {"the same pieces with the other side to move", inicio, "Nf3 Nf6 Ng1 Ng8 Nc3 Nc6 Nb1", 1},
        {"castling rights lost by the king's walk", "4k3/8/8/8/8/8/8/4K2R w K - 0 1",
         "Kf1 Kd8 Ke1 Ke8 Kf1 Kd8 Ke1 Ke8", 2},
        // After e4 the passed square e3 counts only where d4 can take on it.
        {"a capture in passing possible the first time", "4k3/8/8/8/3p4/8/4P3/4K3 w - - 0 1",
         "e4 Kd7 Kd2 Ke8 Ke1 Kd7 Kd2 Ke8 Ke1", 2},
        {"a passed square with no capture in passing", "4k3/8/8/8/4P3/8/8/4K3 b - e3 0 1",
         "Kd7 Kd2 Ke8 Ke1 Kd7 Kd2 Ke8 Ke1", 3},
        {"a pawn move in between", inicio, "Nf3 Nf6 Ng1 Ng8 e4 e5 Nf3 Nf6 Ng1 Ng8", 2},
    };
    // clang-format on
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        const std::vector<Posicao> v = posicoes(c.fen, c.lances);
        EXPECT_EQ(ocorrencias_da_ultima(v), c.vezes);
        EXPECT_EQ(repeticao_tripla(v), c.vezes >= 3);
    }
    EXPECT_EQ(ocorrencias_da_ultima({}), 0);
}

TEST(Empates, RepetitionKeyPassedSquareOnlyWhenTheCaptureIsLegal) {
    struct Caso {
        const char* fen;
        int en_passant;
    };
    const Caso casos[] = {
        {"4k3/8/8/8/3pP3/8/8/4K3 b - e3 0 1", 20}, // d4 takes on e3
        {"4k3/8/8/8/4P3/8/8/4K3 b - e3 0 1", -1},  // no pawn to take
        // Taking would open the fourth rank from the rook on h4 to the king.
        {"8/8/8/8/k2pP2R/8/8/4K3 b - e3 0 1", -1},
    };
    for (const Caso& c : casos) {
        const LeituraFen l = le_fen(c.fen);
        ASSERT_TRUE(l.ok()) << c.fen;
        EXPECT_EQ(chave_de_repeticao(l.posicao).en_passant, c.en_passant) << c.fen;
    }
}

TEST(Empates, FiftyMovesAtAHalfMoveClockOf100) {
    EXPECT_FALSE(cinquenta_lances(le_fen("4k3/8/8/8/8/8/8/R3K3 w - - 99 80").posicao));
    EXPECT_TRUE(cinquenta_lances(le_fen("4k3/8/8/8/8/8/8/R3K3 w - - 100 80").posicao));
    EXPECT_TRUE(cinquenta_lances(le_fen("4k3/8/8/8/8/8/8/R3K3 b - - 150 80").posicao));
}

} // namespace
} // namespace quelmaro::xadrez
