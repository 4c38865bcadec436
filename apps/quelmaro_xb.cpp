// The engine build, driven by an XBoard GUI through standard input and output.
#include "driver/quelmaro.hpp"
#include "driver/terminal.hpp"

int main() {
    quelmaro::ConsoleDeTerminal console;
    return quelmaro::Quelmaro(console, quelmaro::Xboard{.Winboard = true}).executa();
}
