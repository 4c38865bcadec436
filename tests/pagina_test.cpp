// The web page's questions: the end of a game as the page announces it, what
// a pasted text loads, the PGN, the analysis rows and the replies of "why".
// The answers are JSON for the page's script: read here as text.
#include <gtest/gtest.h>

#include <string>

#include "web/pagina.hpp"

namespace quelmaro::web {
namespace {

bool tem(const std::string& s, std::string_view parte) {
    return s.find(parte) != std::string::npos;
}

TEST(Pagina, TheEndOfTheGameAsThePageAnnouncesIt) {
    struct Caso {
        const char *fen, *lances, *fim, *resultado, *texto;
    } casos[] = {
        {"", "f2f3 e7e5 g2g4 d8h4", "mate", "0-1", "Checkmate: Black wins."},
        {"7k/5Q2/6K1/8/8/8/8/8 w - - 0 1", "f7f8", "mate", "1-0", "Checkmate: White wins."},
        {"7k/8/6Q1/8/8/8/8/K7 b - - 0 1", "", "afogamento", "1/2-1/2", "Stalemate!"},
        {"7k/8/8/8/8/8/8/K6n w - - 0 1", "", "material", "1/2-1/2", "Neither side can mate"},
        {"", "g1f3 g8f6 f3g1 f6g8 g1f3 g8f6 f3g1 f6g8", "repeticao", "1/2-1/2", "three times"},
        {"7k/8/8/8/8/8/R7/K7 w - - 99 80", "a2a3", "cinquenta", "1/2-1/2", ""},
        {"", "e2e4", "", "*", ""},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(std::string(c.fen) + " / " + c.lances);
        const std::string e = estado(c.fen, c.lances, true);
        EXPECT_TRUE(tem(e, std::string("\"fim\":\"") + c.fim + "\"")) << e;
        EXPECT_TRUE(tem(e, std::string("\"resultado\":\"") + c.resultado + "\"")) << e;
        EXPECT_TRUE(tem(e, c.texto)) << e;
    }
    // A move that is not legal there, a FEN that is no position: refused.
    EXPECT_TRUE(tem(estado("", "e2e5", true), "\"erro\""));
    EXPECT_TRUE(tem(estado("8/8/8/8 w - - 0 1", "", false), "\"erro\":\"Não foi possível"));
    // The moves in SAN in the language's letters; promotion as four moves.
    EXPECT_TRUE(tem(estado("", "g1f3", false), "\"san\":[\"Cf3\"]"));
    const std::string p = estado("7k/P7/8/8/8/8/8/K7 w - - 0 1", "", true);
    for (const char* m : {"a7a8q", "a7a8r", "a7a8b", "a7a8n"}) EXPECT_TRUE(tem(p, m)) << m;
}

TEST(Pagina, APastedTextLoadsAsAGameOrSaysWhyNot) {
    EXPECT_EQ(carrega("1. e4 e5 2. Nf3 *", true),
              "{\"fen\":\"rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 "
              "1\",\"lances\":\"e2e4 e7e5 g1f3\"}");
    EXPECT_EQ(carrega("8/8/8/8/8/8/8/K6k b - - 3 40\n", true),
              "{\"fen\":\"8/8/8/8/8/8/8/K6k b - - 3 40\",\"lances\":\"\"}");
    EXPECT_EQ(carrega("1. e4 e5 2. Nf9 *", true),
              "{\"erro\":\"The game could not be loaded. Move 2. Nf9 is not a move.\"}");
    EXPECT_TRUE(tem(carrega("[Event \"x\"\n", false), "\"erro\":\"Não foi possível"));
}

TEST(Pagina, ThePgnOfTheGamePlainAndWithReasons) {
    const std::string simples = pgn("", "e2e4 e7e5", "*", false, false, true);
    EXPECT_TRUE(tem(simples, "[Black \"Quelmaro")) << simples;
    EXPECT_TRUE(tem(simples, "1. e4 e5 *")) << simples;
    EXPECT_FALSE(tem(simples, "{"));
    const std::string anotada = pgn("", "e2e4 e7e5", "*", true, false, false);
    EXPECT_TRUE(tem(anotada, "{Quelmaro: e6.")) << anotada;
    EXPECT_TRUE(tem(anotada, "(1... e6)")) << anotada;
    const std::string posicao = pgn("7k/8/8/8/8/8/R7/K7 w - - 0 1", "a2a3", "*", false, true, true);
    EXPECT_TRUE(tem(posicao, "[FEN \"7k/8/8/8/8/8/R7/K7 w - - 0 1\"]")) << posicao;
}

TEST(Pagina, TheAnalysisAndWhyNot) {
    const std::string a = analise("", "e2e4 e7e5", true);
    // One row per candidate, the chosen one marked; the legend's rows.
    EXPECT_TRUE(tem(a,
                    "{\"uci\":\"f1b5\",\"san\":\"Bb5\",\"de\":\"f1\",\"para\":\"b5\",\"regra\":9,"
                    "\"marcas\":\"reply exposes your king\",\"escolhido\":false}"))
        << a;
    EXPECT_TRUE(tem(a, "[\"reply exposes your king\",\"After it, some move of yours")) << a;
    EXPECT_TRUE(tem(a, "\"abertura\":true")) << a;
    // Why not Ba6: a reply takes the bishop there, with the pawn or the knight.
    const std::string r = porque("", "e2e4 e7e5", "f1a6", true);
    EXPECT_TRUE(tem(
        r, "A reply of yours wins my bishop.\\nA follow-up of mine threatens your bishop.\\nRule "
           "48 would choose f1a6, but my fixed opening move came first and chose b2b3."))
        << r;
    EXPECT_TRUE(tem(r, "\"respostas\":[[\"b7\",\"a6\"],[\"b8\",\"a6\"]]")) << r;
    EXPECT_TRUE(tem(porque("", "", "e2e5", false), "\"respostas\":[]"));
}

} // namespace
} // namespace quelmaro::web
