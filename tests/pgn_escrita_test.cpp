#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "chess/pgn_escrita.hpp"
#include "chess/pgn_leitura.hpp"

namespace quelmaro::xadrez {
namespace {

Movimento lance(const std::string& c) { return *le_coordenadas(c); }
std::vector<Movimento> lances(const std::vector<std::string>& v) {
    std::vector<Movimento> m;
    for (const std::string& c : v) m.push_back(lance(c));
    return m;
}
Posicao posicao(const std::string& fen) {
    return fen.empty() ? Posicao::inicial() : le_fen(fen).posicao;
}

// The tags the console game writes: the roster with its fixed values, then
// SetUp and FEN for a game from a set-up position.
std::string cabecalho(const std::string& resultado, const std::string& fen) {
    std::string s = "[Event \"Quelmaro game\"]\n[Site \"?\"]\n[Date \"2026.01.02\"]\n"
                    "[Round \"-\"]\n[White \"Player\"]\n[Black \"Quelmaro\"]\n[Result \"" +
                    resultado + "\"]\n";
    if (!fen.empty()) s += "[SetUp \"1\"]\n[FEN \"" + fen + "\"]\n";
    return s + "\n";
}

// Games without comments or variations, with the text they are written as.
// The same text came from the console game's earlier writer, checked against
// it when these strings were written.
TEST(PgnEscrita, GamesWithoutAnnotationsAsTheConsoleGameWritesThem) {
    struct Caso {
        const char* nome;
        std::string fen; // empty: the ordinary start
        std::vector<std::string> lances;
        const char* resultado; // as the game had it
        const char* escrito;   // the result tag's value, then the move text
        const char* lances_escritos;
    };
    std::vector<std::string> vaivem;
    for (int i = 0; i < 12; ++i)
        for (const char* l : {"g1f3", "g8f6", "f3g1", "f6g8"}) vaivem.push_back(l);
    vaivem.push_back("e2e4");
    // clang-format off
    const Caso casos[] = {
        {"result kept", "", {"e2e4", "e7e5", "g1f3"}, "1/2-1/2", "1/2-1/2",
         "1. e4 e5 2. Nf3 1/2-1/2\n"},
        {"mate decides the result", "", {"e2e4", "e7e5", "f1c4", "b8c6", "d1h5", "g8f6", "h5f7"},
         "*", "1-0", "1. e4 e5 2. Bc4 Nc6 3. Qh5 Nf6 4. Qxf7# 1-0\n"},
        {"stalemate decides the result", "7k/8/6K1/8/8/8/8/5Q2 w - - 0 1", {"f1f7"}, "1-0",
         "1/2-1/2", "1. Qf7 1/2-1/2\n"},
        {"black first", "rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR b KQkq - 0 12",
         {"e7e5", "d2d4"}, "*", "*", "12... e5 13. d4 *\n"},
        {"cut short at an illegal move", "", {"e2e4", "e7e4", "d2d4"}, "1-0", "*", "1. e4 *\n"},
        {"wrapped before 80 columns", "", vaivem, "0-1", "0-1",
         "1. Nf3 Nf6 2. Ng1 Ng8 3. Nf3 Nf6 4. Ng1 Ng8 5. Nf3 Nf6 6. Ng1 Ng8 7. Nf3 Nf6 8.\n"
         "Ng1 Ng8 9. Nf3 Nf6 10. Ng1 Ng8 11. Nf3 Nf6 12. Ng1 Ng8 13. Nf3 Nf6 14. Ng1 Ng8\n"
         "15. Nf3 Nf6 16. Ng1 Ng8 17. Nf3 Nf6 18. Ng1 Ng8 19. Nf3 Nf6 20. Ng1 Ng8 21. Nf3\n"
         "Nf6 22. Ng1 Ng8 23. Nf3 Nf6 24. Ng1 Ng8 25. e4 0-1\n"},
        {"passing, castling, promotion", "r3k2r/6P1/8/3pP3/8/8/8/4K2R w Kkq d6 0 1",
         {"e5d6", "e8c8", "g7h8q", "c8b7", "e1g1"}, "*", "*",
         "1. exd6 O-O-O 2. gxh8=Q Kb7 3. O-O *\n"},
        {"no moves", "4k3/8/8/8/8/8/8/4K3 w - - 0 1", {}, "1/2-1/2", "1/2-1/2", "1/2-1/2\n"},
        {"no moves, a win kept", "4k3/8/8/8/8/8/8/4K3 w - - 0 1", {}, "1-0", "1-0", "1-0\n"},
        // The moves in SAN: what each kind of move is written as.
        {"mate by Black", "", {"f2f3", "e7e5", "g2g4", "d8h4"}, "*", "0-1",
         "1. f3 e5 2. g4 Qh4# 0-1\n"},
        {"check", "", {"e2e4", "f7f6", "d1h5"}, "*", "*", "1. e4 f6 2. Qh5+ *\n"},
        {"castling both sides", "r3k2r/8/8/8/8/8/8/R3K2R w KQkq - 0 1", {"e1g1", "e8c8"}, "*", "*",
         "1. O-O O-O-O *\n"},
        {"file disambiguation", "4k3/8/8/8/8/8/8/1N2KN2 w - - 0 1", {"b1d2"}, "*", "*",
         "1. Nbd2 *\n"},
        {"rank disambiguation", "4k3/8/8/R7/8/8/8/R3K3 w - - 0 1", {"a1a3"}, "*", "*",
         "1. R1a3 *\n"},
        {"full disambiguation", "k7/8/4Q3/8/4Q1Q1/8/8/4K3 w - - 0 1", {"e4f5"}, "*", "*",
         "1. Qe4f5 *\n"},
        {"pinned piece needs no disambiguation", "4k3/8/8/8/8/8/8/2N1K1Nr w - - 0 1", {"c1e2"}, "*",
         "*", "1. Ne2 *\n"},
        {"promotion with capture", "3rk3/4P3/8/8/8/8/8/4K3 w - - 0 1", {"e7d8q"}, "*", "*",
         "1. exd8=Q+ *\n"},
        {"under-promotion", "8/P3k3/8/8/8/8/8/4K3 w - - 0 1", {"a7a8n"}, "*", "*", "1. a8=N *\n"},
        {"en passant after a double step", "4k3/8/8/8/3p4/8/4P3/4K3 w - - 0 1", {"e2e4", "d4e3"},
         "*", "*", "1. e4 dxe3 *\n"},
    };
    // clang-format on
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        const std::string esperado = cabecalho(c.escrito, c.fen) + c.lances_escritos + "\n";
        JogoParaEscrever j;
        j.tags = tags_de({.evento = "Quelmaro game",
                          .local = "?",
                          .data = "2026.01.02",
                          .rodada = "-",
                          .brancas = "Player",
                          .pretas = "Quelmaro"});
        j.inicio = posicao(c.fen);
        j.lances = lances(c.lances);
        j.resultado = c.resultado;
        EXPECT_EQ(escreve_pgn(j), esperado);
    }
}

TEST(PgnEscrita, TagsRosterFirstThenSetUpThenTheRest) {
    JogoParaEscrever j;
    j.inicio = le_fen("4k3/8/8/8/8/8/8/4K2R w K - 0 1").posicao;
    j.tags = {
        {"ECO", "A00"},    {"White", "A \"B\" C\\D"}, {"FEN", "ignored"}, {"Annotator", "x\ny"},
        {"bad name", "v"}, {"ECO", "twice"},          {"Result", "1-0"},  {"Event", "E"}};
    j.resultado = "0-1";
    EXPECT_EQ(escreve_pgn(j), "[Event \"E\"]\n[Site \"?\"]\n[Date \"????.??.??\"]\n[Round \"?\"]\n"
                              "[White \"A \\\"B\\\" C\\\\D\"]\n[Black \"?\"]\n[Result \"0-1\"]\n"
                              "[SetUp \"1\"]\n[FEN \"4k3/8/8/8/8/8/8/4K2R w K - 0 1\"]\n"
                              "[ECO \"A00\"]\n[Annotator \"x y\"]\n\n0-1\n\n");
    j.resultado = "draw";
    EXPECT_NE(escreve_pgn(j).find("[Result \"*\"]"), std::string::npos);
    // The escaped value reads back as it was.
    const LeituraPgn l = le_pgn(escreve_pgn(j));
    ASSERT_TRUE(l.ok());
    EXPECT_EQ(l.tags[4].second, "A \"B\" C\\D");
}

TEST(PgnEscrita, CommentsAndVariationsWithTheirMoveNumbers) {
    struct Caso {
        const char* nome;
        std::string fen;
        std::vector<std::string> lances;
        std::string inicial;
        std::vector<Anotacao> anotacoes;
        const char* texto; // the move text
        std::size_t lidos; // moves of the mainline read back
    };
    const std::string preta_primeiro =
        "rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR b KQkq - 0 12";
    // clang-format off
    const Caso casos[] = {
        {"comments after moves, and black's number after one", "", {"e2e4", "e7e5", "g1f3"}, "",
         {{"best by test", {}}, {}, {"develops", {}}},
         "1. e4 {best by test} 1... e5 2. Nf3 {develops} *", 3},
        {"comment before the first move, braces and blanks inside", "", {"d2d4"},
         "  before\n\tit ", {{"a {b} c}", {}}},
         "{before it} 1. d4 {a (b) c)} *", 1},
        {"blank comments are none", "", {"d2d4", "d7d5"}, " \n", {{" ", {}}}, "1. d4 d5 *", 2},
        {"variation from black's move", preta_primeiro, {"e7e5", "d2d4"}, "",
         {{"", {{lances({"g8f6", "f1c4"}), ""}}}},
         "12... e5 (12... Nf6 13. Bc4) 13. d4 *", 2},
        {"variations of white's move with comments, two of them", "", {"e2e4", "e7e5"}, "",
         {{"main", {{lances({"d2d4", "d7d5", "c2c4"}), "queen's gambit"}, {lances({"c2c4"}), ""}}}},
         "1. e4 {main} (1. d4 d5 2. c4 {queen's gambit}) (1. c4) 1... e5 *", 2},
        {"a variation cut at an illegal move, one left out", "", {"e2e4", "e7e5"}, "",
         {{}, {"", {{lances({"c7c5", "e1e3", "b8c6"}), ""}, {lances({"e8e7"}), "never"}}}},
         "1. e4 e5 (1... c5) *", 2},
        {"annotations of moves cut away are not written", "", {"e2e4", "e2e4"}, "",
         {{}, {"lost", {}}}, "1. e4 *", 1},
    };
    // clang-format on
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        JogoParaEscrever j;
        j.inicio = posicao(c.fen);
        j.lances = lances(c.lances);
        j.comentario_inicial = c.inicial;
        j.anotacoes = c.anotacoes;
        const std::string s = escreve_pgn(j);
        const std::string texto = s.substr(s.find("\n\n") + 2);
        EXPECT_EQ(texto, std::string(c.texto) + "\n\n");
        // The mainline reads back.
        const LeituraPgn l = le_pgn(s);
        ASSERT_TRUE(l.ok()) << s;
        EXPECT_EQ(l.partida.inicio, j.inicio);
        EXPECT_EQ(l.partida.lances.size(), c.lidos);
    }
}

// Annotations kept from a file are written as they are, when they are only
// comments, NAGs and variations; the move's own comment right after the move
// and its NAGs, inside the file's comment that stands there.
TEST(PgnEscrita, OriginalAnnotationsOnlyWhenTheyCannotBreakTheGame) {
    struct Caso {
        const char* original;
        bool escrito;
        const char* com_o_nosso = ""; // after the move, with our comment "new"
    };
    const Caso casos[] = {
        {"{a comment} $1 (1. d4 {q} d5 (1... Nf6) 2. c4) $14", true,
         "{a comment new} $1 (1. d4 {q} d5 (1... Nf6) 2. c4) $14"},
        {"(1. Zz9 {moves in variations are not checked})", true,
         "{new} (1. Zz9 {moves in variations are not checked})"},
        {"$1 $13 {good} (1. d4)", true, "$1 $13 {good new} (1. d4)"},
        {"$2 (1. d4) {after}", true, "$2 {new} (1. d4) {after}"},
        {"{}", true, "{new}"},
        {"{never closed", false},
        {"(1. d4", false},
        {"(1. d4))", false},
        {"; rest of the line", false},
        {"1. d4", false},
        {"(1. d4 1-0)", false},
        {"(1. d4 *)", false},
        {"$", false},
        {"[Event \"x\"]", false},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.original);
        JogoParaEscrever j;
        j.lances = lances({"e2e4", "e7e5"});
        j.anotacoes = {{"new", {}, c.original}};
        j.original_inicial = c.original;
        const std::string s = escreve_pgn(j);
        std::string texto = s.substr(s.find("\n\n") + 2); // on one line
        std::replace(texto.begin(), texto.end(), '\n', ' ');
        const std::string com =
            std::string(c.original) + " 1. e4 " + c.com_o_nosso + " 1... e5 *  ";
        EXPECT_EQ(texto, c.escrito ? com : "1. e4 {new} 1... e5 *  ");
        const LeituraPgn l = le_pgn(s);
        ASSERT_TRUE(l.ok()) << s;
        EXPECT_EQ(l.partida.lances, j.lances);
    }
}

TEST(PgnEscrita, LongCommentsWrapWithTheMoves) {
    JogoParaEscrever j;
    j.lances = lances({"e2e4"});
    std::string longo;
    for (int i = 0; i < 40; ++i) longo += "word" + std::to_string(i) + (i % 7 == 6 ? " %% " : " ");
    j.anotacoes = {{longo, {}}};
    const std::string s = escreve_pgn(j);
    std::size_t inicio = 0, maior = 0, linhas = 0;
    for (std::size_t fim; (fim = s.find('\n', inicio)) != std::string::npos;
         inicio = fim + 1, ++linhas)
        maior = std::max(maior, fim - inicio);
    EXPECT_LE(maior, 82u); // a "%%" word stays at the end of its line
    EXPECT_GT(linhas, 10u);
    EXPECT_EQ(s.find("\n%"), std::string::npos) << s;
    EXPECT_EQ(le_pgn(s).partida.lances, j.lances);
    EXPECT_NE(s.find("1. e4 {word0 word1"), std::string::npos) << s;
    EXPECT_NE(s.find("word39} *\n"), std::string::npos) << s;
}

} // namespace
} // namespace quelmaro::xadrez
