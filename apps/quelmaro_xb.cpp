// The engine build, driven by an XBoard GUI through standard input and output.
#include <csignal>
#include <iostream>

#include "driver/opcoes.hpp"
#include "driver/quelmaro.hpp"
#include "driver/terminal.hpp"

int main(int argc, char** argv) {
    constexpr quelmaro::Xboard xboard{.Winboard = true};
    quelmaro::ArquivosDoDisco arquivos;
    if (const auto status =
            quelmaro::trata_opcoes(argc, argv, xboard, arquivos, std::cout, std::cerr))
        return *status;
    // GUIs interrupt their engine with SIGINT; it must not end the program.
    std::signal(SIGINT, SIG_IGN);
    quelmaro::ConsoleDeTerminal console;
    return quelmaro::Quelmaro(console, xboard, arquivos).executa();
}
