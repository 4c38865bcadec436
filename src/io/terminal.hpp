// The real terminal: standard input and output. When standard input is a
// terminal a key is one key press without Enter (raw mode, always restored);
// otherwise keys are read as ConsoleDeFluxo reads them.
#pragma once

#include "io/console.hpp"

namespace quelmaro {

class ConsoleDeTerminal : public ConsoleDeFluxo {
  public:
    ConsoleDeTerminal();

  protected:
    char le_tecla() override;

  private:
    bool terminal_;
};

} // namespace quelmaro
