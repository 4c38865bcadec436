// The main procedure of the game: the start-up, then the computer's turn and
// the player's turn for ever, until the game or the input ends. What the
// turns say, and how the player's turn reads its moves and commands, is the
// front end's (the console dialog with a person, or the xboard protocol with
// a GUI); the game itself changes only through Jogo.
#pragma once

#include "engine/quelmaro2.hpp"
#include "game/jogo.hpp"

namespace quelmaro {

// What the main procedure asks of its front end.
class Frente {
  public:
    virtual ~Frente() = default;
    // The start-up of the program's first game.
    virtual void Apresentacao() = 0;
    // The player's turn: returns once the player's move has been played (or
    // the move handed to the computer, or a new game begun with the
    // computer to move first).
    virtual void pos_lance_dele() = 0;
    // The computer's move has been played: say so.
    virtual void meu_lance(const LanceDaMaquina& lance) = 0;
    // The engine pass found no move: the end of the game.
    virtual void fim_do_passe(Desfecho desfecho) = 0;
};

// Runs the game on the front end: the start-up dialog, the player first when
// the player has White, then turn after turn (the computer's skipped while
// the game is over). Only the front end ends it, by an exception of its own
// (the end of the input, "quit", the end of a console game).
[[noreturn]] void Quelmaro(Jogo& jogo, Frente& frente);

} // namespace quelmaro
