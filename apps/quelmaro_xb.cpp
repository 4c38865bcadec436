// The engine build, driven by an XBoard or UCI GUI through standard input and output.
#include <csignal>
#include <iostream>

#include "console/opcoes.hpp"
#include "io/terminal.hpp"
#include "xboard/protocolos.hpp"

int main(int argc, char** argv) {
    quelmaro::ArquivosDoDisco arquivos;
    bool uci = false;
    if (const auto status =
            quelmaro::trata_opcoes(argc, argv, true, arquivos, std::cout, std::cerr, &uci))
        return *status;
    // GUIs interrupt their engine with SIGINT; it must not end the program.
    std::signal(SIGINT, SIG_IGN);
    quelmaro::ConsoleDeTerminal console;
    return quelmaro::executa_motor(console, arquivos, uci);
}
