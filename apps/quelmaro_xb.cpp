// The engine build, driven by an XBoard or UCI GUI through standard input and output.
#include <iostream>

#include "io/processo.hpp"
#include "io/terminal.hpp"
#include "programs/opcoes.hpp"
#include "programs/protocolos.hpp"

int main(int argc, char** argv) {
    const quelmaro::Processo processo(argc, argv);
    quelmaro::ArquivosDoDisco arquivos;
    bool uci = false;
    if (const auto status = quelmaro::trata_opcoes(processo.argc(), processo.argv(), true, arquivos,
                                                   std::cout, std::cerr, &uci))
        return quelmaro::Processo::status_de_saida(*status);
    // GUIs interrupt their engine (SIGINT, a console's Ctrl+C or Ctrl+Break);
    // it must not end the program.
    quelmaro::Processo::ignora_interrupcoes();
    quelmaro::ConsoleDeTerminal console;
    return quelmaro::Processo::status_de_saida(quelmaro::executa_motor(console, arquivos, uci));
}
