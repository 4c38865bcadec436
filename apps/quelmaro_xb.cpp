// The engine build, driven by an XBoard or UCI GUI through standard input and output.
#include <csignal>
#include <iostream>

#include "driver/opcoes.hpp"
#include "io/terminal.hpp"
#include "uci/protocolo.hpp"

int main(int argc, char** argv) {
    constexpr quelmaro::Xboard xboard{.Winboard = true};
    quelmaro::ArquivosDoDisco arquivos;
    bool uci = false;
    if (const auto status =
            quelmaro::trata_opcoes(argc, argv, xboard, arquivos, std::cout, std::cerr, &uci))
        return *status;
    // GUIs interrupt their engine with SIGINT; it must not end the program.
    std::signal(SIGINT, SIG_IGN);
    quelmaro::ConsoleDeTerminal console;
    return quelmaro::uci::executa_motor(console, arquivos, uci);
}
