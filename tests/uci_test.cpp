// The UCI front end in whole sessions, and a UCI game against an xboard game
// fed the same opponent moves.
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <random>
#include <set>
#include <sstream>
#include <string>

#include "chess/lances.hpp"
#include "frente_apoio.hpp"
#include "programs/protocolos.hpp"
#include "uci/palavras.hpp"
#include "uci/posicao_uci.hpp"
#include "uci/sessao_uci.hpp"

namespace quelmaro {
namespace {

std::string sessao(const std::string& entrada, bool uci = false) {
    std::istringstream in(entrada);
    std::ostringstream out;
    ConsoleDeFluxo console(in, out);
    ArquivosNaMemoria arquivos;
    EXPECT_EQ(executa_motor(console, arquivos, uci), 0);
    return out.str();
}

// The last "bestmove" of a session's output, or "" when there is none.
std::string melhor_lance(const std::string& saida) {
    const auto k = saida.rfind("bestmove ");
    return k == std::string::npos ? "" : saida.substr(k + 9, saida.find('\n', k) - k - 9);
}

TEST(Uci, Sessions) {
    struct Caso {
        const char* nome;
        std::string entrada;
        std::string saida; // the whole output, or with `parte` a piece of it
        bool parte = false;
    };
    const std::string id = "id name Quelmaro 1.0.0\nid author the Quelmaro developers\n"
                           "option name MultiPV type spin default 1 min 1 max 64\nuciok\n";
    const std::string FIM = "info string Rule 55: I have no move that keeps my king out of your "
                            "reach: the game is over.\n";
    // clang-format off
    const Caso casos[] = {
        {"greeting", "uci\nisready\n", id + "readyok\n"},
        {"read past", "uci\ndebug on\nsetoption name Hash value 16\nsetoption value 2 name MultiPV\n"
                      "register later\nstop\nponderhit\n"
                      "ucinewgame\nnonsense\n\n   \n", id},
        {"words before a command skipped", "uci\njunk isready\n", id + "readyok\n"},
        {"quit ends at once", "uci\nquit\nisready\n", id},
        {"--uci without the greeting", "isready\n", "readyok\n"},
        {"first opening move as Black", "uci\nposition startpos moves e2e4\ngo wtime 1000 btime 1000\n",
         "info depth 1 score cp 0 nodes ", true},
        {"bad FEN refused, position kept",
         "uci\nposition startpos moves e2e4\nposition fen 8/8/8/8/8/8/8/8 w - - 0 1\ngo\n",
         "info string Illegal position\n", true},
        {"position without start read past", "uci\nposition moves e2e4\n", id},
        {"illegal move reported", "uci\nposition startpos moves e2e4 e2e4 e7e5\n",
         id + "info string Illegal move: e2e4\n"},
        {"not a move reported", "uci\nposition startpos moves e2e4 zz\n",
         id + "info string Illegal move: zz\n"},
        {"mated: no move", "uci\nposition fen 7k/6Q1/6K1/8/8/8/8/8 b - - 0 1\ngo\n", id + FIM + "bestmove 0000\n"},
        {"stalemated: no move", "uci\nposition fen 7k/5Q2/6K1/8/8/8/8/8 b - - 0 1\ngo\n", id + FIM + "bestmove 0000\n"},
        {"mating move", "uci\nposition fen 7k/8/6K1/8/8/8/8/1Q6 w - - 0 1\ngo\n",
         "info depth 1 score mate 1 nodes ", true},
        {"promotion letter", "uci\nposition fen 8/2P5/8/8/8/k7/8/7K w - - 0 1\ngo\n",
         "bestmove c7c8q\n", true},
        // Each reason before its score line: an adapter that turns an info
        // string into a thinking line of its own shows the move last.
        {"reason of the move", "uci\nposition startpos\ngo\n",
         "info string Opening move: my king's pawn steps forward one square.\n"
         "info depth 1 score cp 0 nodes 420 time 1 pv e2e3\nbestmove e2e3\n", true},
        // Analysis: the bestmove waits for stop (or ponderhit); isready is answered meanwhile.
        {"go infinite waits for stop", "uci\nposition startpos\ngo infinite\nisready\nstop\nstop\n",
         "pv e2e3\nreadyok\nbestmove e2e3\n", true},
        {"go infinite and quit: no bestmove", "uci\nposition startpos\ngo infinite\nquit\nstop\n",
         "steps forward one square.\n", true},
        {"go ponder waits for ponderhit", "uci\nposition startpos\ngo ponder\nisready\nponderhit\n",
         "pv e2e3\nreadyok\nbestmove e2e3\n", true},
        {"ponderhit does not end go infinite", "uci\nposition startpos\ngo infinite\nponderhit\nisready\n",
         "pv e2e3\nreadyok\n", true},
        {"a new position answers the go that waits",
         "uci\nposition startpos\ngo infinite\nposition startpos moves e2e3\nisready\n",
         "pv e2e3\nbestmove e2e3\nreadyok\n", true},
        // The fixed opening move e2e3 is not among them; of the two safe pawn
        // moves the last in scan order (a2 stands after h2 on White's board).
        {"searchmoves limits the choice", "uci\nposition startpos\ngo searchmoves h2h4 a2a3 xx\n",
         "info string Rule 39: A safe pawn move: no reply of yours wins anything of mine, mates me, "
         "checks me or promotes a pawn.\ninfo depth 1 score cp 0 nodes 420 time 1 pv a2a3\n"
         "bestmove a2a3\n", true},
        // The bestmove is a move of the list, an underpromotion listed included.
        {"searchmoves of an underpromotion", "uci\nposition fen 8/1P4k1/8/8/8/8/6p1/K7 w - - 0 1\n"
         "go searchmoves b7b8n\n", "pv b7b8n\nbestmove b7b8n\n", true},
        {"searchmoves of two underpromotions",
         "uci\nposition fen rn6/3pPk1r/b1p3p1/pp2np2/8/PPP1bNKP/2Q1P2R/RN3B2 w - - 5 26\n"
         "go searchmoves e7e8n e7e8r\n", "pv e7e8n\nbestmove e7e8n\n", true},
        // Material on the usual scale: a queen against a pawn.
        {"score in centipawns", "uci\nposition fen 8/1P4k1/8/8/8/8/6p1/K7 w - - 0 1\ngo\n",
         "info depth 1 score cp 800 nodes 40 time 1 pv b7b8q\n", true},
        {"illegal move shown as visible text",
         std::string("uci\nposition startpos moves e2e4 \x1b[31mz\\\x01\xff\n"),
         id + "info string Illegal move: \\x1b[31mz\\\\\\x01\\xff\n"},
        {"searchmoves with no legal move", "uci\nposition startpos\ngo searchmoves e2e5 a1a2\n",
         id + "info string None of the moves of searchmoves is legal here\nbestmove 0000\n"},
        {"searchmoves of castling only", "uci\nposition fen r3k3/8/8/8/8/8/8/4K3 b q - 0 1\ngo searchmoves e8c8\n",
         id + "info string My rules do not look at castling or captures in passing: the first of the "
              "moves given\nbestmove e8c8\n"},
    };
    // clang-format on
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        const bool uci = std::string(c.nome).starts_with("--uci");
        const std::string s = sessao(c.entrada, uci);
        if (c.parte)
            EXPECT_NE(s.find(c.saida), std::string::npos) << s;
        else
            EXPECT_EQ(s, c.saida);
    }
}

// The lines of a "go": move, score and reason of each, in order.
struct LinhaPv {
    std::string lance, pontos, razao;
};
std::vector<LinhaPv> linhas_pv(const std::string& saida) {
    std::vector<LinhaPv> v;
    std::istringstream linhas(saida);
    std::string razao;
    for (std::string l; std::getline(linhas, l);) {
        if (l.starts_with("info string ")) razao = l.substr(12);
        if (!l.starts_with("info ") || l.starts_with("info string ")) continue;
        const std::size_t score = l.find(" score "), nodes = l.find(" nodes "), pv = l.find(" pv ");
        v.push_back({l.substr(pv + 4), l.substr(score + 7, nodes - score - 7), razao});
        razao.clear();
    }
    return v;
}

// Centipawns of the material after the move, from the mover's side, by the
// usual values (pawn 100, knight and bishop 300, rook 500, queen 900).
std::string material_depois(xadrez::Posicao x, const std::string& lance) {
    const bool brancas = x.brancas_a_mover;
    xadrez::joga(x, *xadrez::le_coordenadas(lance));
    if (xadrez::fim(x) == xadrez::Fim::mate) return "mate 1";
    int cp = 0;
    for (const char p : x.pecas) {
        const std::string_view letras = "PNBRQ";
        const int valores[] = {100, 300, 300, 500, 900};
        const std::size_t k = letras.find(xadrez::tipo_da_peca(p));
        if (p == xadrez::VAZIA || k == std::string_view::npos) continue;
        cp += xadrez::branca(p) == brancas ? valores[k] : -valores[k];
    }
    return "cp " + std::to_string(cp);
}

// MultiPV N: min(N, legal moves) lines of distinct legal moves, the choice
// first, then the other candidates in the cascade's order, then the moves
// the rules never weigh (castling, captures in passing, a pawn's double step
// beside an opposing pawn, underpromotions), each after its reason. Every
// line's score is the material after its move, whatever N; fewer lines are
// the first of more.
TEST(Uci, MultiPvListsEveryLegalMove) {
    struct Caso {
        const char* posicao;
        std::vector<std::string> devem; // moves that must be among the lines
    };
    // clang-format off
    const Caso casos[] = {
        {"startpos moves e2e4 e7e6 d2d4 b7b6 g1f3", {}},
        {"fen r3k2r/pppq1ppp/2npbn2/2b1p3/2B1P3/2NPBN2/PPPQ1PPP/R3K2R w KQkq - 0 1", {"e1g1", "e1c1"}},
        {"fen rnbqkbnr/ppp1p1pp/8/3pPp2/8/8/PPPP1PPP/RNBQKBNR w KQkq f6 0 3", {"e5f6"}},
        {"fen 4k3/8/8/8/1p6/8/P7/4K3 w - - 0 1", {"a2a4"}},
        {"fen rn6/3pPk1r/b1p3p1/pp2np2/8/PPP1bNKP/2Q1P2R/RN3B2 w - - 5 26", {"e7e8n", "e7e8b", "e7e8r"}},
        {"fen k7/8/8/8/8/8/6q1/K6Q b - - 10 30", {}},
    };
    // clang-format on
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.posicao);
        const xadrez::Posicao x = uci::le_posicao(uci::palavras(std::string(c.posicao))).atual;
        const int legais = xadrez::legais(x).size();
        const std::string posicao = std::string("position ") + c.posicao + "\ngo\n";
        const std::string um = sessao("uci\n" + posicao);
        const std::vector<LinhaPv> so = linhas_pv(um);
        ASSERT_EQ(so.size(), 1u) << um;
        std::vector<LinhaPv> todas;
        for (const int n : {3, 64}) {
            const std::string s =
                sessao("uci\nsetoption name MultiPV value " + std::to_string(n) + "\n" + posicao);
            const std::vector<LinhaPv> v = linhas_pv(s);
            ASSERT_EQ(v.size(), static_cast<std::size_t>(std::min(n, legais))) << s;
            EXPECT_EQ(v[0].lance, melhor_lance(s));
            EXPECT_EQ(v[0].lance, so[0].lance) << "the first line is the move chosen";
            EXPECT_EQ(v[0].pontos, so[0].pontos) << "one meaning of the score";
            std::set<std::string> vistos;
            for (std::size_t k = 0; k < v.size(); ++k) {
                SCOPED_TRACE(v[k].lance);
                EXPECT_TRUE(vistos.insert(v[k].lance).second) << "twice";
                EXPECT_TRUE(xadrez::legal(x, *xadrez::le_coordenadas(v[k].lance)));
                EXPECT_EQ(v[k].pontos, material_depois(x, v[k].lance));
                EXPECT_FALSE(v[k].razao.empty());
                if (n == 64 && k < 3) {
                    EXPECT_EQ(v[k].lance, todas[k].lance) << "the order";
                }
            }
            todas = v;
        }
        for (const std::string& m : c.devem) {
            const auto l = std::find_if(todas.begin(), todas.end(),
                                        [&](const LinhaPv& p) { return p.lance == m; });
            ASSERT_NE(l, todas.end()) << m;
            EXPECT_TRUE(l->razao.starts_with("Not weighed: my rules never look at")) << l->razao;
        }
    }
    // A value past any int is out of range too: taken as 64.
    const std::string muitas = sessao("uci\nsetoption name MultiPV value 99999999999\n"
                                      "position startpos\ngo\n");
    EXPECT_EQ(linhas_pv(muitas).size(), 20u) << muitas;
    const std::string uma = sessao("uci\nsetoption name MultiPV value -99999999999\n"
                                   "position startpos\ngo\n");
    EXPECT_EQ(linhas_pv(uma).size(), 1u) << uma;
}

// go searchmoves with MultiPV: the lines are moves of the list alone, the
// bestmove the first of them.
TEST(Uci, SearchmovesAnswersFromItsList) {
    struct Caso {
        const char* fen;
        std::vector<std::string> lista;
    };
    // clang-format off
    const Caso casos[] = {
        {"8/1P4k1/8/8/8/8/6p1/K7 w - - 0 1", {"b7b8n"}},
        {"8/1P4k1/8/8/8/8/6p1/K7 w - - 0 1", {"b7b8r", "b7b8b", "a1b2"}},
        {"rn6/3pPk1r/b1p3p1/pp2np2/8/PPP1bNKP/2Q1P2R/RN3B2 w - - 5 26", {"e7e8n", "e7e8r"}},
        {"r3k2r/pppq1ppp/2npbn2/2b1p3/2B1P3/2NPBN2/PPPQ1PPP/R3K2R w KQkq - 0 1", {"e1g1", "a2a3", "e1c1"}},
        {"rnbqkbnr/ppp1p1pp/8/3pPp2/8/8/PPPP1PPP/RNBQKBNR w KQkq f6 0 3", {"e5f6", "e5e6"}},
        {"4k3/8/8/8/1p6/8/P7/4K3 w - - 0 1", {"a2a4", "e1d1"}},
    };
    // clang-format on
    for (const Caso& c : casos) {
        std::string lista;
        for (const std::string& m : c.lista) lista += " " + m;
        SCOPED_TRACE(c.fen + lista);
        for (const int n : {1, 64}) {
            const std::string s =
                sessao("uci\nsetoption name MultiPV value " + std::to_string(n) +
                       "\nposition fen " + c.fen + "\ngo searchmoves" + lista + "\n");
            const std::vector<LinhaPv> v = linhas_pv(s);
            ASSERT_EQ(v.size(), n == 1 ? 1u : c.lista.size()) << s;
            EXPECT_EQ(v[0].lance, melhor_lance(s));
            for (const LinhaPv& l : v)
                EXPECT_NE(std::find(c.lista.begin(), c.lista.end(), l.lance), c.lista.end())
                    << l.lance;
        }
    }
}

// A position set up from outside has no opening behind it: the pawns on
// their seventh rank count at once, as they do later in a game. The same
// positions at move numbers 1 to 6 and at 40 get the same answer, in UCI and
// in xboard's analysis.
TEST(Uci, PromotionsWatchedFromTheFirstMoveOfASetUpPosition) {
    // clang-format off
    const char* posicoes[] = {
        "8/1P4k1/8/8/8/8/6p1/K7 w - -",
        "k7/6P1/8/8/8/8/1p4K1/8 b - -",
        "rn6/3pPk1r/b1p3p1/pp2np2/8/PPP1bNKP/2Q1P2R/RN3B2 w - -",
        "rn6/3pPk1r/b1p3p1/pp2np2/8/PPP1bNKP/2Q1P2R/RN3B2 b - -",
        "4k3/1P6/8/8/8/8/5p2/3K4 b - -",
    };
    // clang-format on
    const auto uci = [](const std::string& fen) {
        const std::string s = sessao("uci\nposition fen " + fen + "\ngo\n");
        return linhas_pv(s).at(0).razao + " " + melhor_lance(s);
    };
    const auto xb = [](const std::string& fen) {
        const std::string s = sessao("xboard\nprotover 2\nsetboard " + fen + "\nanalyze\n");
        return s.substr(s.find("done=1\n") + 7);
    };
    for (const char* p : posicoes) {
        const std::string no_meio = std::string(p) + " 0 40";
        SCOPED_TRACE(no_meio);
        for (int numero = 1; numero <= 6; ++numero) {
            const std::string fen = std::string(p) + " 0 " + std::to_string(numero);
            EXPECT_EQ(uci(fen), uci(no_meio)) << fen;
            EXPECT_EQ(xb(fen), xb(no_meio)) << fen;
        }
    }
    // The promotion seen: Black's g1=Q+ answers a safe pawn move.
    EXPECT_EQ(uci("8/1P4k1/8/8/8/8/6p1/K7 w - - 0 1").find("Rule 39"), std::string::npos);
}

// Every score line carries a time above 0 before its pv: GUIs show no
// analysis line of time 0, or without one.
TEST(Uci, ScoreLinesCarryATime) {
    const char* entradas[] = {
        "position startpos\ngo\n",
        "setoption name MultiPV value 3\nposition startpos moves e2e4 e7e6 d2d4\ngo "
        "infinite\nstop\n",
        "position startpos\ngo searchmoves h2h4 a2a3\n",
        "position fen 7k/8/6K1/8/8/8/8/1Q6 w - - 0 1\ngo ponder\nponderhit\n",
    };
    for (const char* entrada : entradas) {
        SCOPED_TRACE(entrada);
        std::istringstream linhas(sessao(std::string("uci\n") + entrada));
        int vistas = 0;
        for (std::string l; std::getline(linhas, l);) {
            if (!l.starts_with("info ") || l.starts_with("info string ")) continue;
            ++vistas;
            EXPECT_NE(l.find(" time 1 pv "), std::string::npos) << l;
        }
        EXPECT_GT(vistas, 0);
    }
}

TEST(Uci, IllegalMoveDropsTheRestOfTheList) {
    // After "e2e4" alone Black is to move: the engine answers for Black.
    const std::string s = sessao("uci\nposition startpos moves e2e4 e2e5 d2d4\ngo\n");
    EXPECT_EQ(melhor_lance(s), "e7e6");
}

TEST(Uci, BadFenKeepsTheGameAsItWas) {
    const std::string com = sessao("uci\nposition startpos moves e2e4\nposition fen x\ngo\n");
    const std::string sem = sessao("uci\nposition startpos moves e2e4\ngo\n");
    EXPECT_EQ(melhor_lance(com), melhor_lance(sem));
}

TEST(Uci, CastlingAndCaptureInPassingInTheList) {
    // White castles short and later takes in passing: Black, the engine, is
    // left with its king against a rook and a pawn (-600), and a king's move.
    const std::string s =
        sessao("uci\nposition fen 4k3/3p4/8/4P3/8/8/8/4K2R w K - 0 1 moves e1g1 d7d5 e5d6\n"
               "go\n");
    EXPECT_EQ(s.find("Illegal"), std::string::npos) << s;
    EXPECT_NE(s.find("score cp -600 "), std::string::npos) << s;
    EXPECT_TRUE(melhor_lance(s).starts_with("e8")) << s;
}

TEST(Uci, StateCarriesOnlyWhenTheListGoesOn) {
    // With the first opening move counted, Black's second is b7b6 (no
    // bishop of White on g2); a position that does not continue the game is
    // a new one, whose first move would be e7e6 again... unless the list
    // already holds Black's moves, which count.
    const std::string seguido = sessao(
        "uci\nposition startpos moves e2e4\ngo\nposition startpos moves e2e4 e7e6 d2d4\ngo\n");
    EXPECT_EQ(melhor_lance(seguido), "b7b6");
    const std::string novo = sessao("uci\nposition startpos moves e2e4 e7e6 d2d4\ngo\n");
    EXPECT_EQ(melhor_lance(novo), "b7b6");
    const std::string de_fen =
        sessao("uci\nposition fen rnbqkbnr/pppp1ppp/4p3/8/3PP3/8/PPP2PPP/RNBQKBNR b KQkq d3 0 2\n"
               "go\n");
    EXPECT_EQ(de_fen.find("Opening move"), std::string::npos) << de_fen;
}

// A position asked about again before the bestmove is played gets the answer
// a fresh session gives: the engine pass's opening moves and draw counter
// count only once its move is played.
TEST(Uci, SamePositionAskedAgainGetsTheSameAnswer) {
    const std::string inicio = "position startpos\n";
    const std::string meio =
        "position fen 1qb2bnr/5k2/rpnP2p1/1pP1Pp1p/P2P2PP/2P5/3B4/R3KBNR b KQ - 2 21\n";
    struct Caso {
        const char* nome;
        std::string posicao;
        std::string antes;  // asked first, after the position
        std::string depois; // then; a fresh session is sent the position and this only
    };
    // clang-format off
    const Caso casos[] = {
        {"go twice", inicio, "go\n", "go\n"},
        {"go infinite, stop", inicio, "go infinite\nstop\n", "go\n"},
        {"go ponder, ponderhit", inicio, "go ponder\nponderhit\n", "go\n"},
        {"searchmoves", inicio, "go searchmoves a2a3 h2h4\n", "go\n"},
        {"MultiPV 3", inicio, "setoption name MultiPV value 3\ngo\nsetoption name MultiPV value 1\n",
         "go\n"},
        {"another move played than the bestmove", inicio, "go\n",
         "position startpos moves d2d4 e7e5\ngo\n"},
        {"a middlegame, asked a fourth time", meio, "go\ngo infinite\nstop\ngo ponder\nponderhit\n",
         "go\n"},
    };
    // clang-format on
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        const std::string de_novo = sessao("uci\n" + c.posicao + c.antes + c.depois);
        const std::string fresca = sessao("uci\n" + c.posicao + c.depois);
        ASSERT_FALSE(melhor_lance(fresca).empty()) << fresca;
        EXPECT_EQ(melhor_lance(de_novo), melhor_lance(fresca)) << de_novo;
    }
}

// A console whose lines come from a function, asked when the program reads
// one, as a GUI answers what the program printed; no line more ends the input.
class ConsoleDeRoteiro : public Console {
  public:
    ConsoleDeRoteiro(std::ostream& saida, std::function<std::optional<std::string>()> proxima)
        : saida_(saida), proxima_(std::move(proxima)) {}
    std::ostream& saida() override { return saida_; }

  protected:
    std::string le_linha() override {
        std::optional<std::string> l = proxima_();
        if (!l) throw FimDoPrograma{};
        return *l;
    }
    char le_tecla() override { return le_linha().c_str()[0]; }

  private:
    std::ostream& saida_;
    std::function<std::optional<std::string>()> proxima_;
};

// A seeded random opponent plays against the engine twice: as a whole xboard
// session whose GUI sends the opponent's moves, and as a UCI game whose every
// "position" repeats the whole list, as GUIs send it. The engine must answer
// the same each time.
struct Partidas {
    int partidas = 0, lances = 0;
};

Partidas compara(bool maquina_tem_brancas, unsigned semente, Partidas total) {
    std::mt19937 sorte(semente);
    std::istringstream in_uci;
    std::ostringstream out_uci;
    ConsoleDeFluxo console_uci(in_uci, out_uci);
    uci::SessaoUci u(console_uci);

    xadrez::Posicao x = xadrez::Posicao::inicial();
    std::string lista;
    int meios = 0;
    auto joga = [&](const std::string& lance) {
        xadrez::joga(x, *xadrez::le_coordenadas(lance));
        lista += ' ' + lance;
        ++meios;
    };
    std::ostringstream out_xb;
    std::size_t lido = 0;
    // The GUI: the engine's answer compared with the UCI session's, then the
    // opponent's move.
    const auto gui = [&]() -> std::optional<std::string> {
        const std::string novo = out_xb.str().substr(lido);
        lido = out_xb.str().size();
        if (x.brancas_a_mover == maquina_tem_brancas) {
            if (novo.empty()) return "go"; // the engine has White
            out_uci.str("");
            u.comando("position startpos" + (lista.empty() ? "" : " moves" + lista));
            u.comando("go");
            const std::string do_uci = melhor_lance(out_uci.str());
            const std::string do_xb =
                novo.starts_with("move ") ? novo.substr(5, novo.find('\n') - 5) : "0000";
            EXPECT_EQ(do_uci, do_xb) << "seed " << semente << " after" << lista;
            if (do_uci != do_xb || do_uci == "0000") return std::nullopt;
            joga(do_uci);
            ++total.lances;
        }
        if (meios >= 120 || xadrez::fim(x) != xadrez::Fim::nenhum) return std::nullopt;
        const xadrez::ListaDeLances l = xadrez::legais(x);
        const std::string lance = xadrez::escreve_coordenadas(l.lances[sorte() % l.n]);
        joga(lance);
        return lance;
    };
    ConsoleDeRoteiro console_xb(out_xb, gui);
    ArquivosNaMemoria arquivos;
    EXPECT_EQ(SessaoXboard(console_xb, arquivos).executa(), 0);
    ++total.partidas;
    return total;
}

TEST(Uci, SameAnswersAsAnXboardGameWithTheSameMoves) {
    Partidas total;
    for (unsigned semente = 1; semente <= 8; ++semente) {
        total = compara(semente % 2 == 0, semente, total);
    }
    EXPECT_EQ(total.partidas, 8);
    EXPECT_GT(total.lances, 100);
    std::cout << "[ info ] " << total.partidas << " games, " << total.lances
              << " engine moves compared\n";
}

} // namespace
} // namespace quelmaro
