#include <gtest/gtest.h>

#include <sstream>

#include "driver/opcoes.hpp"

namespace quelmaro {
namespace {

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
        {{"quelmaro", "--version"}, false, 0, "quelmaro 1.0.0\n", ""},
        {{"quelmaro_xb", "--version"}, true, 0, "quelmaro_xb 1.0.0\n", ""},
        {{"quelmaro_xb", "--help"}, true, 0, "Usage: quelmaro_xb", ""},
        {{"quelmaro", "--colour"}, false, 2, "", "quelmaro: unknown option '--colour'\nUsage: quelmaro ["},
        {{"quelmaro", "e2e4"}, false, 2, "", "unknown option 'e2e4'"},
    };
    for (const Caso& c : casos) {
        std::ostringstream saida, erro;
        const auto status = trata_opcoes(static_cast<int>(c.argv.size()), c.argv.data(),
                                         Xboard{.Winboard = c.xb}, saida, erro);
        EXPECT_EQ(status, c.status) << c.argv.back();
        EXPECT_NE(saida.str().find(c.na_saida), std::string::npos) << saida.str();
        EXPECT_NE(erro.str().find(c.no_erro), std::string::npos) << erro.str();
        if (!c.status) {
            EXPECT_EQ(saida.str() + erro.str(), "");
        }
    }
}

TEST(Opcoes, UciOnlyInTheEngineBuild) {
    const char* xb[] = {"quelmaro_xb", "--uci"};
    std::ostringstream saida, erro;
    bool uci = false;
    EXPECT_EQ(trata_opcoes(2, xb, Xboard{.Winboard = true}, saida, erro, &uci), std::nullopt);
    EXPECT_TRUE(uci);
    const char* console[] = {"quelmaro", "--uci"};
    uci = false;
    EXPECT_EQ(trata_opcoes(2, console, Xboard{}, saida, erro, &uci), 2);
    EXPECT_FALSE(uci);
}

} // namespace
} // namespace quelmaro
