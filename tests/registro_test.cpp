// --record: every game the console plays is added to the PGN file as it
// ends (mate, stalemate, a draw, "new", "quit", the end of the input), with
// its result, and only once; a failed append is said, with why, and leaves
// the file's earlier games; "open" of the file lists them to go back to.
#include <gtest/gtest.h>

#include <string>

#include "frente_apoio.hpp"

namespace quelmaro {
namespace {

// The start-up answers: English, no drawing, the player White.
const std::string INICIO = "e\nn\ny\n";
const std::string ARQUIVO = "jogos.pgn";

struct Registro : ::testing::Test, Bancada<Dialogo> {
    // The whole program on the lines, recording into ARQUIVO; what it printed.
    std::string joga(const std::string& linhas) {
        monta();
        frente->usa_opcoes({.registro = ARQUIVO});
        digita(linhas);
        EXPECT_EQ(frente->executa(), 0);
        return impresso();
    }
    std::size_t partidas() const {
        const auto it = arquivos.arquivos.find(ARQUIVO);
        if (it == arquivos.arquivos.end()) return 0;
        std::size_t n = 0;
        for (std::size_t i = it->second.find("[Event "); i != std::string::npos;
             i = it->second.find("[Event ", i + 1))
            ++n;
        return n;
    }
    std::string registrado() { return arquivos.arquivos[ARQUIVO]; }
};

TEST_F(Registro, EveryGameAddedWhenItEnds) {
    struct Caso {
        const char* nome;
        std::string fen; // loaded first when not empty
        std::string linhas;
        std::size_t partidas;
        std::vector<std::string> no_arquivo; // each in the file
    };
    const std::string ABRE = "open\nposicao.fen\n";
    const std::string REPETIDA = "[Event \"e\"]\n\n1. Nf3 Nf6 2. Ng1 Ng8 3. Nf3 Nf6 4. Ng1 Ng8 *";
    const Caso casos[] = {
        {"quit", "", "e4\nquit\n", 1, {"[Result \"*\"]", "1. e4 e6 *"}},
        {"the end of the input", "", "e4\nd4\n", 1, {"1. e4 e6 2. d4 b6 *"}},
        {"new, then quit", "", "e4\nnew\ne\nn\ny\nd4\nquit\n", 2, {"1. e4 e6 *", "1. d4 e6 *"}},
        {"no move: no game", "", "quit\n", 0, {}},
        {"new with no move: no game", "", "new\ne\nn\ny\nquit\n", 0, {}},
        // The player mates: recorded before the key the program waits for.
        {"the player mates",
         "6k1/5ppp/8/8/8/8/8/R5K1 w - - 0 1",
         "Ra8\n",
         1,
         {"[Result \"1-0\"]", "1. Ra8# 1-0"}},
        // The computer mates: "Game over! I win." ends the program at once.
        {"the computer mates",
         "1r4k1/5ppp/8/8/8/8/P5PP/7K w - - 0 1",
         "a3\n",
         1,
         {"[Result \"0-1\"]", "1. a3 Rb1# 0-1"}},
        {"a draw claimed", REPETIDA, "draw\nquit\n", 1, {"4. Ng1 Ng8 1/2-1/2"}},
        // A draw agreed in a position loaded: the game ended here.
        {"a draw agreed",
         "4k2r/8/8/8/8/8/8/R3K3 w - - 20 40",
         "draw\nquit\n",
         1,
         {"[Result \"1/2-1/2\"]"}},
        // Over, then taken back and played on: recorded again when left.
        {"ended, taken back, played on",
         REPETIDA,
         "draw\nundo\ne4\nquit\n",
         2,
         {"4. Ng1 Ng8 1/2-1/2", "3. Nf3 Nf6 4. e4 Nxe4 *"}},
        {"ended, taken back, not played on", REPETIDA, "draw\nundo\nquit\n", 1, {}},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        arquivos.arquivos.clear();
        if (!c.fen.empty()) arquivos.arquivos["posicao.fen"] = c.fen + "\n";
        joga(INICIO + (c.fen.empty() ? "" : ABRE) + c.linhas + "x\n");
        EXPECT_EQ(partidas(), c.partidas) << registrado();
        for (const std::string& s : c.no_arquivo)
            EXPECT_NE(registrado().find(s), std::string::npos) << s << "\n" << registrado();
    }
}

// A game is added after what the file holds, an empty line between; a
// failed append says why and the file keeps its games.
TEST_F(Registro, AddedAfterTheFilesGamesOrSaidWhyNot) {
    arquivos.arquivos[ARQUIVO] = "[Event \"old\"]\n\n1. d4 *";
    joga(INICIO + "e4\nquit\n");
    EXPECT_TRUE(registrado().starts_with("[Event \"old\"]\n\n1. d4 *\n\n[Event \"Quelmaro game\"]"))
        << registrado();
    EXPECT_EQ(partidas(), 2u);

    arquivos.falhar_gravacao = true;
    const std::string antes = registrado();
    EXPECT_NE(joga(INICIO + "e4\nquit\n")
                  .find("The game could not be added to jogos.pgn: the "
                        "disk is full.\n"),
              std::string::npos);
    EXPECT_EQ(registrado(), antes);
    arquivos.falhar_gravacao = false;

    arquivos.arquivos.erase(ARQUIVO);
    arquivos.pastas.insert(ARQUIVO);
    EXPECT_NE(joga("p\nn\ns\ne4\nquit\n")
                  .find("Não foi possível acrescentar a partida a jogos.pgn: esse nome é de "
                        "uma pasta,\nnão de um arquivo.\n"),
              std::string::npos);
}

// "open" of the file of games lists them; the one named is the game in
// play, and leaving it for another records it.
TEST_F(Registro, TheFileOfGamesOpensToAnyOfThem) {
    joga(INICIO + "e4\nnew\ne\nn\ny\nd4\nquit\n");
    ASSERT_EQ(partidas(), 2u);
    const std::string s = joga(INICIO + "open\n" + ARQUIVO + "\n2\nmoves\nquit\n");
    EXPECT_NE(s.find("The file holds 2 games:\n"), std::string::npos) << s;
    EXPECT_NE(s.find("1. d4 e6\n"), std::string::npos) << s;
    EXPECT_EQ(partidas(), 2u); // no move played since it was loaded
    const std::string t = joga(INICIO + "e4\nopen\n" + ARQUIVO + "\n1\nquit\n");
    EXPECT_EQ(partidas(), 3u); // the game left was recorded
}

} // namespace
} // namespace quelmaro
