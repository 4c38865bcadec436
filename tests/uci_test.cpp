// The UCI front end in whole sessions, and a UCI game against an xboard game
// fed the same opponent moves.
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <random>
#include <sstream>
#include <string>

#include "chess/lances.hpp"
#include "frente_apoio.hpp"
#include "uci/palavras.hpp"
#include "uci/posicao_uci.hpp"
#include "uci/sessao_uci.hpp"
#include "xboard/protocolos.hpp"

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
        {"reason of the move", "uci\nposition startpos\ngo\n",
         "info string Opening move: my king's pawn steps forward one square.\nbestmove e2e3\n", true},
        // Analysis: the bestmove waits for stop (or ponderhit); isready is answered meanwhile.
        {"go infinite waits for stop", "uci\nposition startpos\ngo infinite\nisready\nstop\nstop\n",
         "steps forward one square.\nreadyok\nbestmove e2e3\n", true},
        {"go infinite and quit: no bestmove", "uci\nposition startpos\ngo infinite\nquit\nstop\n",
         "steps forward one square.\n", true},
        {"go ponder waits for ponderhit", "uci\nposition startpos\ngo ponder\nisready\nponderhit\n",
         "square.\nreadyok\nbestmove e2e3\n", true},
        {"ponderhit does not end go infinite", "uci\nposition startpos\ngo infinite\nponderhit\nisready\n",
         "square.\nreadyok\n", true},
        {"a new position answers the go that waits",
         "uci\nposition startpos\ngo infinite\nposition startpos moves e2e3\nisready\n",
         "square.\nbestmove e2e3\nreadyok\n", true},
        // The fixed opening move e2e3 is not among them; of the two safe pawn
        // moves the last in scan order (a2 stands after h2 on White's board).
        {"searchmoves limits the choice", "uci\nposition startpos\ngo searchmoves h2h4 a2a3 xx\n",
         "pv a2a3\ninfo string Rule 39: A safe pawn move: no reply of yours wins anything of mine, "
         "mates me, checks me or promotes a pawn.\nbestmove a2a3\n", true},
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

// MultiPV N: the first N legal candidates in the cascade's order, the choice
// first, each with its reason; the score falls with the rule's number.
TEST(Uci, MultiPvRanksTheCandidatesByTheirRules) {
    const std::string s = sessao("uci\nsetoption name MultiPV value 3\nposition startpos moves "
                                 "e2e4 e7e6 d2d4 b7b6 g1f3\ngo\n");
    std::istringstream linhas(s);
    std::vector<std::pair<int, int>> vistas; // (score, rule)
    for (std::string l; std::getline(linhas, l);) {
        if (!l.starts_with("info multipv ")) continue;
        const std::size_t cp = l.find(" score cp ");
        ASSERT_NE(cp, std::string::npos) << l;
        std::string razao;
        ASSERT_TRUE(std::getline(linhas, razao));
        ASSERT_TRUE(razao.starts_with("info string Rule ")) << razao;
        vistas.push_back({std::stoi(l.substr(cp + 10)), std::stoi(razao.substr(17))});
        EXPECT_EQ(l.substr(0, 15), "info multipv " + std::to_string(vistas.size()) + " ");
    }
    ASSERT_EQ(vistas.size(), 3u) << s;
    for (std::size_t k = 0; k < vistas.size(); ++k) {
        EXPECT_EQ(vistas[k].first, 55 - vistas[k].second);
        if (k > 0) {
            EXPECT_LE(vistas[k].first, vistas[k - 1].first);
        }
    }
    const std::string um = sessao("uci\nposition startpos moves e2e4 e7e6 d2d4 b7b6 g1f3\ngo\n");
    EXPECT_EQ(melhor_lance(s), melhor_lance(um)) << "the first line is the move chosen";

    // Asked for more lines than there are moves (99 is taken as 64): one
    // line for each legal move.
    const std::string todas = sessao("uci\nsetoption name multipv value 99\n"
                                     "position startpos moves e2e4 e7e6 d2d4 b7b6 g1f3\ngo\n");
    std::size_t n = 0;
    for (std::size_t i = todas.find("info multipv "); i != std::string::npos;
         i = todas.find("info multipv ", i + 1))
        ++n;
    const xadrez::Posicao x =
        uci::le_posicao(uci::palavras("startpos moves e2e4 e7e6 d2d4 b7b6 g1f3")).atual;
    EXPECT_EQ(n, static_cast<std::size_t>(xadrez::legais(x).size()));
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
    // left with its king against a rook and a pawn (-800), and a king's move.
    const std::string s =
        sessao("uci\nposition fen 4k3/3p4/8/4P3/8/8/8/4K2R w K - 0 1 moves e1g1 d7d5 e5d6\n"
               "go\n");
    EXPECT_EQ(s.find("Illegal"), std::string::npos) << s;
    EXPECT_NE(s.find("score cp -800 "), std::string::npos) << s;
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
            std::string do_xb =
                novo.starts_with("move ") ? novo.substr(5, novo.find('\n') - 5) : "0000";
            // The xboard game promotes to a queen without a letter.
            if (do_uci.size() == 5 && do_xb.size() == 4) do_xb += do_uci[4];
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
