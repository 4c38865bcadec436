// The console's dialog (src/console/dialogo.cpp): the start-up questions,
// the drawing of the board, the promotion dialog, the computer's move line,
// and the end of the game (mate, stalemate, a dead position, finished games
// loaded, the key that ends the program).
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "frente_apoio.hpp"

namespace quelmaro {
namespace {

// The groups of tests, one fixture for all.
using Desenho = NoConsole;
using Promocao = NoConsole;
using MeuLance = NoConsole; // the computer's move line
using FimDeJogo = NoConsole;

const std::string PEDIDO = "What is your move?\n";
const std::string ACABOU = "The game is over: new, undo, moves, pgn, save or quit.\n";

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

// --- The start-up questions ---

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
}

// --- The drawing ---

std::string linhas(std::initializer_list<const char*> l) {
    std::string s;
    for (const char* x : l) (s += x) += '\n';
    return s;
}

TEST_F(Desenho, InBothOrientationsAndLanguages) {
    exibicao().usa_tabuleiro = 's';
    Estado e;
    e.novo_jogo(false);
    e.poe_contadores(4, 3, 2);
    jogo().poe_estado(e);
    frente->escreve_tabuleiro();
    const std::string frame = "  ---------------------------------";
    EXPECT_EQ(impresso(),
              linhas({"     Computer                            Quelmaro          3          4",
                      frame.c_str(),
                      "1 |*R |*N |*B |*K |*Q |*B |*N |*R |",
                      frame.c_str(),
                      "2 |*P |*P |*P |*P |*P |*P |*P |*P |",
                      frame.c_str(),
                      "3 |   |   |   |   |   |   |   |   |",
                      frame.c_str(),
                      "4 |   |   |   |   |   |   |   |   |",
                      frame.c_str(),
                      "5 |   |   |   |   |   |   |   |   |",
                      frame.c_str(),
                      "6 |   |   |   |   |   |   |   |   |",
                      frame.c_str(),
                      "7 | P | P | P | P | P | P | P | P |",
                      frame.c_str(),
                      "8 | R | N | B | K | Q | B | N | R |",
                      frame.c_str(),
                      "    h   g   f   e   d   c   b   a",
                      "    Human",
                      ""}));
    exibicao().ingles = false;
    exibicao().maquina_no_alto = false;
    frente->escreve_tabuleiro();
    EXPECT_EQ(impresso(),
              linhas({"     Humano                              Quelmaro          3          4",
                      frame.c_str(),
                      "8 | T | C | B | D | R | B | C | T |",
                      frame.c_str(),
                      "7 | P | P | P | P | P | P | P | P |",
                      frame.c_str(),
                      "6 |   |   |   |   |   |   |   |   |",
                      frame.c_str(),
                      "5 |   |   |   |   |   |   |   |   |",
                      frame.c_str(),
                      "4 |   |   |   |   |   |   |   |   |",
                      frame.c_str(),
                      "3 |   |   |   |   |   |   |   |   |",
                      frame.c_str(),
                      "2 |*P |*P |*P |*P |*P |*P |*P |*P |",
                      frame.c_str(),
                      "1 |*T |*C |*B |*D |*R |*B |*C |*T |",
                      frame.c_str(),
                      "    a   b   c   d   e   f   g   h",
                      "    computador",
                      ""}));
    exibicao().usa_tabuleiro = 'n';
    frente->escreve_tabuleiro();
    EXPECT_EQ(impresso(), "");
}

// --- The promotion dialog ---

TEST_F(Promocao, NumberedDialog) {
    struct Caso {
        bool ingles;
        const char* respostas;
        int codigo; // the piece chosen; VAZIO: none, the input ends first
        int perguntas;
    };
    // clang-format off
    const Caso casos[] = {
        {true, "1\n", -DAMA, 1}, {true, "2\n", -CAVALO, 1}, {true, "3\n", -BISPO, 1},
        {true, "4\n", -TORRE, 1}, {true, "0\n7\n4\n", -TORRE, 3}, {true, "x\n 2 \n", -CAVALO, 2},
        {true, "\n1.5\n-1\n3\n", -BISPO, 4}, {false, "5\n1\n", -DAMA, 2},
        // the input ends before an answer, and the turn with it
        {true, "9\n", VAZIO, 2},
    };
    // clang-format on
    const std::string ingles = " 1- Queen, 2- Knight, 3- Bishop, 4- Rook.\n";
    const std::string portugues = " Por qual peca voce deseja trocar seu peao?\n"
                                  " 1- Dama, 2- Cavalo, 3- Bispo, 4- Torre.\n";
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.respostas);
        monta();
        exibicao().ingles = c.ingles;
        // (the pawn on h2 keeps a knight or bishop from ending the game)
        posicao(true, {{"e1", -REI}, {"a8", REI}, {"e7", -PEAO}, {"h2", -PEAO}});
        EXPECT_EQ(vez_dele(std::string("e7e8\n") + c.respostas), c.codigo != VAZIO);
        if (c.codigo != VAZIO) {
            EXPECT_EQ(em("e8"), c.codigo);
        }
        std::string esperado;
        for (int i = 0; i < c.perguntas; ++i) esperado += c.ingles ? ingles : portugues;
        EXPECT_EQ(impresso(), esperado);
    }
}

// --- The computer's move ---

// With --san the computer's move in SAN after its coordinates; without it,
// the line as ever.
TEST_F(MeuLance, InSanAfterItsCoordinatesWithSanOn) {
    exibicao().san = true;
    for (const char* lance : {"e4\n", "d4\n", "Nf3\n"}) {
        vez_dele(lance);
        joga_maquina();
    }
    EXPECT_EQ(impresso(), "\nMy move is: e7e6 (e6)\n" + PEDIDO + "\nMy move is: b7b6 (b6)\n" +
                              PEDIDO + "\nMy move is: f8b4 (Bb4+)\n" + PEDIDO);
    monta();
    vez_dele("e4\n");
    joga_maquina();
    EXPECT_EQ(impresso(), "\nMy move is: e7e6\n" + PEDIDO);
}
// --- The end of the game ---

TEST_F(FimDeJogo, ADeadPositionAfterThePlayersMoveEndsTheGameAsADraw) {
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

TEST_F(FimDeJogo, ADeadPositionAfterTheComputersMoveEndsTheGameAsADraw) {
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

// A game that ended in mate or stalemate loads as it ended: its last
// position, the end said, and then a take-back or a new game goes on.
TEST_F(FimDeJogo, AFinishedGameLoadsAsItEnded) {
    const std::string mate = le_arquivo(QUELMARO_TEST_DATA "/pgn/mate_primeiro.pgn");
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
TEST_F(FimDeJogo, AGameWithAResultLoadsAsFinishedWithIt) {
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

TEST_F(FimDeJogo, TheKeyThatEndsTheProgramIsAnyKey) {
    // The key that ends the game is any key, Enter too.
    std::ostringstream tela;
    ConsoleDeTeclas teclas("\n", tela);
    ArquivosNaMemoria disco;
    Dialogo d(teclas, disco);
    EXPECT_FALSE(d.fim_do_passe(Termino::mate));
    EXPECT_EQ(tela.str(), "Você ganhou!\nPressione um caracter para sair.\n");
}

} // namespace
} // namespace quelmaro
