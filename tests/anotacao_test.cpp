// --annotate: the games of a PGN file with the rule player's word after the
// moves of the side chosen, through the command line on files in memory.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>

#include "chess/pgn_leitura.hpp"
#include "io/arquivos.hpp"
#include "programs/opcoes.hpp"

namespace quelmaro {
namespace {

struct Anotado {
    int status;
    std::string saida, erro;
};

Anotado anota(const std::string& pgn, std::initializer_list<const char*> opcoes) {
    ArquivosNaMemoria arquivos;
    arquivos.arquivos["j.pgn"] = pgn;
    std::vector<const char*> argv{"quelmaro", "--annotate", "j.pgn"};
    argv.insert(argv.end(), opcoes);
    std::ostringstream saida, erro;
    const std::optional<int> status =
        trata_opcoes(static_cast<int>(argv.size()), argv.data(), false, arquivos, saida, erro);
    return {status.value_or(-1), saida.str(), erro.str()};
}

int conta(const std::string& s, const std::string& parte) {
    int n = 0;
    for (std::size_t i = s.find(parte); i != std::string::npos; i = s.find(parte, i + 1)) ++n;
    return n;
}

const std::string JOGO = "[Event \"A\"]\n[White \"W\"]\n[Black \"B\"]\n[Result \"1-0\"]\n\n"
                         "1. e4 {theirs} e5 2. Bc4 Nc6 $1 (2... Nf6) 3. Qh5 Nf6 4. Qxf7# 1-0\n";

TEST(Anotacao, TheSideChosenGetsTheProgramsWord) {
    struct Caso {
        const char* lado;
        const char* lingua;
        int comentarios; // the program's, after the side's moves
        const char* palavra;
    };
    const Caso casos[] = {
        {"both", "en", 7, "Rule "}, {"white", "en", 4, "Rule "}, {"black", "pt", 3, "Regra "}};
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.lado);
        const Anotado a = anota(JOGO, {"--side", c.lado, "--lang", c.lingua});
        EXPECT_EQ(a.status, 0) << a.erro;
        EXPECT_EQ(conta(a.saida, "Quelmaro: "), c.comentarios) << a.saida;
        EXPECT_NE(a.saida.find(c.palavra), std::string::npos) << a.saida;
        // The game read back: its tags, mainline and result as they were.
        const xadrez::LeituraPgn lida = xadrez::le_pgn(a.saida);
        ASSERT_TRUE(lida.ok()) << a.saida;
        EXPECT_EQ(lida.partida, xadrez::le_pgn(JOGO).partida);
        EXPECT_EQ(lida.resultado, "1-0");
        EXPECT_NE(a.saida.find("[White \"W\"]"), std::string::npos);
        // The file's own annotations stay, the program's words in its comment.
        EXPECT_NE(a.saida.find("$1"), std::string::npos);
        EXPECT_NE(a.saida.find("(2... Nf6)"), std::string::npos);
    }
    // White's first move is no fixed opening move of the program's: a
    // variation with the program's own; its mate is its own too: none.
    const Anotado a = anota(JOGO, {});
    std::string s = a.saida; // its words on one line
    std::replace(s.begin(), s.end(), '\n', ' ');
    EXPECT_NE(s.find("{theirs Quelmaro: e3."), std::string::npos) << a.saida;
    EXPECT_NE(s.find("(1. e3)"), std::string::npos) << a.saida;
    EXPECT_NE(s.find("4. Qxf7# {Quelmaro: Qxf7#. Rule 1:"), std::string::npos) << a.saida;
    EXPECT_EQ(s.find("(4. Qxf7#)"), std::string::npos);
}

TEST(Anotacao, ABadGameIsReportedAndTheOthersGoOn) {
    const std::string tres =
        JOGO + "\n[Event \"bad\"]\n\n1. e4 e4 *\n\n" +
        "[Event \"C\"]\n[SetUp \"1\"]\n[FEN \"4k3/8/8/8/8/8/4P3/4K3 w - - 1 0\"]\n\n"
        "1. e4 Kd7 *\n";
    const Anotado a = anota(tres, {});
    EXPECT_EQ(a.status, 2);
    EXPECT_EQ(a.erro, "quelmaro: game 2 not annotated: Move 1... e4 is not legal there.\n");
    EXPECT_EQ(conta(a.saida, "[Event "), 2);
    EXPECT_NE(a.saida.find("[FEN \"4k3/8/8/8/8/8/4P3/4K3 w - - 1 1\"]"), std::string::npos);
}

TEST(Anotacao, NoGameOrNoFileIsStatusTwo) {
    EXPECT_EQ(anota("nothing here\n", {}).status, 2);
    EXPECT_EQ(anota("", {}).status, 2);
    ArquivosNaMemoria arquivos;
    std::ostringstream saida, erro;
    const char* argv[] = {"quelmaro", "--annotate", "missing.pgn"};
    EXPECT_EQ(trata_opcoes(3, argv, false, arquivos, saida, erro), 2);
    EXPECT_EQ(erro.str(),
              "quelmaro: cannot annotate 'missing.pgn': There is no file of that name.\n");
    const char* lado[] = {"quelmaro", "--annotate", "j.pgn", "--side", "left"};
    EXPECT_EQ(trata_opcoes(5, lado, false, arquivos, saida, erro), 2);
}

} // namespace
} // namespace quelmaro
