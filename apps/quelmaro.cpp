// The console build: a person plays against the computer.
#include <iostream>

#include "console/dialogo.hpp"
#include "console/opcoes.hpp"
#include "io/processo.hpp"
#include "io/terminal.hpp"

int main(int argc, char** argv) {
    const quelmaro::Processo processo(argc, argv);
    quelmaro::ArquivosDoDisco arquivos;
    bool san = false;
    if (const auto status = quelmaro::trata_opcoes(processo.argc(), processo.argv(), false,
                                                   arquivos, std::cout, std::cerr, nullptr, &san))
        return quelmaro::Processo::status_de_saida(*status);
    quelmaro::ConsoleDeTerminal console;
    quelmaro::Dialogo dialogo(console, arquivos);
    dialogo.exibicao().san = san;
    return quelmaro::Processo::status_de_saida(dialogo.executa());
}
