// The computer's move choice: one engine pass per computer move.
#pragma once

#include "board/tabuleiro.hpp"

namespace quelmaro {

// What a pass hands to the game driver. The engine never prints.
enum class Desfecho {
    Lance,      // a move was chosen: (cc, dd)
    Xequemate,  // no move to play and a player's piece attacks the computer's king
    Afogamento, // no move to play and the computer's king is not attacked
};

class Quelmaro2 {
  public:
    explicit Quelmaro2(Tabuleiro& tabuleiro) : tabuleiro_(tabuleiro) {}

    // One engine pass on the board with the computer to move. Leaves the board
    // exactly as it found it and allocates nothing.
    Desfecho passe();

    // State that carries meaning between passes.
    int cc = 1, dd = 1;              // the chosen move
    int numero_de_meu_movimento = 0; // opening-move counter, 0..2
    int contagem_empate = 0;         // draw counter
    int numero_b_inimigo = 2;        // player's bishops: 1 or 2 (two or more)
    int lance_do_jogo = 0;           // computer moves played in this game
    bool acabou = false;             // the game is over (engine build)
    bool ingles = false;             // English messages
    int regra = 0;                   // rule (1..54) that chose the last move; 0: opening move

  private:
    Tabuleiro& tabuleiro_;
};

} // namespace quelmaro
