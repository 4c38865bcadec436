// The console build: a person plays against the computer.
#include <iostream>

#include "console/dialogo.hpp"
#include "console/opcoes.hpp"
#include "io/terminal.hpp"

int main(int argc, char** argv) {
    quelmaro::ArquivosDoDisco arquivos;
    if (const auto status =
            quelmaro::trata_opcoes(argc, argv, false, arquivos, std::cout, std::cerr))
        return *status;
    quelmaro::ConsoleDeTerminal console;
    return quelmaro::Dialogo(console, arquivos).executa();
}
