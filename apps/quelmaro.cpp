// The console build: a person plays against the computer.
#include <iostream>

#include "driver/opcoes.hpp"
#include "driver/quelmaro.hpp"
#include "io/processo.hpp"
#include "io/terminal.hpp"

int main(int argc, char** argv) {
    const quelmaro::Processo processo(argc, argv);
    constexpr quelmaro::Xboard xboard{.Winboard = false};
    quelmaro::ArquivosDoDisco arquivos;
    if (const auto status = quelmaro::trata_opcoes(processo.argc(), processo.argv(), xboard,
                                                   arquivos, std::cout, std::cerr))
        return quelmaro::Processo::status_de_saida(*status);
    quelmaro::ConsoleDeTerminal console;
    return quelmaro::Processo::status_de_saida(
        quelmaro::Quelmaro(console, xboard, arquivos).executa());
}
