// The game driver: the main procedure `Quelmaro` and its shared state.
#pragma once

#include "board/tabuleiro.hpp"
#include "driver/console.hpp"
#include "driver/xboard.hpp"

namespace quelmaro {

class Quelmaro {
  public:
    Quelmaro(Console& console, Xboard xboard) : console_(console), xboard_(xboard) {}
    // Runs the program to its end; returns the exit status.
    int executa();

  private:
    Console& console_;
    Xboard xboard_;
    Tabuleiro tabuleiro_;
};

} // namespace quelmaro
