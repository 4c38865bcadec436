// The console build: a person plays against the computer.
#include "driver/quelmaro.hpp"
#include "driver/terminal.hpp"

int main() {
    quelmaro::ConsoleDeTerminal console;
    return quelmaro::Quelmaro(console, quelmaro::Xboard{.Winboard = false}).executa();
}
