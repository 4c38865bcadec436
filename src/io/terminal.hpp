// The real terminal: standard input and output. When standard input is a
// terminal a key is one key press without Enter (raw mode on POSIX systems,
// always restored; the console's own input on Windows, where the console's
// lines are read as wide characters and given to the program in UTF-8); a
// blank key (Enter: '\n' on POSIX systems, '\r' on Windows; space, tab) is
// a key like any other, which Console::resposta passes over on both.
// Otherwise lines and keys are read as ConsoleDeFluxo reads them.
#pragma once

#include "io/console.hpp"

namespace quelmaro {

class ConsoleDeTerminal : public ConsoleDeFluxo {
  public:
    ConsoleDeTerminal();

  protected:
    std::string le_linha() override;
    char le_tecla() override;

  private:
    bool terminal_;
};

} // namespace quelmaro
