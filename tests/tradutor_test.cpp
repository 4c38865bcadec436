#include <gtest/gtest.h>

#include <sstream>

#include "driver/tradutor.hpp"

namespace quelmaro {
namespace {

// What the parser makes of the text typed, one or more lines, until it
// returns: its four characters and the promotion letter, or "end" when the
// input ended first, and what it printed.
struct Leitura {
    std::string saida;
    char letra;
    std::string impresso;
};

Leitura le(const std::string& entrada, bool winboard = false, int lance_do_jogo = 0,
           int tira_casa = 0) {
    std::istringstream in(entrada);
    std::ostringstream out;
    ConsoleDeFluxo console(in, out);
    Tradutor t(console, Xboard{.Winboard = winboard});
    Tabuleiro tabuleiro;
    tabuleiro.posicao_inicial(true);
    if (tira_casa) tabuleiro.poe(tira_casa, VAZIO);
    try {
        t.le(tabuleiro, lance_do_jogo);
    } catch (const FimDoPrograma&) {
        return {"end", t.promocao_caracter, out.str()};
    }
    return {std::string(t.saidatrad.begin(), t.saidatrad.end()), t.promocao_caracter, out.str()};
}

TEST(Tradutor, MovesWordsAndLinesReadPast) {
    struct Caso {
        const char* linha;
        const char* saida; // "end": read past (the input ends after it)
    };
    // clang-format off
    const Caso casos[] = {
        {"e2e4", "e2e4"}, {"e2-e4", "e2e4"}, {"e2xe4", "e2e4"}, {"e4xd5", "e4d5"},
        {"Pe2e4", "e2e4"}, {"Be2e4", "e2e4"}, {"De2e4", "e2e4"}, {"Nb1a3", "b1a3"},
        {"Cb1a3", "b1a3"}, {"Kb1a3", "b1a3"}, {"Qb1-a3", "b1a3"}, {"Rh1h3", "h1h3"},
        {"e2e4 and more", "e2e4"}, {"h8a1", "h8a1"},
        {"E2E4", "end"}, {"e2e9", "end"}, {"i2i4", "end"}, {"Ta1a3", "end"}, {"", "end"},
        {"NBe2e4", "end"}, {"e2+e4", "end"}, {"e0e4", "end"}, {" e2e4", "end"},
        {"go", "play"}, {"go now", "play"}, {"gone", "end"}, {"GO", "play"}, {"Go", "play"},
        {"gO", "end"}, {"play", "play"}, {"PLAY", "play"}, {"Play", "play"}, {"plaY", "end"},
        {"save", "save"}, {"save game", "save"}, {"open", "open"}, {"load", "open"},
        {"turn", "turn"}, {"reverse", "turn"}, {"revers", "end"},
        {"quit", "quit"}, {"exit", "quit"},
        {"O-O", "proq"}, {"o-o", "proq"}, {"0-0", "proq"}, {"O-O-O", "groq"}, {"o-o-o", "groq"},
        {"0-0-0", "end"}, {"O-O+", "end"},
        {"new", "nova"}, {"new game", "nova"}, {"news", "end"},
        {"nova", "end"}, {"proq", "end"}, {"groq", "end"},
        {"force", "end"}, {"remove", "end"}, {"result 1-0", "end"},
        {"help", "help"}, {"help me", "help"}, {"helpful", "end"}, {"why", "why "},
        {"why not", "why "}, {"whys", "end"}, {"hint", "hint"}, {"hints", "end"},
        {"undo", "undo"}, {"pgn", "pgn "}, {"pgn now", "pgn "}, {"pgns", "end"}, {"PGN", "end"},
    };
    // clang-format on
    for (const Caso& c : casos)
        EXPECT_EQ(le(std::string(c.linha) + "\n").saida, c.saida) << c.linha;
}

TEST(Tradutor, WhatFollowsACommandWord) {
    struct Caso {
        const char* linhas;
        const char* saida;
        const char* argumento;
    };
    const Caso casos[] = {
        {"why e7e5\n", "why ", "e7e5"},
        {"why   e7-e5  \r\n", "why ", "e7-e5"},
        {"why\n", "why ", ""},
        {"why \t\n", "why ", ""},
        {"why Nf6 now\n", "why ", "Nf6 now"},
        {"pgn partida\n", "pgn ", "partida"},
        {"why e7e5\ne2e4\n", "why ", "e7e5"},
    };
    for (const Caso& c : casos) {
        std::istringstream in(c.linhas);
        std::ostringstream out;
        ConsoleDeFluxo console(in, out);
        Tradutor t(console, Xboard{.Winboard = false});
        Tabuleiro tabuleiro;
        t.le(tabuleiro, 0);
        EXPECT_EQ(std::string(t.saidatrad.begin(), t.saidatrad.end()), c.saida) << c.linhas;
        EXPECT_EQ(t.argumento, c.argumento) << c.linhas;
    }
    // A move after a word with an argument has none.
    std::istringstream in("why e7e5\ne2e4\n");
    std::ostringstream out;
    ConsoleDeFluxo console(in, out);
    Tradutor t(console, Xboard{.Winboard = false});
    Tabuleiro tabuleiro;
    t.le(tabuleiro, 0);
    t.le(tabuleiro, 0);
    EXPECT_EQ(t.argumento, "");
}

TEST(Tradutor, EngineBuildWords) {
    struct Caso {
        const char* linha;
        const char* saida;
    };
    // clang-format off
    const Caso casos[] = {
        {"force", "forc"}, {"undo", "undo"}, {"remove", "remo"}, {"result 1-0 {White mates}", "resu"},
        {"xboard", "end"}, {"random", "end"}, {"level 40 5 0", "end"}, {"post", "post"}, {"nopost", "nopo"},
        {"setboard 8/8 w", "setb"},
        {"hard", "end"}, {"easy", "end"}, {"time 3000", "end"}, {"otim 3000", "end"},
        {"?", "end"}, {"accepted done", "end"}, {"new", "nova"}, {"go", "play"}, {"e7e8q", "e7e8"},
        {"hint", "hint"}, {"pgn", "pgn "}, {"help", "end"}, {"why", "end"},
    };
    // clang-format on
    for (const Caso& c : casos)
        EXPECT_EQ(le(std::string(c.linha) + "\n", true).saida, c.saida) << c.linha;
}

TEST(Tradutor, PromotionLetterBelongsToItsLine) {
    struct Caso {
        const char* entrada;
        const char* saida;
        char letra;
    };
    // clang-format off
    const Caso casos[] = {
        {"e7e8q\n", "e7e8", 'q'}, {"e7e8n\n", "e7e8", 'n'}, {"a7a8b\n", "a7a8", 'b'},
        {"h7h8r\n", "h7h8", 'r'}, {"e7d8q\n", "e7d8", 'q'}, {"e2e1q\n", "e2e1", 'q'},
        {"e7e8Q\n", "e7e8", '\0'}, {"e7e8k\n", "e7e8", '\0'}, {"e7-e8q\n", "e7e8", '\0'},
        {"Pe7e8q\n", "e7e8", '\0'}, {"e7e8\n", "e7e8", '\0'},
        // a letter on a line read past is gone when the next line is read
        {"e7e9q\ne7e8\n", "e7e8", '\0'},
    };
    // clang-format on
    for (const Caso& c : casos) {
        const Leitura l = le(c.entrada, true);
        EXPECT_EQ(l.saida, c.saida) << c.entrada;
        EXPECT_EQ(l.letra, c.letra) << c.entrada;
    }
}

TEST(Tradutor, DrawOfferNeedsElevenMovesAndNoMaterialLead) {
    struct Caso {
        int lance_do_jogo;
        int tira_casa; // a square emptied in the starting position (player White)
        bool oferece;
    };
    // clang-format off
    const Caso casos[] = {
        {11, 0, true}, {10, 0, false}, {30, 0, true},
        {11, 49, false}, // the computer a pawn up
        {11, 9, true},   // the player a pawn up
    };
    // clang-format on
    for (const Caso& c : casos) {
        const Leitura l = le("draw\ne2e4\n", false, c.lance_do_jogo, c.tira_casa);
        EXPECT_EQ(l.saida, "e2e4");
        EXPECT_EQ(l.impresso, c.oferece ? "offer draw\n" : "")
            << c.lance_do_jogo << " " << c.tira_casa;
    }
}

TEST(Tradutor, ProtocolQuestionsAnsweredInTheEngineBuildOnly) {
    const std::string recursos =
        "feature myname=\"Quelmaro\" ping=1 setboard=1 usermove=0 san=0 time=0 draw=1 sigint=0 "
        "sigterm=0 reuse=1 analyze=0 colors=0 done=1\n";
    EXPECT_EQ(le("protover 2\nping 7\nping\ne2e4\n", true).impresso, recursos + "pong 7\npong \n");
    const Leitura console = le("protover 2\nping 7\ne2e4\n", false);
    EXPECT_EQ(console.impresso, "");
    EXPECT_EQ(console.saida, "e2e4");
}

TEST(Tradutor, LongLineIsReadInPiecesOfAHundred) {
    // The first hundred characters are read past; the rest is a line of its own.
    EXPECT_EQ(le(std::string(100, 'x') + "e2e4\n").saida, "e2e4");
    EXPECT_EQ(le(std::string(99, 'x') + "e2e4\n").saida, "end");
    EXPECT_EQ(le("e2e4" + std::string(96, 'x') + "d2d4\n").saida, "e2e4");
    EXPECT_EQ(le(std::string(200, 'x') + "save\n").saida, "save");
    EXPECT_EQ(le(std::string(201, 'x') + "save\n").saida, "end");
}

TEST(Tradutor, NextCallGoesOnWithTheRestOfALongLine) {
    std::istringstream in("d2d4" + std::string(96, ' ') + "e2e4\n");
    std::ostringstream out;
    ConsoleDeFluxo console(in, out);
    Tradutor t(console, Xboard{});
    Tabuleiro tabuleiro;
    t.le(tabuleiro, 0);
    EXPECT_TRUE(t.saida_e("d2d4"));
    t.le(tabuleiro, 0);
    EXPECT_TRUE(t.saida_e("e2e4"));
    EXPECT_THROW(t.le(tabuleiro, 0), FimDoPrograma);
}

// The rest of a long line stays in the input for a read of any kind: a line,
// a number, a key (its first non-blank character; a rest of blanks only gives
// the key of the next line).
TEST(Tradutor, TheRestOfALongLineIsTheNextReadOfAnyKind) {
    struct Caso {
        std::string resto;
        std::string depois; // what the next read gives
    };
    const Caso casos[] = {{"jogo.sav", "linha jogo.sav"},
                          {" 12 ", "numero 12"},
                          {"  k e", "tecla k"},
                          {"   ", "tecla p"},
                          {"", "linha proxima"}};
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.depois);
        std::istringstream in("save" + std::string(96, ' ') + c.resto + "\n" +
                              (c.resto == "   " ? "p\n" : "proxima\n"));
        std::ostringstream out;
        ConsoleDeFluxo console(in, out);
        Tradutor t(console, Xboard{});
        t.le(Tabuleiro{}, 0);
        EXPECT_TRUE(t.saida_e("save"));
        const std::string tipo = c.depois.substr(0, c.depois.find(' '));
        std::string lido;
        if (tipo == "linha") lido = console.linha();
        if (tipo == "numero") lido = std::to_string(console.numero().value_or(-1));
        if (tipo == "tecla") lido = std::string(1, console.tecla());
        EXPECT_EQ(tipo + " " + lido, c.depois);
    }
}

} // namespace
} // namespace quelmaro

namespace quelmaro {
namespace {

// A SAN reader is asked about the first word of the lines that would be read
// past, and only about those; what it takes comes back as "san ".
TEST(Tradutor, OffersTheFirstWordOfALineReadPastAsSan) {
    struct Caso {
        const char* linhas;
        const char* saida;    // after the lines; "end": all read past
        const char* palavras; // the words offered, each followed by '|'
    };
    // clang-format off
    const Caso casos[] = {
        {"Nf3 and the rest\n", "san ", "Nf3|"},
        {"e2e4\n", "e2e4", ""},
        {"Ng1f3\n", "g1f3", ""},
        {"O-O\n", "proq", ""},
        {"help\n", "help", ""},
        {"moves\n", "movs", ""},
        {"draw\n\n   \nx\n", "end", "x|"},
        {" Nf3\n", "end", ""}, // the first word is empty
        {"ok\nNf3\n", "san ", "ok|Nf3|"},
    };
    // clang-format on
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.linhas);
        std::istringstream in(c.linhas);
        std::ostringstream out;
        ConsoleDeFluxo console(in, out);
        Tradutor t(console, Xboard{});
        Tabuleiro tabuleiro;
        tabuleiro.posicao_inicial(true);
        std::string oferecidas;
        std::string saida = "end";
        try {
            t.le(tabuleiro, 0, [&](std::string_view p) {
                oferecidas += std::string(p) + "|";
                return p != "x" && p != "ok";
            });
            saida = std::string(t.saidatrad.begin(), t.saidatrad.end());
        } catch (const FimDoPrograma&) {
        }
        EXPECT_EQ(saida, c.saida);
        EXPECT_EQ(oferecidas, c.palavras);
        if (saida == "san ") {
            EXPECT_EQ(t.palavra_san, "Nf3");
        }
    }
}

} // namespace
} // namespace quelmaro
