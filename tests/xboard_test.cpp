// The engine build's XBoard front end: the GUI's moves and commands (force
// mode, "go", take-backs, setboard, post), read line by line or in whole
// sessions.
#include <gtest/gtest.h>

#include <algorithm>
#include <regex>

#include "frente_apoio.hpp"

namespace quelmaro {
namespace {

TEST_F(NoXboard, RefusalLines) {
    EXPECT_FALSE(vez_dele("e2e5\nPe2-e5\n"));
    EXPECT_EQ(impresso(), "Illegal move: e2e5\nIllegal move: e2e5\n");
    // A castling word refused is echoed as the GUI sent it.
    monta();
    EXPECT_FALSE(vez_dele("force\nO-O\nO-O-O \r\n0-0\no-o-o\x1b\n"));
    EXPECT_EQ(
        impresso(),
        "Illegal move: O-O\nIllegal move: O-O-O\nIllegal move: 0-0\nIllegal move: o-o-o\\x1b\n");
}

// The computer's promotion as the protocol writes it, with its letter; the
// thinking line names the same move.
TEST_F(NoXboard, MoveLineCarriesThePromotionLetter) {
    const std::string s = sessao("post\nsetboard 8/P6k/8/8/8/8/8/K7 w - - 0 1\ngo\n");
    EXPECT_NE(s.find(" a7a8q {"), std::string::npos) << s;
    EXPECT_NE(s.find("\nmove a7a8q\n"), std::string::npos) << s;
}

// PyChess stops its spy analyser with "exit" and an empty board, and shows
// every "tellusererror" as a dialog unless it repeats that board; a position
// that cannot arise is still reported as it was.
TEST_F(NoXboard, EmptyBoardOfAStoppedAnalyserRepeatedInItsRefusal) {
    const std::string s = sessao("xboard\nprotover 2\nnew\npost\nanalyze\ne2e4\nexit\n"
                                 "setboard 8/8/8/8/8/8/8/8 w - - 0 1\nquit\n");
    const std::size_t k = s.find("tellusererror");
    ASSERT_NE(k, std::string::npos) << s;
    EXPECT_EQ(s.substr(k), "tellusererror Illegal position, an empty board: "
                           "8/8/8/8/8/8/8/8 w - - 0 1\n");
    EXPECT_TRUE(jogo().historico().size() == 1) << "the game stays as it was";
    EXPECT_EQ(sessao("setboard 4k3/8/8/8/8/8/8/3KK3 w - - 0 1\n"),
              "tellusererror Illegal position\n");
}

// The GUI's questions are answered as the lines are read; the console's
// commands are no commands here.
TEST_F(NoXboard, QuestionsAnsweredAsTheyAreRead) {
    const std::string recursos =
        "feature myname=\"Quelmaro\" ping=1 setboard=1 usermove=0 san=0 time=0 draw=1 sigint=0 "
        "sigterm=0 reuse=1 analyze=1 colors=0 done=1\n";
    EXPECT_TRUE(vez_dele("protover 2\nping 7\nping\nhelp\nwhy\nmoves\ne2e4\n"));
    EXPECT_EQ(impresso(), recursos + "pong 7\npong \n");
    EXPECT_EQ(em("e4"), -PEAO);
}

TEST_F(NoXboard, PromotionByLetter) {
    struct Caso {
        bool brancas; // the player White
        const char* linhas;
        const char* casa;
        int codigo;
    };
    // clang-format off
    const Caso casos[] = {
        {true, "e7e8q\n", "e8", -DAMA}, {true, "e7e8n\n", "e8", -CAVALO},
        {true, "e7e8b\n", "e8", -BISPO}, {true, "e7e8r\n", "e8", -TORRE},
        {true, "e7e8\n", "e8", -DAMA}, {true, "e7d8n\n", "d8", -CAVALO},
        {false, "e2e1r\n", "e1", -TORRE}, {false, "e2d1b\n", "d1", -BISPO},
        // a letter of an older line does not carry over
        {true, "e7e9n\ne7e8\n", "e8", -DAMA}, {true, "a2a1n\ne7e8\n", "e8", -DAMA},
    };
    // clang-format on
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.linhas);
        monta();
        // The player's king, pawn and the computer's rook and king; to have
        // Black the player hands White to the computer first.
        const std::string fen =
            c.brancas ? "3r4/4P3/k7/8/8/8/8/7K w - - 0 40" : "7k/8/8/8/8/K7/4p3/3R4 b - - 0 40";
        if (!c.brancas) {
            ASSERT_TRUE(vez_dele("go\n"));
        }
        EXPECT_FALSE(vez_dele("setboard " + fen + "\n" + c.linhas));
        EXPECT_EQ(estado().jogador_tem_brancas(), c.brancas);
        EXPECT_EQ(em(c.casa), c.codigo);
        EXPECT_EQ(estado().lances_da_pessoa(), 40);
    }
}

TEST_F(NoXboard, ForceModePlaysBothColoursSilently) {
    EXPECT_FALSE(vez_dele("force\ne2e4\ne7e5\ng1f3\nb8c6\nd2d4\ne5d4\n"));
    EXPECT_EQ(impresso(), "");
    EXPECT_EQ(em("e4"), -PEAO);
    EXPECT_EQ(em("d4"), PEAO);
    EXPECT_EQ(em("c6"), CAVALO);
    EXPECT_EQ(em("f3"), -CAVALO);
    EXPECT_EQ(estado().lances_da_pessoa(), 3);
    EXPECT_EQ(estado().lance_do_jogo(), 3);
    EXPECT_EQ(estado().numero_de_meu_movimento(), 2);
    EXPECT_EQ(estado().ultimo_lance(), (UltimoLance{'&', '5', 'd', '4'}));
    EXPECT_TRUE(estado().posicao().brancas_a_mover);
    EXPECT_EQ(jogo().historico().size(), 6u);
}

TEST_F(NoXboard, ForceModeRefusesTheWrongColour) {
    EXPECT_FALSE(vez_dele("force\ne2e4\nd2d4\ne7e6\ne6e5\n"));
    EXPECT_EQ(impresso(), "Illegal move: d2d4\nIllegal move: e6e5\n");
    EXPECT_EQ(em("e6"), PEAO);
}

TEST_F(NoXboard, GoPlaysTheSideToMove) {
    struct Caso {
        const char* linhas;
        bool brancas; // the player White afterwards; false: the computer took over White
    };
    const Caso casos[] = {
        {"go\n", false},                    // the player's side: side swap
        {"force\ne2e4\ngo\n", true},        // already the computer's side
        {"force\ne2e4\ne7e5\ngo\n", false}, // White to move again
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.linhas);
        monta();
        EXPECT_TRUE(vez_dele(c.linhas));
        EXPECT_EQ(estado().jogador_tem_brancas(), c.brancas);
        EXPECT_FALSE(frente->forcado());
        EXPECT_FALSE(estado().vez_do_jogador());
    }
}

TEST_F(NoXboard, CastlingOfBothColoursInForceMode) {
    EXPECT_FALSE(vez_dele("force\ne2e4\ne7e5\ng1f3\ng8f6\nf1c4\nf8c5\ne1g1\ne8g8\n"));
    EXPECT_EQ(impresso(), "");
    EXPECT_EQ(em("g1"), -REI);
    EXPECT_EQ(em("f1"), -TORRE);
    EXPECT_EQ(em("g8"), REI);
    EXPECT_EQ(em("f8"), TORRE);
    EXPECT_TRUE(estado().direitos_de_roque()[BRANCAS].ja_rocou);
    EXPECT_TRUE(estado().direitos_de_roque()[PRETAS].ja_rocou);
    EXPECT_EQ(estado().ultimo_lance(), (UltimoLance{'&', '8', 'g', '8'}));
}

TEST_F(NoXboard, QueenSideCastlingWithTheBSquareAttackedInForceMode) {
    // a computer's knight on a3 attacks b1, a player's knight on a6 attacks b8
    EXPECT_FALSE(vez_dele("setboard r3k3/3p4/N7/8/8/n7/3P4/R3K3 w Qq - 0 1\ne1c1\ne8c8\n"));
    EXPECT_EQ(impresso(), "");
    EXPECT_EQ(em("c1"), -REI);
    EXPECT_EQ(em("d1"), -TORRE);
    EXPECT_EQ(em("c8"), REI);
    EXPECT_EQ(em("d8"), TORRE);
}

TEST_F(NoXboard, CastlingRightsStayWithTheColour) {
    // Black's king walks and comes back; then the sides are swapped, so the
    // player has Black and may not castle, while White (now the computer's)
    // still may.
    EXPECT_TRUE(vez_dele("setboard 4k2r/8/8/8/8/8/P7/4K2R w Kk - 0 1\n"
                         "a2a3\ne8f8\na3a4\nf8e8\ngo\n"));
    EXPECT_FALSE(estado().jogador_tem_brancas());
    EXPECT_FALSE(vez_dele("force\ne1g1\ne8g8\n"));
    EXPECT_EQ(em("g1"), REI);
    EXPECT_EQ(em("f1"), TORRE);
    EXPECT_EQ(em("e8"), -REI);
    EXPECT_EQ(impresso(), "Illegal move: e8g8\n");
    // (the queen's side right never stood: the FEN has no rooks there)
    EXPECT_EQ(estado().direitos_de_roque()[PRETAS],
              (DireitosDeRoque{.rei_saiu = true, .torre_a_saiu = true}));
    EXPECT_EQ(estado().direitos_de_roque()[BRANCAS],
              (DireitosDeRoque{.rei_saiu = true, .torre_a_saiu = true, .ja_rocou = true}));
}

TEST_F(NoXboard, CaptureInPassingForBothColours) {
    EXPECT_FALSE(vez_dele("force\ne2e4\na7a6\ne4e5\nd7d5\ne5d6\n"));
    EXPECT_EQ(em("d6"), -PEAO);
    EXPECT_EQ(em("d5"), VAZIO);
    monta();
    EXPECT_FALSE(vez_dele("force\na2a3\ne7e5\na3a4\ne5e4\nd2d4\ne4d3\n"));
    EXPECT_EQ(em("d3"), PEAO);
    EXPECT_EQ(em("d4"), VAZIO);
    // only right after the double step
    monta();
    EXPECT_FALSE(vez_dele("force\ne2e4\na7a6\ne4e5\nd7d5\nh2h3\nh7h6\ne5d6\n"));
    EXPECT_EQ(impresso(), "Illegal move: e5d6\n");
    EXPECT_EQ(em("d5"), PEAO);
}

TEST_F(NoXboard, UndoAndRemoveRestoreEverything) {
    const Estado inicio = estado();
    vez_dele("force\ne2e4\ne7e5\ng1f3\n");
    const Estado depois_de_e5 = jogo().historico().back().antes;
    EXPECT_FALSE(vez_dele("undo\n"));
    EXPECT_EQ(estado(), depois_de_e5);
    EXPECT_EQ(estado().lances_da_pessoa(), 1);
    EXPECT_EQ(estado().lance_do_jogo(), 1);
    EXPECT_EQ(estado().numero_de_meu_movimento(), 1);
    EXPECT_TRUE(estado().posicao().brancas_a_mover);
    EXPECT_FALSE(vez_dele("remove\nremove\nundo\n"));
    EXPECT_EQ(estado(), inicio);
    EXPECT_EQ(estado().ultimo_lance(), SEM_ULTIMO_LANCE);
    EXPECT_EQ(impresso(), "");
}

TEST_F(NoXboard, UndoEntersForceModeAndRemoveDoesNot) {
    vez_dele("undo\n");
    EXPECT_TRUE(frente->forcado());
    monta();
    vez_dele("remove\n");
    EXPECT_FALSE(frente->forcado());
    // castling rights come back with the move taken back
    vez_dele("setboard 4k3/8/8/8/8/8/8/4K2R w K - 0 1\ne1f1\n");
    EXPECT_TRUE(estado().direitos_de_roque()[BRANCAS].rei_saiu);
    vez_dele("undo\n");
    EXPECT_FALSE(estado().direitos_de_roque()[BRANCAS].rei_saiu);
}

TEST_F(NoXboard, ResultEndsTheGameUntilNew) {
    vez_dele("result 1-0 {White mates}\n");
    EXPECT_TRUE(jogo().acabou());
    vez_dele("force\ne2e4\nnew\n");
    EXPECT_FALSE(jogo().acabou());
    EXPECT_FALSE(frente->forcado());
    EXPECT_TRUE(jogo().historico().empty());
    EXPECT_EQ(em("e2"), -PEAO);
}

// The GUI may send the player's moves after the game has ended. A move of
// the player's leaves the computer's colour to move, so "go" then changes
// no sides: the game saved afterwards is the player's, White, as it stood.
TEST_F(NoXboard, PlayersMoveAfterTheComputerIsMatedThenGoThenSave) {
    EXPECT_EQ(sessao("force\ne2e4\ne7e5\nf1c4\nb8c6\nd1h5\ng8f6\nh5f7\ngo\n"
                     "a2a3\ngo\nsave\nfim.sav\n"),
              "1-0 {White Mates}\nEnter the name of the file.\nWhat is your move?\n");
    EXPECT_TRUE(estado().jogador_tem_brancas());
    EXPECT_FALSE(estado().vez_do_jogador());
    // (the program would not load this file back: the computer's king stands
    // attacked in it)
    const std::string& f = arquivos.arquivos["fim.sav"];
    ASSERT_EQ(f.size(), 738u);
    const auto campo = [&](int i) { return std::stoi(f.substr(11 * i, 11)); };
    const Pecas casas = {{"a3", -PEAO}, {"a2", VAZIO},  {"f7", -DAMA},
                         {"e8", REI},   {"f6", CAVALO}, {"e1", -REI}};
    for (const auto& [nome, codigo] : casas)
        EXPECT_EQ(campo(numero_da_casa(nome[0], nome[1], false) - 1), codigo) << nome;
    for (int i = 0; i < 64; ++i) EXPECT_EQ(campo(i), estado().tabuleiro()[i + 1]) << i;
    EXPECT_EQ(campo(64), 3);
    EXPECT_EQ(campo(65), 5);
    EXPECT_EQ(f.substr(726), "g8f6FFFFFTT\n");
}

TEST_F(NoXboard, SetboardRefusesPositionsThatCannotArise) {
    // clang-format off
    const char* ruins[] = {
        "",
        "garbage",
        "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP w KQkq - 0 1",
        "rnbqkbnr/pppppppp/9/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1",
        "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR x KQkq - 0 1",
        "8/8/8/8/8/8/8/4K3 w - - 0 1",                  // no black king
        "4k3/8/8/8/8/8/8/3KK3 w - - 0 1",               // two white kings
        "4k3/8/8/8/8/8/8/4R1K1 w - - 0 1",              // Black, not to move, in check
        "4k3/8/8/8/8/8/8/P3K3 w - - 0 1",               // a pawn on the first rank
        "4k2p/8/8/8/8/8/8/4K3 b - - 0 1",               // a pawn on the last rank
    };
    // clang-format on
    for (const char* fen : ruins) {
        SCOPED_TRACE(fen);
        monta();
        ASSERT_TRUE(vez_dele("e2e4\n"));
        const Estado antes = estado();
        impresso();
        EXPECT_FALSE(vez_dele(std::string("setboard ") + fen + "\n"));
        EXPECT_EQ(impresso(), "tellusererror Illegal position\n");
        EXPECT_EQ(estado(), antes);
        EXPECT_EQ(jogo().historico().size(), 1u);
        EXPECT_FALSE(frente->forcado());
    }
}

TEST_F(NoXboard, SetboardStartsAGameInForceMode) {
    ASSERT_TRUE(vez_dele("e2e4\n"));
    // A line longer than the parser's, the FEN across the cut, blanks around it.
    const std::string fen = "r1bqkb1r/pppp1ppp/2n2n2/4p3/2B1P3/5N2/PPPP1PPP/RNBQK2R w KQkq - 4 4";
    EXPECT_FALSE(vez_dele("setboard " + std::string(40, ' ') + fen + "  \nundo\n"));
    EXPECT_TRUE(frente->forcado());
    EXPECT_EQ(em("c4"), -BISPO);
    EXPECT_EQ(em("c6"), CAVALO);
    EXPECT_EQ(estado().lance_do_jogo(), 3);
    EXPECT_EQ(jogo().fen_inicial(), fen);
    // Castling short is played from the FEN's rights, then the engine moves.
    EXPECT_TRUE(vez_dele("e1g1\ngo\n"));
    EXPECT_EQ(em("g1"), -REI);
    EXPECT_EQ(em("f1"), -TORRE);
}

TEST_F(NoXboard, PostShowsAThinkingLineBeforeEachMove) {
    const std::regex linha(
        R"(1 -?\d+ 0 \d+ [a-h][1-8][a-h][1-8] \{.+\}\nmove [a-h][1-8][a-h][1-8]\n)");
    const std::string com = sessao("post\ne2e4\n");
    EXPECT_TRUE(std::regex_match(com, linha)) << com;
    EXPECT_NE(com.find("{Opening move: my king's pawn steps forward one square.}"),
              std::string::npos);
    const std::string sem = sessao("post\ne2e4\nnopost\nd2d4\n");
    EXPECT_EQ(sem.substr(com.size()).substr(0, 5), "move ") << sem;
    EXPECT_EQ(std::count(sem.begin(), sem.end(), '\n'), 3) << sem;

    // A mating move scores 100001; a capture scores the material after it,
    // in centipawns by the usual values (a queen 900).
    struct Caso {
        const char* fen;
        const char* esperado;
    };
    const Caso casos[] = {
        {"7k/8/6K1/8/8/8/8/1Q6 w - - 10 30", "1 100001 0 "},
        {"k7/8/8/8/8/8/6q1/K6Q b - - 10 30", "1 900 0 "},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.fen);
        const std::string s = sessao(std::string("post\nsetboard ") + c.fen + "\ngo\n");
        EXPECT_TRUE(s.starts_with(c.esperado)) << s;
        EXPECT_NE(s.find("{Rule "), std::string::npos) << s;
    }
}

// "hint" with no move to make says nothing (the console says so in words).
TEST_F(NoXboard, HintWhenThePlayerHasNoMoveSaysNothing) {
    EXPECT_FALSE(vez_dele("setboard 8/8/8/8/8/6q1/5k2/7K w - - 0 1\nhint\n"));
    EXPECT_EQ(impresso(), "");
}

} // namespace
} // namespace quelmaro
