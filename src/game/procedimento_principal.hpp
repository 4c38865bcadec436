// The main procedure of the game: the start-up, then the computer's turn and
// the player's turn, until the front end ends the program or the input ends. What the
// turns say, and how the player's turn reads its moves and commands, is the
// front end's (the console dialog with a person, or the xboard protocol with
// a GUI); the game itself changes only through Jogo.
#pragma once

#include "engine/motor_de_regras.hpp"
#include "game/jogo.hpp"

namespace quelmaro {

// What the main procedure asks of its front end.
class Frente {
  public:
    virtual ~Frente() = default;
    // The start-up of the program's first game.
    virtual void apresenta() = 0;
    // The player's turn: true once the player's move has been played (or
    // the move handed to the computer, or a new game begun with the
    // computer to move first); false when the player ends the program.
    virtual bool pos_lance_dele() = 0;
    // The computer's move has been played: say so; false when that ends the
    // program (the console's game over).
    virtual bool meu_lance(const LanceDaMaquina& lance) = 0;
    // The engine pass found no move, the game ending so (mate or stalemate
    // of the computer): say so; false when that ends the program.
    virtual bool fim_do_passe(Termino termino) = 0;
};

// How the main procedure ended.
enum class Encerramento {
    pedido,         // the player (or the GUI) asked for it: "quit"
    partida_acabou, // the front end ended the program with the game
};

// Runs the game on the front end: the start-up dialog, the player first when
// the player has White, then turn after turn (the computer's skipped while
// the game is over), until the front end says the program ends. The end of
// the input ends it too, by the exception the input throws (FimDoPrograma).
Encerramento executa_jogo(Jogo& jogo, Frente& frente);

} // namespace quelmaro
