// The console interface over streams: what is left of a line cut by `pedaco`
// is the next read of any kind.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "io/console.hpp"
#include "io/terminal.hpp"

namespace quelmaro {
namespace {

// A rest of blanks only gives the key of the next line.
TEST(Console, TheRestOfALongLineIsTheNextReadOfAnyKind) {
    struct Caso {
        std::string resto;
        std::string depois; // what the next read gives
    };
    const Caso casos[] = {{"jogo.sav", "linha jogo.sav"},
                          {" 12 ", "numero 12"},
                          {"  k e", "tecla k"},
                          {"   ", "tecla p"},
                          {"", "linha proxima"}};
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.depois);
        std::istringstream in("save" + std::string(96, ' ') + c.resto + "\n" +
                              (c.resto == "   " ? "p\n" : "proxima\n"));
        std::ostringstream out;
        ConsoleDeFluxo console(in, out);
        EXPECT_EQ(console.pedaco(100), "save" + std::string(96, ' '));
        EXPECT_EQ(console.cortada(), !c.resto.empty());
        const std::string tipo = c.depois.substr(0, c.depois.find(' '));
        std::string lido;
        if (tipo == "linha") lido = console.linha();
        if (tipo == "numero") lido = std::to_string(console.numero().value_or(-1));
        if (tipo == "tecla") lido = std::string(1, console.tecla());
        EXPECT_EQ(tipo + " " + lido, c.depois);
        EXPECT_FALSE(console.cortada());
    }
    std::istringstream vazio("");
    std::ostringstream out;
    ConsoleDeFluxo console(vazio, out);
    EXPECT_THROW(console.pedaco(100), FimDoPrograma);
}

// Text in lines that leave the screen's last column free, broken at blanks
// only; text that fits is passed on as it is.
TEST(Console, LinesBrokenBetweenWordsAtTheWidth) {
    struct Caso {
        std::size_t largura;
        std::string texto, impresso;
    };
    const Caso casos[] = {
        {80, "short line\n", "short line\n"},
        {80, std::string(79, 'a') + "\n", std::string(79, 'a') + "\n"},
        {20, "one two three four five six\n", "one two three four\nfive six\n"},
        {20, "  indented words go on and on\n", "  indented words go\non and on\n"},
        // Accented letters take one column each.
        {20, "posição até você já é\n", "posição até você já\né\n"},
        // A word longer than the line stays whole.
        {20, "a " + std::string(25, 'x') + " b\n", "a\n" + std::string(25, 'x') + "\nb\n"},
        // A prompt without its line end, and what follows on its line.
        {20, "My move is: e2e4 and more\n", "My move is: e2e4\nand more\n"},
        // Widths below the narrowest are taken as the narrowest.
        {5, "one two three four five six\n", "one two three four\nfive six\n"},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.texto);
        std::istringstream in;
        std::ostringstream out;
        ConsoleDeFluxo console(in, out, c.largura);
        console.saida() << "unbroken " << std::string(90, '-') << '\n';
        console.quebra_linhas();
        console.saida() << c.texto << std::flush;
        EXPECT_EQ(out.str(), "unbroken " + std::string(90, '-') + "\n" + c.impresso);
    }
}

TEST(Console, TheWidthTheColumnsVariableNames) {
    const struct {
        const char* valor;
        std::optional<std::size_t> largura;
    } casos[] = {{"50", 50},
                 {"132", 132},
                 {nullptr, std::nullopt},
                 {"", std::nullopt},
                 {"0", std::nullopt},
                 {"50x", std::nullopt},
                 {"-3", std::nullopt},
                 {"99999999999999999999", std::nullopt}};
    for (const auto& c : casos) EXPECT_EQ(largura_de_columns(c.valor), c.largura);
}

// Pieces of a long line, each where the last ended, then the rest whole.
TEST(Console, PiecesOfALongLineInOrderThenTheRest) {
    std::string longa;
    for (int i = 0; i < 1050; ++i) longa += static_cast<char>('a' + i % 26);
    for (const std::size_t tamanho : {std::size_t{200}, std::size_t{1050}}) {
        for (const int pedacos : {1, 2, 3}) {
            SCOPED_TRACE(std::to_string(tamanho) + " " + std::to_string(pedacos));
            const std::string linha = longa.substr(0, tamanho);
            std::istringstream in(linha + "\nproxima\n");
            std::ostringstream out;
            ConsoleDeFluxo console(in, out);
            std::string lido;
            for (int i = 0; i < pedacos && (i == 0 || console.cortada()); ++i) {
                const std::string p = console.pedaco(100);
                EXPECT_EQ(p, linha.substr(lido.size(), 100));
                lido += p;
            }
            EXPECT_EQ(console.cortada(), lido.size() < tamanho);
            if (console.cortada()) lido += console.linha();
            EXPECT_EQ(lido, linha);
            EXPECT_EQ(console.pedaco(100), "proxima");
        }
    }
}

} // namespace
} // namespace quelmaro
