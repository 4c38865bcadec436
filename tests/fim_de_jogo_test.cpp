// The end of a game at the console (mate, stalemate, a dead position, the
// draws a player may claim); files of several games, finished games
// loaded; the console's notation
// (the hint and --san in SAN, "moves" wrapped between moves); the start-up
// answers read past a blank key.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>

#include "chess/pgn_leitura.hpp"
#include "frente_apoio.hpp"

namespace quelmaro {
namespace {

const std::string PEDIDO = "What is your move?\n";
const std::string ACABOU = "The game is over: new, undo, moves, pgn, save or quit.\n";

std::string le(const std::string& caminho) {
    std::ifstream f(caminho, std::ios::binary);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}

std::string pgn_de(const char* fen, const char* lances) {
    return std::string("[FEN \"") + fen + "\"]\n\n" + lances + " *\n";
}

constexpr const char* INICIO = "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1";

class Fim : public NoConsole {
  protected:
    // The console in the language given, the file loaded.
    std::string abre(const std::string& conteudo, const std::string& depois = "",
                     bool ingles = true) {
        monta();
        exibicao().ingles = ingles;
        arquivos.arquivos["f"] = conteudo;
        vez_dele("open\nf\n" + depois);
        return impresso();
    }
};

TEST_F(Fim, ADeadPositionAfterThePlayersMoveEndsTheGameAsADraw) {
    const std::string fen = "8/8/8/4k3/8/8/3q4/4K3 w - - 0 1\n";
    EXPECT_EQ(abre(fen, "Kxd2\nKd3\nmoves\npgn\np.pgn\n"),
              "Enter the name of the file\n" + PEDIDO +
                  "Neither side can mate with the pieces left: the game is a draw.\n" + ACABOU +
                  ACABOU + "The game started from: 8/8/8/4k3/8/8/3q4/4K3 w - - 0 1\n1. Kxd2\n" +
                  ACABOU + "Enter the name of the file.\n" + ACABOU);
    EXPECT_EQ(jogo().termino(), Termino::material_insuficiente);
    EXPECT_EQ(jogo().historico().size(), 1u); // Kd3 was not played
    EXPECT_NE(arquivos.arquivos["p.pgn"].find("1. Kxd2 1/2-1/2"), std::string::npos);
    // Taken back, the game goes on.
    vez_dele("undo\n");
    EXPECT_EQ(impresso(), PEDIDO);
    EXPECT_FALSE(jogo().acabou());
    EXPECT_EQ(em("d2"), DAMA);
    EXPECT_TRUE(abre(fen, "Kxd2\n", false)
                    .ends_with("Qual e' seu movimento?\nNenhum dos lados pode dar mate com as "
                               "peças que restam: a partida empatou.\nA partida acabou: new, undo, "
                               "moves, pgn, save ou quit.\n"));
}

TEST_F(Fim, ADeadPositionAfterTheComputersMoveEndsTheGameAsADraw) {
    // The computer's king takes the pawn the player pushed beside it.
    abre("8/8/8/4k3/8/4P3/8/K7 w - - 0 1\n", "e4\n");
    EXPECT_TRUE(joga_maquina());
    EXPECT_EQ(impresso(), "\nMy move is: e5e4\nNeither side can mate with the pieces left: the "
                          "game is a draw.\n" +
                              ACABOU);
    EXPECT_EQ(jogo().termino(), Termino::material_insuficiente);
    // "play" has no side to take in a game over; "hint" nothing to suggest.
    vez_dele("play\nhint\nKb2\n");
    EXPECT_EQ(impresso(), ACABOU + ACABOU + ACABOU);
    EXPECT_EQ(em("a1"), -REI);
}

TEST_F(Fim, ADrawClaimedWhenTheRulesAllowIt) {
    struct Caso {
        const char* nome;
        std::string arquivo;
        const char* impresso; // after "draw"
        Termino termino;
    };
    const Caso casos[] = {
        {"threefold repetition", pgn_de(INICIO, "1. Nf3 Nf6 2. Ng1 Ng8 3. Nf3 Nf6 4. Ng1 Ng8"),
         "The same position has stood three times: the game is a draw.\n",
         Termino::repeticao_tripla},
        {"fifty moves", "4k3/8/8/8/8/8/8/R3K3 w - - 100 80\n",
         "Fifty moves each without a capture or a pawn move: the game is a draw.\n",
         Termino::cinquenta_lances},
        // Neither: the player's offer, agreed when the computer would offer
        // one itself (not ahead, more than ten moves), else declined, said.
        {"no claim, agreed", "4k2r/8/8/8/8/8/8/R3K3 w - - 20 40\n",
         "No draw can be claimed here, but I accept your offer: the game is a draw.\n",
         Termino::empate_acordado},
        {"no claim, declined", pgn_de(INICIO, "1. Nf3 Nf6 2. Ng1 Ng8"),
         "No draw can be claimed here, and I decline your offer: play on.\nWhat is your move?\n",
         Termino::nenhum},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        abre(c.arquivo);
        vez_dele("draw\n");
        const bool acabou = c.termino != Termino::nenhum;
        EXPECT_EQ(impresso(), c.impresso + (acabou ? ACABOU : ""));
        EXPECT_EQ(jogo().termino(), c.termino);
        EXPECT_EQ(jogo().acabou(), acabou);
        vez_dele("pgn\np.pgn\n");
        EXPECT_NE(
            arquivos.arquivos["p.pgn"].find(acabou ? "[Result \"1/2-1/2\"]" : "[Result \"*\"]"),
            std::string::npos);
    }
}

// A game that ended in mate or stalemate loads as it ended: its last
// position, the end said, and then a take-back or a new game goes on.
TEST_F(Fim, AFinishedGameLoadsAsItEnded) {
    const std::string mate = le(QUELMARO_TEST_DATA "/pgn/mate_primeiro.pgn");
    const std::string s = abre(mate, "1\ne4\nQxd8\n");
    EXPECT_TRUE(
        s.ends_with("Which game (1 to 2)?\nCheckmate: White wins.\n" + ACABOU + ACABOU + ACABOU))
        << s;
    EXPECT_EQ(jogo().historico().size(), 19u);
    EXPECT_EQ(jogo().termino(), Termino::mate);
    EXPECT_FALSE(estado().jogador_tem_brancas()); // the side to move, mated
    // Its moves were not chosen here: nothing of mine to explain.
    vez_dele("why\nwhy Qd8\n");
    EXPECT_EQ(impresso(), "There is no move of mine to explain yet.\n" + ACABOU +
                              "There is no move of mine to explain yet.\n" + ACABOU);
    vez_dele("moves\n");
    EXPECT_TRUE(impresso().ends_with("10. Qd8#\n" + ACABOU));
    vez_dele("undo\n");
    EXPECT_EQ(impresso(), PEDIDO);
    EXPECT_EQ(jogo().historico().size(), 17u);
    EXPECT_FALSE(jogo().acabou());

    EXPECT_EQ(abre("7k/5Q2/6K1/8/8/8/8/8 b - - 0 1\n"),
              "Enter the name of the file\nStalemate! The game is a draw.\n" + ACABOU);
    EXPECT_EQ(jogo().termino(), Termino::afogamento);
    EXPECT_EQ(abre("7k/5Q2/6K1/8/8/8/8/8 b - - 0 1\n", "", false).substr(23),
              "\nAfogamento! O jogo empatou.\nA partida acabou: new, undo, moves, pgn, save ou "
              "quit.\n");
    // A new game is not over.
    vez_dele("new\ne\nn\ns\n");
    EXPECT_FALSE(jogo().acabou());
}

// A game whose file gives it a result (resigned, a draw agreed) loads as
// finished with it, in either language; "pgn" writes it back, "undo" goes
// on. A position with no moves and a result (a puzzle) is to be played.
TEST_F(Fim, AGameWithAResultLoadsAsFinishedWithIt) {
    const struct {
        const char* resultado;
        const char* ingles;
        const char* portugues;
    } casos[] = {
        {"0-1", "This game is over, as the file says: Black won (0-1).\n",
         "Esta partida acabou, como diz o arquivo: as pretas venceram (0-1).\n"},
        {"1-0", "This game is over, as the file says: White won (1-0).\n",
         "Esta partida acabou, como diz o arquivo: as brancas venceram (1-0).\n"},
        {"1/2-1/2", "This game is over, as the file says: a draw (1/2-1/2).\n",
         "Esta partida acabou, como diz o arquivo: empate (1/2-1/2).\n"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.resultado);
        const std::string r = c.resultado;
        const std::string pgn = "[Result \"" + r + "\"]\n\n1. e4 e5 2. Nf3 Nc6 " + r + "\n";
        EXPECT_EQ(abre(pgn), "Enter the name of the file\n" + std::string(c.ingles) + ACABOU);
        EXPECT_TRUE(jogo().acabou());
        vez_dele("Bb5\npgn\np.pgn\n");
        EXPECT_NE(arquivos.arquivos["p.pgn"].find("Nc6 " + r + "\n"), std::string::npos)
            << arquivos.arquivos["p.pgn"];
        EXPECT_EQ(jogo().historico().size(), 4u); // no move taken
        vez_dele("undo\n");
        EXPECT_FALSE(jogo().acabou());
        EXPECT_EQ(jogo().historico().size(), 2u);
        EXPECT_TRUE(abre(pgn, "", false)
                        .ends_with(c.portugues + std::string("A partida acabou: new, undo, "
                                                             "moves, pgn, save ou quit.\n")));
    }
    abre("[Result \"1-0\"]\n[FEN \"6k1/5ppp/8/8/8/8/8/R5K1 w - - 0 1\"]\n\n1-0\n");
    EXPECT_FALSE(jogo().acabou());
}

TEST_F(Fim, AFileOfSeveralGamesListsThemAndLoadsTheOneNamed) {
    const std::string ruim = le(QUELMARO_TEST_DATA "/pgn/ruim_no_meio.pgn");
    const std::string lista = "Enter the name of the file\nThe file holds 3 games:\n"
                              "  1. Correspondence, Carla - Duarte, 0-1\n"
                              "  2. Correspondence, Duarte - Carla, 1-0 (cannot be loaded)\n"
                              "  3. Correspondence, Carla - Duarte, 1/2-1/2\n"
                              "Which game (1 to 3)?\n";
    struct Caso {
        const char* resposta;
        std::string depois; // what follows the question
        std::size_t lances; // the history after it
    };
    const std::string nao = "The game could not be loaded.\n";
    const Caso casos[] = {
        {"3", "This game is over, as the file says: a draw (1/2-1/2).\n" + ACABOU, 8},
        {" 3 ", "This game is over, as the file says: a draw (1/2-1/2).\n" + ACABOU, 8},
        {"1", "Checkmate: Black wins.\n" + ACABOU, 4},
        {"2", nao + "Move 18. Ke2 is not legal there.\n" + PEDIDO, 0},
        {"4", nao + "The file has no game 4.\n" + PEDIDO, 0},
        {"0", nao + "The file has no game 0.\n" + PEDIDO, 0},
        {"two", nao + "The file has no game two.\n" + PEDIDO, 0},
        {"", nao + "No game was chosen.\n" + PEDIDO, 0},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.resposta);
        const std::string s = abre(ruim, c.resposta + std::string("\n"));
        EXPECT_EQ(s, lista + c.depois);
        EXPECT_EQ(jogo().historico().size(), c.lances); // none: the game as it was
    }
    // In Portuguese, the list and the question too.
    const std::string pt = abre(ruim, "2\n", false);
    EXPECT_NE(pt.find("O arquivo tem 3 partidas:\n"), std::string::npos) << pt;
    EXPECT_NE(pt.find("1-0 (não pode ser carregada)\n"), std::string::npos) << pt;
    EXPECT_NE(pt.find("Qual partida (1 a 3)?\nNão foi possível carregar o jogo.\n"
                      "O lance 18. Ke2 não é legal nessa posição.\n"),
              std::string::npos)
        << pt;
    // Games without the tags that tell them apart.
    const std::string sem =
        abre("1. e4 *\n\n[Event \"?\"]\n[Date \"????.??.??\"]\n\n1. d4 *\n", "9\n");
    EXPECT_NE(sem.find("  1. (no tags)\n  2. (no tags)\n"), std::string::npos) << sem;
}

TEST_F(Fim, TheHintAndMyMoveInSan) {
    struct Caso {
        bool ingles;
        const char* fen;
        const char* dica;
    };
    const Caso casos[] = {
        {true, "6k1/5ppp/8/8/8/8/8/R5K1 w - - 0 1", "Hint: Ra8# (a1a8)\n"},
        {false, "6k1/5ppp/8/8/8/8/8/R5K1 w - - 0 1", "Sugestão: Ta8# (a1a8)\n"},
        {true, "4k3/1P6/8/8/8/8/8/4K3 w - - 0 1", "Hint: b8=Q+ (b7b8q)\n"},
        {false, "4k3/1P6/8/8/8/8/8/4K3 w - - 0 1", "Sugestão: b8=D+ (b7b8d)\n"},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.dica);
        abre(c.fen, "", c.ingles);
        vez_dele("hint\n");
        EXPECT_EQ(impresso(), c.dica + std::string(c.ingles ? PEDIDO : "Qual e' seu movimento?\n"));
        // The coordinates the hint names, typed as they are, are the move it
        // names: no question asked.
        const std::string dica = c.dica;
        const std::string coordenadas =
            dica.substr(dica.find('(') + 1, dica.find(')') - dica.find('(') - 1);
        EXPECT_TRUE(vez_dele(coordenadas + "\n"));
        EXPECT_EQ(jogo().historico().size(), 1u);
        EXPECT_EQ(impresso(), "");
        EXPECT_EQ(em(coordenadas.substr(2, 2).c_str()), coordenadas[1] == '7' ? -DAMA : -TORRE);
    }
    // --san: the computer's move in SAN after its coordinates.
    monta();
    exibicao().san = true;
    for (const char* lance : {"e4\n", "d4\n", "Nf3\n"}) {
        vez_dele(lance);
        joga_maquina();
    }
    EXPECT_EQ(impresso(), "\nMy move is: e7e6 (e6)\n" + PEDIDO + "\nMy move is: b7b6 (b6)\n" +
                              PEDIDO + "\nMy move is: f8b4 (Bb4+)\n" + PEDIDO);
    // Without it, the line as ever.
    monta();
    vez_dele("e4\n");
    joga_maquina();
    EXPECT_EQ(impresso(), "\nMy move is: e7e6\n" + PEDIDO);
}

TEST_F(Fim, MovesWrapBetweenMoves) {
    std::string pgn = "[Event \"x\"]\n\n";
    // A long game of knights going back and forth, with long moves between.
    const char* volta[] = {"Nf3", "Nf6", "Ng1", "Ng8", "Nc3", "Nc6", "Nb1", "Nb8"};
    for (int i = 0; i < 48; ++i) {
        if (i % 2 == 0) pgn += std::to_string(i / 2 + 1) + ". ";
        pgn += std::string(volta[i % 8]) + " ";
    }
    abre(pgn + "*\n");
    vez_dele("moves\n");
    const xadrez::Partida p = jogo().partida();
    const std::string lista = xadrez::lances_numerados(p);
    ASSERT_GT(lista.size(), 200u);
    std::istringstream linhas(impresso());
    std::string linha, juntas;
    int n = 0;
    while (std::getline(linhas, linha) && linha != "What is your move?") {
        ++n;
        EXPECT_LE(linha.size(), 79u) << linha;
        EXPECT_FALSE(linha.ends_with(".")) << "a move number apart from its move: " << linha;
        EXPECT_FALSE(linha.starts_with(" ") || linha.ends_with(" ")) << linha;
        juntas += (juntas.empty() ? "" : " ") + linha;
    }
    EXPECT_GE(n, 3);
    EXPECT_EQ(juntas, lista);
}

// A console whose keys come one by one as a terminal gives them, Enter
// included ('\n' as on POSIX terminals, '\r' as on Windows consoles).
class ConsoleDeTeclas : public Console {
  public:
    ConsoleDeTeclas(std::string teclas, std::ostream& saida)
        : teclas_(std::move(teclas)), saida_(saida) {}
    std::ostream& saida() override { return saida_; }

  protected:
    std::string le_linha() override {
        const std::size_t fim = teclas_.find('\n');
        if (fim == std::string::npos) throw FimDoPrograma{};
        std::string s = teclas_.substr(0, fim);
        teclas_.erase(0, fim + 1);
        return s;
    }
    char le_tecla() override {
        if (teclas_.empty()) throw FimDoPrograma{};
        const char c = teclas_.front();
        teclas_.erase(0, 1);
        return c;
    }

  private:
    std::string teclas_;
    std::ostream& saida_;
};

TEST(Inicio, ABlankKeyIsNoAnswerToAStartUpQuestion) {
    struct Caso {
        const char* teclas;
        bool ingles, tabuleiro, brancas;
    };
    const Caso casos[] = {
        {"eyy", true, true, true},
        {"e\ny\ny\n", true, true, true},
        {"e\r\ny\r\nn\r\n", true, true, false},
        {" \tp\n\nn\n\ns", false, false, true},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.teclas);
        std::ostringstream saida;
        ConsoleDeTeclas console(c.teclas, saida);
        ArquivosNaMemoria arquivos;
        Dialogo d(console, arquivos);
        d.apresenta();
        EXPECT_EQ(d.exibicao().ingles, c.ingles);
        EXPECT_EQ(d.exibicao().usa_tabuleiro == 's', c.tabuleiro);
        EXPECT_EQ(d.jogo().estado().jogador_tem_brancas(), c.brancas);
        EXPECT_EQ(saida.str().find("  ---------") != std::string::npos, c.tabuleiro && c.brancas);
    }
    // The key that ends the game is any key, Enter too.
    std::ostringstream saida;
    ConsoleDeTeclas console("\n", saida);
    ArquivosNaMemoria arquivos;
    Dialogo d(console, arquivos);
    EXPECT_FALSE(d.fim_do_passe(Termino::mate));
    EXPECT_EQ(saida.str(), "Você ganhou!\nPressione um caracter para sair.\n");
}

} // namespace
} // namespace quelmaro
