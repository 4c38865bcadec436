#include <gtest/gtest.h>

#include "chess/lances.hpp"
#include "chess/pgn_escrita.hpp"

namespace quelmaro::xadrez {
namespace {

Movimento lance(const std::string& coordenadas) {
    const std::optional<Movimento> m = le_coordenadas(coordenadas);
    EXPECT_TRUE(m) << coordenadas;
    return m.value_or(Movimento{});
}

// The move text of a game given as coordinate moves ("e2e4", "e7e8q").
std::string texto(const std::vector<std::string>& lances, const std::string& fen_inicial = "") {
    JogoParaEscrever p;
    if (!fen_inicial.empty()) p.inicio = le_fen(fen_inicial).posicao;
    for (const std::string& l : lances) p.lances.push_back(lance(l));
    const std::string s = escreve_pgn(p);
    const std::size_t corpo = s.find("\n\n");
    return s.substr(corpo + 2, s.size() - corpo - 4);
}

TEST(Pgn, StandardAlgebraicNotation) {
    struct Caso {
        const char* nome;
        std::vector<std::string> lances;
        std::string fen;
        std::string esperado;
    };
    const Caso casos[] = {
        {"pawn and piece moves", {"e2e4", "e7e5", "g1f3"}, "", "1. e4 e5 2. Nf3 *"},
        {"mate",
         {"e2e4", "e7e5", "f1c4", "b8c6", "d1h5", "g8f6", "h5f7"},
         "",
         "1. e4 e5 2. Bc4 Nc6 3. Qh5 Nf6 4. Qxf7# 1-0"},
        {"mate by Black", {"f2f3", "e7e5", "g2g4", "d8h4"}, "", "1. f3 e5 2. g4 Qh4# 0-1"},
        {"stalemate", {"f1f7"}, "7k/8/6K1/8/8/8/8/5Q2 w - - 0 1", "1. Qf7 1/2-1/2"},
        {"check", {"e2e4", "f7f6", "d1h5"}, "", "1. e4 f6 2. Qh5+ *"},
        {"castling both sides",
         {"e1g1", "e8c8"},
         "r3k2r/8/8/8/8/8/8/R3K2R w KQkq - 0 1",
         "1. O-O O-O-O *"},
        {"file disambiguation", {"b1d2"}, "4k3/8/8/8/8/8/8/1N2KN2 w - - 0 1", "1. Nbd2 *"},
        {"rank disambiguation", {"a1a3"}, "4k3/8/8/R7/8/8/8/R3K3 w - - 0 1", "1. R1a3 *"},
        {"full disambiguation", {"e4f5"}, "k7/8/4Q3/8/4Q1Q1/8/8/4K3 w - - 0 1", "1. Qe4f5 *"},
        {"pinned piece needs no disambiguation",
         {"c1e2"},
         "4k3/8/8/8/8/8/8/2N1K1Nr w - - 0 1",
         "1. Ne2 *"},
        {"promotion with capture", {"e7d8q"}, "3rk3/4P3/8/8/8/8/8/4K3 w - - 0 1", "1. exd8=Q+ *"},
        {"under-promotion", {"a7a8n"}, "8/P3k3/8/8/8/8/8/4K3 w - - 0 1", "1. a8=N *"},
        {"en passant", {"e2e4", "d4e3"}, "4k3/8/8/8/3p4/8/4P3/4K3 w - - 0 1", "1. e4 dxe3 *"},
        {"black to move first",
         {"e7e5"},
         "rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR b KQkq - 0 1",
         "1... e5 *"},
        {"an illegal move ends the list", {"e2e4", "e7e4"}, "", "1. e4 *"},
    };
    for (const Caso& c : casos) EXPECT_EQ(texto(c.lances, c.fen), c.esperado) << c.nome;
}

TEST(Pgn, TagRosterAndSetUp) {
    JogoParaEscrever p;
    p.tags = tags_de({.evento = "Quelmaro game",
                      .data = "2026.12.07",
                      .rodada = "-",
                      .brancas = "Player",
                      .pretas = "Quelmaro"});
    p.resultado = "1-0";
    p.inicio = le_fen("4k3/8/8/8/8/8/8/4K3 w - - 0 1").posicao;
    const std::string s = escreve_pgn(p);
    EXPECT_EQ(s, "[Event \"Quelmaro game\"]\n[Site \"?\"]\n[Date \"2026.12.07\"]\n[Round \"-\"]\n"
                 "[White \"Player\"]\n[Black \"Quelmaro\"]\n[Result \"1-0\"]\n[SetUp \"1\"]\n"
                 "[FEN \"4k3/8/8/8/8/8/8/4K3 w - - 0 1\"]\n\n1-0\n\n");
}

TEST(Pgn, LongGamesWrapBefore80Columns) {
    std::vector<std::string> vaivem;
    for (int i = 0; i < 20; ++i)
        for (const char* l : {"g1f3", "g8f6", "f3g1", "f6g8"}) vaivem.push_back(l);
    JogoParaEscrever p;
    for (const std::string& l : vaivem) p.lances.push_back(lance(l));
    const std::string s = escreve_pgn(p);
    std::size_t inicio = 0, maior = 0;
    for (std::size_t fim; (fim = s.find('\n', inicio)) != std::string::npos; inicio = fim + 1)
        maior = std::max(maior, fim - inicio);
    EXPECT_LT(maior, 80u);
    EXPECT_NE(s.find("Ng1 Ng8 *"), std::string::npos) << s;
}

} // namespace
} // namespace quelmaro::xadrez
