// The console build: a person plays against the computer.
#include <iostream>

#include "console/dialogo.hpp"
#include "io/processo.hpp"
#include "io/terminal.hpp"
#include "programs/opcoes.hpp"

int main(int argc, char** argv) {
    const quelmaro::Processo processo(argc, argv);
    quelmaro::ArquivosDoDisco arquivos;
    quelmaro::OpcoesDoConsole opcoes;
    if (const auto status =
            quelmaro::trata_opcoes(processo.argc(), processo.argv(), false, arquivos, std::cout,
                                   std::cerr, nullptr, &opcoes))
        return quelmaro::Processo::status_de_saida(*status);
    quelmaro::ConsoleDeTerminal console;
    quelmaro::Dialogo dialogo(console, arquivos);
    dialogo.usa_opcoes(opcoes);
    return quelmaro::Processo::status_de_saida(dialogo.executa());
}
