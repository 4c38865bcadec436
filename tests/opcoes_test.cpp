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
        {{"quelmaro", "--version"}, false, 0, "quelmaro " QUELMARO_VERSAO "\n", ""},
        {{"quelmaro_xb", "--version"}, true, 0, "quelmaro_xb " QUELMARO_VERSAO "\n", ""},
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

} // namespace
} // namespace quelmaro
