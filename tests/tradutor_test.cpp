// The parser as a pure function: what one line is. How the front ends read
// their lines (pieces of a hundred characters, "draw", "ping", SAN) is in the
// tests of the console dialog and the xboard session.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <string_view>

#include "frontend/tradutor.hpp"

namespace quelmaro {
namespace {

// A front end's table of command words, as the console's and xboard's are
// made (compared with the start of the line, blanks included).
constexpr std::array<std::string_view, 5> PALAVRAS = {"help ", "why ", "undo", "force", "pgn "};

// What the parser makes of the line: "move e2e4", "word play", "command 1" or
// "nothing".
std::string le(std::string_view linha) {
    // The game's words in the order of Traducao::Palavra.
    constexpr const char* NOMES[] = {"none", "play", "save", "open", "turn",
                                     "quit", "proq", "groq", "nova"};
    const Traducao t = traduz(linha, std::span<const std::string_view>(PALAVRAS));
    switch (t.tipo) {
    case Traducao::Tipo::lance: return "move " + std::string(t.lance.begin(), t.lance.end());
    case Traducao::Tipo::palavra: return std::string("word ") + NOMES[int(t.palavra)];
    case Traducao::Tipo::comando: return "command " + std::to_string(t.comando);
    case Traducao::Tipo::nada: break;
    }
    return "nothing";
}

TEST(traduz, MovesWordsAndLinesReadPast) {
    struct Caso {
        const char* linha;
        const char* lido;
    };
    // clang-format off
    const Caso casos[] = {
        {"e2e4", "move e2e4"}, {"e2-e4", "move e2e4"}, {"e2xe4", "move e2e4"}, {"e4xd5", "move e4d5"},
        {"Pe2e4", "move e2e4"}, {"Be2e4", "move e2e4"}, {"De2e4", "move e2e4"}, {"Nb1a3", "move b1a3"},
        {"Cb1a3", "move b1a3"}, {"Kb1a3", "move b1a3"}, {"Qb1-a3", "move b1a3"}, {"Rh1h3", "move h1h3"},
        {"e2e4 and more", "move e2e4"}, {"h8a1", "move h8a1"}, {"e7e8q", "move e7e8"},
        {"E2E4", "nothing"}, {"e2e9", "nothing"}, {"i2i4", "nothing"}, {"Ta1a3", "nothing"}, {"", "nothing"},
        {"NBe2e4", "nothing"}, {"e2+e4", "nothing"}, {"e0e4", "nothing"}, {" e2e4", "nothing"},
        {"go", "word play"}, {"go now", "word play"}, {"gone", "nothing"}, {"GO", "word play"},
        {"Go", "word play"}, {"gO", "nothing"}, {"play", "word play"}, {"PLAY", "word play"},
        {"Play", "word play"}, {"plaY", "nothing"},
        {"save", "word save"}, {"save game", "word save"}, {"open", "word open"}, {"load", "word open"},
        {"turn", "word turn"}, {"reverse", "word turn"}, {"revers", "nothing"},
        {"quit", "word quit"}, {"exit", "word quit"},
        {"O-O", "word proq"}, {"o-o", "word proq"}, {"0-0", "word proq"}, {"O-O-O", "word groq"},
        {"o-o-o", "word groq"}, {"0-0-0", "nothing"}, {"O-O+", "nothing"},
        {"new", "word nova"}, {"new game", "word nova"}, {"news", "nothing"},
        {"nova", "nothing"}, {"proq", "nothing"}, {"groq", "nothing"},
        // the front end's words, in the table's order
        {"help", "command 0"}, {"help me", "command 0"}, {"helpful", "nothing"}, {"why", "command 1"},
        {"why not", "command 1"}, {"whys", "nothing"}, {"undo", "command 2"}, {"undone", "command 2"},
        {"force", "command 3"}, {"pgn", "command 4"}, {"pgns", "nothing"}, {"PGN", "nothing"},
        {"result 1-0", "nothing"}, {"remove", "nothing"},
    };
    // clang-format on
    for (const Caso& c : casos) EXPECT_EQ(le(c.linha), c.lido) << c.linha;
}

// The game's words come before the front end's, and without a table only
// they are words.
TEST(traduz, TheGamesWordsFirstThenTheTable) {
    const std::string_view tabela[] = {"go", "new ", "e2e4"};
    const auto tipo = [&](std::string_view l) {
        return traduz(l, std::span<const std::string_view>(tabela)).tipo;
    };
    EXPECT_EQ(tipo("go"), Traducao::Tipo::palavra);
    EXPECT_EQ(tipo("new"), Traducao::Tipo::palavra);
    EXPECT_EQ(tipo("e2e4"), Traducao::Tipo::comando);
    EXPECT_EQ(traduz("help").tipo, Traducao::Tipo::nada);
    EXPECT_EQ(traduz("save").tipo, Traducao::Tipo::palavra);
}

TEST(traduz, WhatFollowsAWord) {
    struct Caso {
        const char* linha;
        const char* argumento;
        const char* resto;
    };
    const Caso casos[] = {
        {"why e7e5", "e7e5", "e7e5"},
        {"why   e7-e5  \r", "e7-e5", "  e7-e5  \r"},
        {"why", "", ""},
        {"why \t", "", "\t"},
        {"why Nf6 now", "Nf6 now", "Nf6 now"},
        {"pgn partida", "partida", "partida"},
        {"go now", "now", "now"},
        {"e2e4 now", "", ""}, // a move has none
    };
    for (const Caso& c : casos) {
        const Traducao t = traduz(c.linha, std::span<const std::string_view>(PALAVRAS));
        EXPECT_EQ(t.argumento, c.argumento) << c.linha;
        EXPECT_EQ(t.resto, c.resto) << c.linha;
    }
}

TEST(traduz, PromotionLetterOnlyRightAfterAPlainMove) {
    struct Caso {
        const char* linha;
        char letra;
    };
    // clang-format off
    const Caso casos[] = {
        {"e7e8q", 'q'}, {"e7e8n", 'n'}, {"a7a8b", 'b'}, {"h7h8r", 'r'}, {"e7d8q", 'q'},
        {"e2e1q", 'q'}, {"e7e8q now", 'q'},
        {"e7e8Q", '\0'}, {"e7e8k", '\0'}, {"e7-e8q", '\0'}, {"Pe7e8q", '\0'}, {"e7e8", '\0'},
        {"e7e9q", '\0'},
    };
    // clang-format on
    for (const Caso& c : casos) EXPECT_EQ(traduz(c.linha).promocao_caracter, c.letra) << c.linha;
}

// The parser takes a front end's table of command rows by their words.
TEST(traduz, ATableOfCommandRows) {
    struct Linha {
        std::string_view palavra;
        int outro;
    };
    const Linha comandos[] = {{"draw", 1}, {"hint ", 2}};
    const Traducao t = traduz("hint e2e4", comandos);
    EXPECT_EQ(t.tipo, Traducao::Tipo::comando);
    EXPECT_EQ(t.comando, 1);
    EXPECT_EQ(t.argumento, "e2e4");
    EXPECT_EQ(traduz("hints", comandos).tipo, Traducao::Tipo::nada);
}

} // namespace
} // namespace quelmaro
