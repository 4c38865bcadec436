// The console interface over streams: what is left of a line cut by `pedaco`
// is the next read of any kind.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "io/console.hpp"

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
