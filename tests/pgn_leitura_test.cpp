#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "chess/pgn_leitura.hpp"

namespace quelmaro::xadrez {
namespace {

std::string fen_final(const Partida& p) { return escreve_fen(posicao_final(p)); }

TEST(PgnLeitura, ReadsTheMovesOfTheFirstGameAndSkipsTheRest) {
    struct Caso {
        const char* nome;
        std::string texto;
        std::size_t lances;
        const char* fen; // after the moves
        const char* resultado;
    };
    const std::string depois_de_e4_e5_nf3 =
        "rnbqkbnr/pppp1ppp/8/4p3/4P3/5N2/PPPP1PPP/RNBQKB1R b KQkq - 1 2";
    // clang-format off
    const Caso casos[] = {
        {"tags and plain move text",
         "[Event \"x\"]\n[White \"A \\\"B\\\" C\"]\n\n1. e4 e5 2. Nf3 1-0\n", 3,
         depois_de_e4_e5_nf3.c_str(), "1-0"},
        {"comments, NAGs, marks and escaped lines",
         "%escaped line\n1. e4 {best by test} e5 $1 ; to the end\n2. Nf3! $14 {x} *", 3,
         depois_de_e4_e5_nf3.c_str(), "*"},
        {"nested variations with their own comments and moves",
         "1. e4 (1. d4 d5 (1... Nf6 {a (b} 2. c4) 2. c4) e5 (1... c5 2. Nf3 (2. c3)) 2. Nf3 0-1",
         3, depois_de_e4_e5_nf3.c_str(), "0-1"},
        {"move numbers glued to the moves, and black's ellipsis",
         "1.e4 1...e5 2.Nf3 1/2-1/2", 3, depois_de_e4_e5_nf3.c_str(), "1/2-1/2"},
        {"no tags, windows line ends and a byte-order mark",
         "\xEF\xBB\xBF" "1. e4\r\ne5\r\n2. Nf3\r\n*\r\n", 3, depois_de_e4_e5_nf3.c_str(), "*"},
        {"only the first game",
         "[Event \"1\"]\n\n1. e4 *\n\n[Event \"2\"]\n\n1. d4 *\n", 1,
         "rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR b KQkq e3 0 1", "*"},
        {"from the FEN tag, black to move",
         "[SetUp \"1\"]\n[FEN \"4k3/8/8/8/8/8/4P3/4K2R b K - 0 30\"]\n\n30... Kd7 31. O-O *", 2,
         "8/3k4/8/8/8/8/4P3/5RK1 b - - 2 31", "*"},
        {"castling, promotion and capture in passing",
         "[FEN \"r3k2r/6P1/8/3pP3/8/8/8/4K2R w Kkq d6 0 1\"]\n1. exd6 O-O-O 2. gxh8=Q Kb8 3. O-O *",
         5, "1k1r3Q/8/3P4/8/8/8/8/5RK1 b - - 2 3", "*"},
        {"tags only", "[Event \"x\"]\n[Result \"*\"]\n\n*", 0, FEN_INICIAL.data(), "*"},
    };
    // clang-format on
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        const LeituraPgn l = le_pgn(c.texto);
        ASSERT_TRUE(l.ok()) << static_cast<int>(l.erro) << " at " << l.onde;
        EXPECT_EQ(l.partida.lances.size(), c.lances);
        EXPECT_EQ(fen_final(l.partida), c.fen);
        EXPECT_EQ(l.resultado, c.resultado);
    }
    const LeituraPgn com_tags = le_pgn(casos[0].texto);
    ASSERT_EQ(com_tags.tags.size(), 2u);
    EXPECT_EQ(com_tags.tags[1].second, "A \"B\" C");
}

TEST(PgnLeitura, RefusesWhatIsNoGameWithTheReasonAndWhere) {
    struct Caso {
        const char* nome;
        std::string texto;
        ErroPgn erro;
        std::string_view em; // where the text is refused; empty: at its end
    };
    std::string fundo(100000, '(');
    fundo = "1. e4 " + fundo + "1. d4";
    std::string longo;
    for (int i = 0; i < 3001; ++i) longo += "Nf3 Nf6 Ng1 Ng8 ";
    // clang-format off
    const Caso casos[] = {
        {"empty", "", ErroPgn::vazio, ""},
        {"blanks and comments only", "  {c}\n; d\n", ErroPgn::vazio, ""},
        {"tag cut short", "[Event \"abc", ErroPgn::tag, "["},
        {"tag without a value", "[Event]\n1. e4 *", ErroPgn::tag, "["},
        {"tag without a name", "[ \"x\"]\n*", ErroPgn::tag, "["},
        {"bad FEN tag", "[FEN \"8/8/8/8/8/8/8/8 w - - 0 1\"]\n1. e4 *", ErroPgn::fen, "["},
        {"illegal move", "1. e4 e5 2. Ke3 *", ErroPgn::lance, "Ke3"},
        {"ambiguous move", "[FEN \"4k3/8/8/8/8/8/8/N1N1K3 w - - 0 1\"]\nNb3 *", ErroPgn::lance, "Nb3"},
        {"promotion without its piece", "[FEN \"4k3/P7/8/8/8/8/8/4K3 w - - 0 1\"]\na8 *",
         ErroPgn::lance, "a8 "},
        {"unreadable move", "1. e4 Zz9 *", ErroPgn::lance, "Zz9"},
        {"no result at the end", "1. e4 e5 2. Nf3", ErroPgn::sem_resultado, ""},
        {"cut after the tags", "[Event \"x\"]\n", ErroPgn::sem_resultado, ""},
        {"next game without a result", "1. e4\n[Event \"2\"]\n*", ErroPgn::sem_resultado, "[Event \"2"},
        {"comment left open", "1. e4 {never closed", ErroPgn::comentario, "{"},
        {"variation left open", "1. e4 (1. d4 d5 *", ErroPgn::variacao, "("},
        {"variation closed twice", "1. e4 (1. d4) ) *", ErroPgn::variacao, ") *"},
        {"bad character", "1. e4 <e5> *", ErroPgn::simbolo, "<"},
        {"NAG without a number", "1. e4 $ *", ErroPgn::simbolo, "$"},
        {"binary bytes", std::string("1. e4 \x00\xff", 8), ErroPgn::simbolo, std::string_view("\0", 1)},
        {"variations nested 100000 deep, never closed", fundo, ErroPgn::variacao, "("},
    };
    // clang-format on
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        const LeituraPgn l = le_pgn(c.texto);
        EXPECT_EQ(l.erro, c.erro);
        EXPECT_EQ(l.onde, c.em.empty() ? c.texto.size() : c.texto.find(c.em));
    }
    // More moves than a game can have: refused at the first one too many.
    const LeituraPgn l = le_pgn(longo + "*");
    EXPECT_EQ(l.erro, ErroPgn::longo);
    EXPECT_EQ(l.onde, MAXIMO_DE_MEIOS_LANCES * 4);
}

TEST(PgnLeitura, AFileIsAFenLineOrAPgnGameThatCanGoOn) {
    struct Caso {
        const char* nome;
        const char* texto;
        bool carrega;
        std::size_t lances;
    };
    // clang-format off
    const Caso casos[] = {
        {"FEN line", "4k3/8/8/8/8/8/8/4K2R b K - 3 40\r\nanything after it", true, 0},
        {"FEN without counters", "4k3/8/8/8/8/8/8/4K2R w K -\n", true, 0},
        {"PGN", "1. f3 e5 *", true, 2},
        {"PGN ending in mate", "1. f3 e5 2. g4 Qh4# 0-1", false, 0},
        {"FEN of a stalemate", "7k/5Q2/6K1/8/8/8/8/8 b - - 0 1", false, 0},
        {"FEN of a mate", "7k/6Q1/6K1/8/8/8/8/8 b - - 0 1", false, 0},
        {"FEN of a position that cannot arise", "4k3/8/8/8/8/8/8/4KK2 w - - 0 1", false, 0},
        {"neither", "Hello, world", false, 0},
    };
    // clang-format on
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        const std::optional<Partida> p = le_partida(c.texto);
        ASSERT_EQ(p.has_value(), c.carrega);
        if (p) {
            EXPECT_EQ(p->lances.size(), c.lances);
        }
    }
    EXPECT_EQ(escreve_fen(le_partida(casos[0].texto)->inicio), "4k3/8/8/8/8/8/8/4K2R b K - 3 40");
}

// Text, which a PGN file is (in UTF-8 or with Latin-1 letters), against what
// a program or a picture holds.
TEST(PgnLeitura, TextIsTextAndAProgramIsNot) {
    std::string programa = "\x7f"
                           "ELF\x02\x01\x01";
    for (int i = 0; i < 4000; ++i) programa += static_cast<char>(i * 7919 % 251 + 1);
    std::string sem_nul; // invalid UTF-8 and control characters, no NUL
    for (int i = 0; i < 4000; ++i) sem_nul += static_cast<char>(0x80 + i % 64 + (i % 3 == 0) * 64);
    const struct {
        std::string conteudo;
        bool texto;
    } casos[] = {
        {"", true},
        {"[Event \"Torneio\"]\n[White \"Jo\xc3\xa3o\"]\r\n\t1. e4 *\n\x1a", true},
        {"[White \"Jo\xe3"
         "o Gon\xe7"
         "alves\"]\n\n1. e4 e5 *\n",
         true}, // Latin-1
        {"\f[Event \"?\"]\n1. d4 *\n", true},
        {std::string("[Event \"?\"]\n1. e4") + '\0' + " *\n", false},
        {programa, false},
        {sem_nul, false},
        {std::string(100, '\x01') + std::string(100, 'a'), false},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.conteudo.substr(0, 40));
        EXPECT_EQ(e_texto(c.conteudo), c.texto);
    }
}

TEST(PgnLeitura, NumberedMovesInEitherLanguage) {
    struct Caso {
        const char* pgn;
        bool ingles;
        const char* lista;
    };
    // clang-format off
    const Caso casos[] = {
        {"1. e4 e6 2. d4 b6 3. Nc3 Bb7 4. Qf3 Qh4 5. Bd3 *", true,
         "1. e4 e6 2. d4 b6 3. Nc3 Bb7 4. Qf3 Qh4 5. Bd3"},
        {"1. e4 e6 2. d4 b6 3. Nc3 Bb7 4. Qf3 Qh4 5. Bd3 *", false,
         "1. e4 e6 2. d4 b6 3. Cc3 Bb7 4. Df3 Dh4 5. Bd3"},
        {"[FEN \"4k3/8/8/8/8/8/8/R3K3 b Q - 0 12\"]\n12... Kd7 13. O-O-O+ Kc6 14. Kb1 *", false,
         "12... Rd7 13. O-O-O+ Rc6 14. Rb1"},
        {"[FEN \"4k3/8/8/8/8/8/8/R3K3 b Q - 0 12\"]\n12... Kd7 13. Ra7+ *", true,
         "12... Kd7 13. Ra7+"},
        {"*", true, ""},
    };
    // clang-format on
    for (const Caso& c : casos) {
        const LeituraPgn l = le_pgn(c.pgn);
        ASSERT_TRUE(l.ok()) << c.pgn;
        EXPECT_EQ(lances_numerados(l.partida, c.ingles ? INGLES : PORTUGUES), c.lista);
    }
}

} // namespace
} // namespace quelmaro::xadrez

namespace quelmaro::xadrez {
namespace {

std::string arquivo(const char* nome) {
    std::ifstream f(std::string(QUELMARO_TEST_DATA) + "/pgn/" + nome, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), {}};
}

std::string tag(const LeituraPgn& l, std::string_view nome) {
    for (const auto& [chave, valor] : l.tags)
        if (chave == nome) return valor;
    return "";
}

// Files in the style of those that chess programs ship (tests/data/pgn/):
// the games found, which are read, and how each ends.
TEST(PgnJogos, FilesOfSeveralGames) {
    struct Jogo {
        bool ok;
        std::size_t lances;
        const char* resultado;
        Fim fim;
        const char* rodada; // the Round tag, or White for puzzles
    };
    struct Caso {
        const char* arquivo;
        std::vector<Jogo> jogos;
    };
    // clang-format off
    const Caso casos[] = {
        {"mate_primeiro.pgn", {{true, 19, "1-0", Fim::mate, "1"}, {true, 16, "1/2-1/2", Fim::nenhum, "2"}}},
        // FEN tags with move number 0: the games start at move 1.
        {"mate_em_dois.pgn", {{true, 3, "*", Fim::mate, "?"}, {true, 3, "*", Fim::mate, "?"},
                              {true, 3, "*", Fim::mate, "?"}, {true, 3, "*", Fim::mate, "?"}}},
        {"ruim_no_meio.pgn", {{true, 4, "0-1", Fim::mate, ""}, {false, 34, "", Fim::nenhum, ""},
                              {true, 8, "1/2-1/2", Fim::nenhum, ""}}},
        {"anotado.pgn", {{true, 51, "1-0", Fim::nenhum, "3"}, {true, 15, "0-1", Fim::nenhum, "4"}}},
    };
    // clang-format on
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.arquivo);
        const std::string texto = arquivo(c.arquivo);
        ASSERT_FALSE(texto.empty());
        const std::vector<JogoLido> jogos = le_jogos(texto);
        ASSERT_EQ(jogos.size(), c.jogos.size());
        for (std::size_t n = 0; n < jogos.size(); ++n) {
            SCOPED_TRACE(n);
            const JogoLido& j = jogos[n];
            const Jogo& e = c.jogos[n];
            EXPECT_EQ(j.ok(), e.ok) << static_cast<int>(j.leitura.erro) << " at " << j.leitura.onde;
            EXPECT_EQ(j.leitura.partida.lances.size(), e.lances);
            EXPECT_EQ(j.leitura.resultado, e.resultado);
            EXPECT_EQ(fim(posicao_final(j.leitura.partida)), e.fim);
            EXPECT_EQ(tag(j.leitura, "Round"), e.rodada);
            // Each game's text reads alone the same.
            if (n + 1 < jogos.size()) {
                EXPECT_LE(j.fim, jogos[n + 1].inicio);
            }
            const std::vector<JogoLido> so =
                le_jogos(std::string_view(texto).substr(j.inicio, j.fim - j.inicio));
            ASSERT_EQ(so.size(), 1u);
            EXPECT_EQ(so[0].leitura.partida, j.leitura.partida);
        }
    }
    const std::vector<JogoLido> puzzles = le_jogos(arquivo("mate_em_dois.pgn"));
    EXPECT_EQ(puzzles[0].leitura.partida.inicio.numero, 1);
    EXPECT_EQ(lances_numerados(puzzles[0].leitura.partida), "1. Ra7 Kg6 2. Rb6#");
    // Without the option the move number 0 is a bad FEN, as le_pgn has it.
    const JogoLido sem = le_jogos(arquivo("mate_em_dois.pgn"), {.numero_zero_e_um = false})[0];
    EXPECT_EQ(sem.leitura.erro, ErroPgn::fen);
    EXPECT_EQ(sem.erro_fen, ErroFen::contadores);
    // The bad game says which move, and the game after it is read.
    const JogoLido ruim = le_jogos(arquivo("ruim_no_meio.pgn"))[1];
    EXPECT_EQ(ruim.leitura.erro, ErroPgn::lance);
    EXPECT_EQ(ruim.lance.numero, 18);
    EXPECT_TRUE(ruim.lance.das_brancas);
    EXPECT_EQ(ruim.lance.texto, "Ke2");
    EXPECT_EQ(ruim.lance.lido, LeituraSan::nenhum);
}

// Why each game was refused, where, and which game comes after it.
TEST(PgnJogos, RefusedGamesSayWhyAndTheNextOneIsRead) {
    struct Caso {
        const char* nome;
        std::string ruim; // a bad game, followed by "\n\n[Event \"next\"]\n\n1. d4 *\n"
        ErroPgn erro;
        std::string_view onde; // where it is refused; empty: at the next game
        ErroFen fen;
    };
    // clang-format off
    const Caso casos[] = {
        {"bad tag, the rest of its tags skipped", "[Event \"x]\n[White \"A\"]\n\n1. e4 *",
         ErroPgn::tag, "[Event", ErroFen::nenhum},
        {"bad FEN tag", "[Event \"x\"]\n[FEN \"8/8/8/8/8/8/8/8 w - - 0 1\"]\n\n1. e4 *",
         ErroPgn::fen, "[FEN", ErroFen::reis},
        {"bad FEN field", "[FEN \"rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR x KQkq - 0 1\"]\n\n1. e4 *",
         ErroPgn::fen, "[FEN", ErroFen::vez},
        {"comment left open", "[Event \"x\"]\n\n1. e4 {never closed", ErroPgn::comentario, "{",
         ErroFen::nenhum},
        {"variation left open before the next game", "[Event \"x\"]\n\n1. e4 (1. d4 d5", ErroPgn::variacao,
         "(", ErroFen::nenhum},
        {"unreadable symbol", "[Event \"x\"]\n\n1. e4 <e5> *", ErroPgn::simbolo, "<", ErroFen::nenhum},
        {"no result before the next game", "[Event \"x\"]\n\n1. e4 e5", ErroPgn::sem_resultado, "",
         ErroFen::nenhum},
        {"garbage line between games", "-----", ErroPgn::lance, "-----", ErroFen::nenhum},
    };
    // clang-format on
    const std::string proximo = "\n\n[Event \"next\"]\n\n1. d4 *\n";
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        const std::string texto = "[Event \"first\"]\n\n1. c4 *\n\n" + c.ruim + proximo;
        const std::vector<JogoLido> jogos = le_jogos(texto);
        ASSERT_EQ(jogos.size(), 3u);
        EXPECT_TRUE(jogos[0].ok());
        EXPECT_EQ(jogos[1].leitura.erro, c.erro);
        const std::size_t depois_do_primeiro = texto.find(c.ruim);
        EXPECT_EQ(jogos[1].leitura.onde, c.onde.empty() ? texto.find("[Event \"next")
                                                        : texto.find(c.onde, depois_do_primeiro));
        EXPECT_EQ(jogos[1].erro_fen, c.fen);
        ASSERT_TRUE(jogos[2].ok()) << static_cast<int>(jogos[2].leitura.erro);
        EXPECT_EQ(tag(jogos[2].leitura, "Event"), "next");
        EXPECT_EQ(jogos[2].leitura.partida.lances.size(), 1u);
    }
}

TEST(PgnJogos, TheHalfMoveRefusedByNumberColourAndText) {
    struct Caso {
        std::string texto;
        int numero;
        bool brancas;
        const char* lance;
        LeituraSan::Resultado lido;
    };
    std::string longo;
    for (int i = 0; i < 3001; ++i) longo += "Nf3 Nf6 Ng1 Ng8 ";
    // clang-format off
    const Caso casos[] = {
        {"1. e4 e5 2. Nf3 Nc6 3. Bb5 a6 4. Bxc6 dxc6 5. O-O f6 6. d4 Bg4 7. Kf2 *", 7, true, "Kf2",
         LeituraSan::nenhum},
        {"[FEN \"4k3/8/8/8/8/8/8/N1N1K3 b - - 0 12\"]\n12... Kd7 13. Nb3 *", 13, true, "Nb3",
         LeituraSan::ambiguo},
        {"1. e4 e5 2.Nf3 2...Zz9 *", 2, false, "Zz9", LeituraSan::ilegivel},
        {"1. f3 e5 2. g4 Qh4# 3. Kf2 0-1", 3, true, "Kf2", LeituraSan::nenhum},
    };
    // clang-format on
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.texto);
        const std::vector<JogoLido> jogos = le_jogos(c.texto);
        ASSERT_EQ(jogos.size(), 1u);
        EXPECT_EQ(jogos[0].leitura.erro, ErroPgn::lance);
        EXPECT_EQ(jogos[0].lance.numero, c.numero);
        EXPECT_EQ(jogos[0].lance.das_brancas, c.brancas);
        EXPECT_EQ(jogos[0].lance.texto, c.lance);
        EXPECT_EQ(jogos[0].lance.lido, c.lido);
        // Where its word begins, with the move number glued to it.
        EXPECT_EQ(jogos[0].leitura.onde, c.texto.rfind(' ', c.texto.rfind(c.lance)) + 1);
    }
    const std::vector<JogoLido> l = le_jogos(longo + "*");
    ASSERT_EQ(l.size(), 1u);
    EXPECT_EQ(l[0].leitura.erro, ErroPgn::longo);
    EXPECT_TRUE(le_jogos("").empty());
    EXPECT_TRUE(le_jogos(" \n{only a comment}\n; and this\n").empty());
    // A tag value with quotes that are not escaped, as some files have it.
    const std::vector<JogoLido> aspas = le_jogos("[White \"\"A \"B\" C\"\"]\n[Black \"x\"]\n\n*");
    ASSERT_TRUE(aspas[0].ok());
    EXPECT_EQ(tag(aspas[0].leitura, "White"), "\"A \"B\" C\"");
    EXPECT_EQ(tag(aspas[0].leitura, "Black"), "x");
}

TEST(PgnJogos, AnnotationsKeptByHalfMove) {
    struct Caso {
        const char* texto;
        std::vector<std::string> anotacoes; // before the first move, then after each
    };
    // clang-format off
    const Caso casos[] = {
        {"{Before.}\n1. e4 {after\n  e4} $1 e5 *", {"{Before.}", "{after e4} $1", ""}},
        {"1. e4! e5?! 2. Nf3!! Nc6?? 3. Bb5!? a6? *", {"", "$1", "$6", "$3", "$4", "$5", "$2"}},
        {"1. e4 ; rest of the line, {braces}\ne5 *", {"", "{rest of the line, (braces)}", ""}},
        {"1. e4 (1. d4 {q} d5 (1... Nf6 2. c4) 2. c4 *) e5 *",
         {"", "(1. d4 {q} d5 (1... Nf6 2. c4) 2. c4)", ""}},
        {"%escaped\n1. e4 {} { } e5 1-0", {"", "", ""}},
    };
    // clang-format on
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.texto);
        const std::vector<JogoLido> jogos = le_jogos(c.texto, {.guarda_anotacoes = true});
        ASSERT_EQ(jogos.size(), 1u);
        ASSERT_TRUE(jogos[0].ok());
        EXPECT_EQ(jogos[0].anotacoes, c.anotacoes);
        EXPECT_TRUE(le_jogos(c.texto)[0].anotacoes.empty());
    }
}

// Three megabytes of text that opens comments, variations and tags without
// end, and of short games: read in linear time (a search of the rest of the
// text for each game would take hours), every game found.
TEST(PgnJogos, MegabytesOfGarbageAreReadQuickly) {
    const char* pedacos[] = {"{\n[a \"b\"]\n", "(\n", "[\n", "[x \"y\"]\n1. e4 *\n", "*\n", ")\n"};
    for (const char* p : pedacos) {
        SCOPED_TRACE(p);
        std::string texto;
        while (texto.size() < 3'000'000) texto += p;
        const auto antes = std::chrono::steady_clock::now();
        std::size_t jogos = 0;
        para_cada_jogo(texto, {}, [&](JogoLido&&) { return ++jogos, true; });
        const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                            std::chrono::steady_clock::now() - antes)
                            .count();
        EXPECT_LT(ms, 10000);
        EXPECT_GT(jogos, 0u);
    }
}

} // namespace
} // namespace quelmaro::xadrez
