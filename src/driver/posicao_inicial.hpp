// A game started from a position given from outside (xboard's "setboard", a
// UCI "position", a FEN loaded at the console), and the game's position as
// the ordinary rules of chess see it.
#pragma once

#include "chess/posicao.hpp"

namespace quelmaro {

class Quelmaro;

// Is this the ordinary starting position with White to move (the only one in
// which the fixed opening moves are played)?
bool inicio_de_partida(const xadrez::Posicao& x);

// Puts the position on the game's board with the computer playing White or
// Black: the pieces, who has White, the side to move, the castling rights of
// both colours and the capture-in-passing square. The counters and the
// history are left as they are.
void poe_posicao(Quelmaro& jogo, const xadrez::Posicao& x, bool maquina_tem_brancas);

// A new game from the position: as poe_posicao, and the history is cleared
// (take-backs stop here), the draw counter is 0, `lance_do_jogo` is the
// number of moves the computer's colour has made by the position's move
// number (the player's count likewise), and the opening-move counter is 0
// only in the ordinary starting position with White to move, else 2.
void comeca_de_posicao(Quelmaro& jogo, const xadrez::Posicao& x, bool maquina_tem_brancas);

// Moves made by one colour before the position's move number is reached.
int lances_feitos(const xadrez::Posicao& x, bool brancas);

} // namespace quelmaro
