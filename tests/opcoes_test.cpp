#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "programs/opcoes.hpp"

namespace quelmaro {
namespace {

std::string conteudo(const std::string& caminho) {
    std::ifstream f(caminho, std::ios::binary);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}

TEST(Opcoes, HelpVersionUnknownAndNone) {
    struct Caso {
        std::vector<const char*> argv;
        bool xb;
        std::optional<int> status;
        const char* na_saida;
        const char* no_erro;
    };
    const Caso casos[] = {
        {{"quelmaro"}, false, std::nullopt, "", ""},
        {{"quelmaro", "--help"}, false, 0, "Usage: quelmaro [", ""},
        {{"quelmaro", "--version"}, false, 0, "quelmaro " QUELMARO_VERSAO "\n", ""},
        {{"quelmaro_xb", "--version"}, true, 0, "quelmaro_xb " QUELMARO_VERSAO "\n", ""},
        {{"quelmaro_xb", "--help"}, true, 0, "Usage: quelmaro_xb", ""},
        {{"quelmaro", "--colour"},
         false,
         2,
         "",
         "quelmaro: unknown option '--colour'\nUsage: quelmaro ["},
        {{"quelmaro", "e2e4"}, false, 2, "", "unknown option 'e2e4'"},
    };
    for (const Caso& c : casos) {
        std::ostringstream saida, erro;
        ArquivosNaMemoria arquivos;
        const auto status = trata_opcoes(static_cast<int>(c.argv.size()), c.argv.data(), c.xb,
                                         arquivos, saida, erro);
        EXPECT_EQ(status, c.status) << c.argv.back();
        EXPECT_NE(saida.str().find(c.na_saida), std::string::npos) << saida.str();
        EXPECT_NE(erro.str().find(c.no_erro), std::string::npos) << erro.str();
        if (!c.status) {
            EXPECT_EQ(saida.str() + erro.str(), "");
        }
    }
}

// The console game's own options set its fields; the engine build knows
// none of them.
TEST(Opcoes, ConsoleOptionsOnlyInTheConsoleGame) {
    struct Caso {
        std::vector<const char*> argv;
        bool san, sem_tecla;
        std::string registro;
    };
    const Caso casos[] = {
        {{"--san"}, true, false, ""},
        {{"--record", "jogos.pgn"}, false, false, "jogos.pgn"},
        {{"--no-exit-key", "--record", "a b.pgn", "--san"}, true, true, "a b.pgn"},
    };
    for (const Caso& c : casos) {
        std::ostringstream saida, erro;
        ArquivosNaMemoria arquivos;
        std::vector<const char*> argv{"quelmaro"};
        argv.insert(argv.end(), c.argv.begin(), c.argv.end());
        OpcoesDoConsole o;
        EXPECT_EQ(trata_opcoes(static_cast<int>(argv.size()), argv.data(), false, arquivos, saida,
                               erro, nullptr, &o),
                  std::nullopt)
            << c.argv[0];
        EXPECT_EQ(o.san, c.san) << c.argv[0];
        EXPECT_EQ(o.sem_tecla_no_fim, c.sem_tecla) << c.argv[0];
        EXPECT_EQ(o.registro, c.registro) << c.argv[0];
        argv[0] = "quelmaro_xb";
        OpcoesDoConsole xb;
        EXPECT_EQ(trata_opcoes(static_cast<int>(argv.size()), argv.data(), true, arquivos, saida,
                               erro, nullptr, &xb),
                  2);
        EXPECT_NE(erro.str().find(std::string("unknown option '") + c.argv[0] + "'"),
                  std::string::npos)
            << erro.str();
    }
    // --record without its file.
    std::ostringstream saida, erro;
    ArquivosNaMemoria arquivos;
    const char* sem_arquivo[] = {"quelmaro", "--record"};
    OpcoesDoConsole o;
    EXPECT_EQ(trata_opcoes(2, sem_arquivo, false, arquivos, saida, erro, nullptr, &o), 2);
    EXPECT_NE(erro.str().find("'--record' needs a value"), std::string::npos) << erro.str();
}

TEST(Opcoes, UciOnlyInTheEngineBuild) {
    const char* xb[] = {"quelmaro_xb", "--uci"};
    std::ostringstream saida, erro;
    ArquivosNaMemoria arquivos;
    bool uci = false;
    EXPECT_EQ(trata_opcoes(2, xb, true, arquivos, saida, erro, &uci), std::nullopt);
    EXPECT_TRUE(uci);
    const char* console[] = {"quelmaro", "--uci"};
    uci = false;
    EXPECT_EQ(trata_opcoes(2, console, false, arquivos, saida, erro, &uci), 2);
    EXPECT_FALSE(uci);
}

TEST(Opcoes, ExplainAndLanguage) {
    struct Caso {
        std::vector<const char*> argv;
        int status;
        const char* na_saida; // all of standard output: a golden table, or nothing
        const char* no_erro;  // all of standard error
    };
    const Caso casos[] = {
        {{"quelmaro", "--explain", "p.sav"}, 0, "p05.en.out", ""},
        {{"quelmaro_xb", "--lang", "pt", "--explain", "p.sav"}, 0, "p05.pt.out", ""},
        {{"quelmaro", "--explain", "p.sav", "--lang", "en"}, 0, "p05.en.out", ""},
        {{"quelmaro", "--explain", "ruim.sav"},
         2,
         "",
         "quelmaro: cannot load a position from 'ruim.sav'. It is a saved game cut short or "
         "damaged.\n"},
        {{"quelmaro", "--lang", "pt", "--explain", "nada"},
         2,
         "",
         "quelmaro: não foi possível carregar uma posição de 'nada'. Não há arquivo com esse "
         "nome.\n"},
        {{"quelmaro", "--explain", "p.sav", "--game", "1"}, 0, "p05.en.out", ""},
        {{"quelmaro_xb", "--game", "2", "--explain", "p.sav"},
         2,
         "",
         "quelmaro_xb: cannot load a position from 'p.sav'. The file has no game 2.\n"},
        {{"quelmaro", "--explain", "p.sav", "--game"},
         2,
         "",
         "quelmaro: option '--game' needs a value\n"},
        {{"quelmaro", "--explain"}, 2, "", "quelmaro: option '--explain' needs a value\n"},
        {{"quelmaro", "--explain", "p.sav", "--lang"},
         2,
         "",
         "quelmaro: option '--lang' needs a value\n"},
        {{"quelmaro_xb", "--lang", "fr", "--explain", "p.sav"},
         2,
         "",
         "quelmaro_xb: unknown language 'fr' (en or pt)\n"},
    };
    for (const Caso& c : casos) {
        ArquivosNaMemoria arquivos;
        arquivos.arquivos["p.sav"] = conteudo(QUELMARO_BENCH_POSITIONS "/p05.sav");
        arquivos.arquivos["ruim.sav"] = "7 4 3";
        const bool xb = std::string_view(c.argv[0]) == "quelmaro_xb";
        std::ostringstream saida, erro;
        const auto status =
            trata_opcoes(static_cast<int>(c.argv.size()), c.argv.data(), xb, arquivos, saida, erro);
        EXPECT_EQ(status, c.status) << c.argv.back();
        EXPECT_EQ(saida.str(),
                  *c.na_saida ? conteudo(QUELMARO_TEST_DATA "/explicar/" + std::string(c.na_saida))
                              : "");
        EXPECT_EQ(erro.str(), c.no_erro);
        // Nothing of the file is changed.
        EXPECT_EQ(arquivos.arquivos.size(), 2u);
    }
}

} // namespace
} // namespace quelmaro
