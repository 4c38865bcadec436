// The console build: a person plays against the computer.
#include <iostream>

#include "driver/opcoes.hpp"
#include "driver/quelmaro.hpp"
#include "io/terminal.hpp"

int main(int argc, char** argv) {
    constexpr quelmaro::Xboard xboard{.Winboard = false};
    quelmaro::ArquivosDoDisco arquivos;
    if (const auto status =
            quelmaro::trata_opcoes(argc, argv, xboard, arquivos, std::cout, std::cerr))
        return *status;
    quelmaro::ConsoleDeTerminal console;
    return quelmaro::Quelmaro(console, xboard, arquivos).executa();
}
