// The texts the program shows: every message in both languages, and the help
// of every console command in both.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "console/dialogo.hpp"
#include "text/mensagens.hpp"

namespace quelmaro {
namespace {

int marcas(std::string_view s) {
    int n = 0;
    for (std::size_t i = s.find("{}"); i != std::string_view::npos; i = s.find("{}", i + 2)) ++n;
    return n;
}

TEST(Mensagens, EveryMessageHasTextInBothLanguages) {
    for (int i = 0; i < static_cast<int>(Mensagem::Total); ++i) {
        const Mensagem m = static_cast<Mensagem>(i);
        SCOPED_TRACE(i);
        const std::string_view en = texto(m, true), pt = texto(m, false);
        EXPECT_FALSE(pt.empty());
        // The promotion question is asked in Portuguese only.
        EXPECT_EQ(en.empty(), m == Mensagem::PromocaoPergunta) << pt;
        // Both take the same values.
        EXPECT_EQ(marcas(en), marcas(pt)) << en << " / " << pt;
    }
    EXPECT_EQ(preenche("Rule {} chose {}.", {"7", "e2e4"}), "Rule 7 chose e2e4.");
}

std::vector<std::string> linhas(const std::string& texto) {
    std::vector<std::string> r;
    std::istringstream s(texto);
    for (std::string l; std::getline(s, l);) r.push_back(l);
    return r;
}

// Line by line the help is the same in both languages: the same commands,
// each with its words; no line is missing or empty.
TEST(Mensagens, EveryConsoleCommandHasHelpInBothLanguages) {
    const std::vector<std::string> en = linhas(Dialogo::ajuda(true)),
                                   pt = linhas(Dialogo::ajuda(false));
    ASSERT_EQ(en.size(), pt.size());
    int comandos = 0;
    for (std::size_t i = 0; i < en.size(); ++i) {
        SCOPED_TRACE(en[i]);
        ASSERT_FALSE(en[i].empty());
        ASSERT_FALSE(pt[i].empty());
        const bool comando = en[i].starts_with("  ");
        ASSERT_EQ(pt[i].starts_with("  "), comando) << pt[i];
        if (!comando) continue;
        ++comandos;
        // The command's words, up to the column of its description.
        const std::string palavra = en[i].substr(0, en[i].find_first_of(" ", 2));
        EXPECT_TRUE(pt[i].starts_with(palavra + " ")) << pt[i];
        EXPECT_GT(en[i].size(), 18u);
        EXPECT_GT(pt[i].size(), 18u);
    }
    // The game's words and the console's own: at least draw, help, why, hint,
    // undo, pgn and moves.
    EXPECT_GE(comandos, 7);
    for (const char* palavra : {"draw", "help", "why", "hint", "undo", "pgn", "moves"})
        EXPECT_NE(Dialogo::ajuda(false).find("\n  " + std::string(palavra) + " "),
                  std::string::npos)
            << palavra;
}

} // namespace
} // namespace quelmaro
