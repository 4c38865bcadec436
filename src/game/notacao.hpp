// The game's state in the notations around it: the engine's board squares
// 1..64 as coordinates (the engine's analysis and the drawing name them), a
// chess position put on the state, the state's position with the player to
// move, the engine's move read back as a chess move, and a saved game's FEN.
// The square mapping follows who has White: the engine's board stands from
// the computer's side, so with the computer White square 1 is h1, with the
// player White it is a8.
#pragma once

#include <string>

#include "chess/lances.hpp"
#include "chess/posicao.hpp"
#include "game/estado.hpp"

namespace quelmaro {

// A letter and a digit to a square 1..64, or 0 when they name none.
// Upper-case file letters are accepted.
int numero_da_casa(char letra, char digito, bool maquina_tem_brancas);
// A square 1..64 to its lower-case file letter and rank digit, e.g. "e2".
std::string texto_da_casa(int casa, bool maquina_tem_brancas);
// A move from square to square in coordinates, "e2e4".
std::string coordenadas(int de, int para, bool maquina_tem_brancas);

// The game's chess position (Estado::posicao) with the player's colour to
// move, for the player's own checks: the passed square counts only behind a
// pawn of the colour that has just moved.
xadrez::Posicao posicao_com_a_vez_do_jogador(const Estado& estado);

// Puts the position on the state with the computer playing White or Black:
// the pieces, who has White, the side to move, the castling rights of both
// colours and the passed square. The counters are left as they are.
void poe_posicao(Estado& estado, const xadrez::Posicao& x, bool maquina_tem_brancas);

// A game begun at the position: as poe_posicao, and the move counters from
// its move number (the moves each colour has made by then), the draw
// counter at 0, and the fixed opening moves due only in the ordinary
// starting position with White to move; any other position is a game set up
// from outside (Estado::de_posicao_montada).
void comeca_de_posicao(Estado& estado, const xadrez::Posicao& x, bool maquina_tem_brancas);

// Moves made by one colour before the position's move number is reached.
int lances_feitos(const xadrez::Posicao& x, bool brancas);

// Is this the ordinary starting position with White to move (the only one in
// which the fixed opening moves are played)?
bool inicio_de_partida(const xadrez::Posicao& x);

// The engine's move, squares of its board, as a chess move: a pawn that
// reaches the last row becomes a queen, as the game plays it.
xadrez::Movimento movimento_da_maquina(const Estado& estado, int de, int para);

// The FEN a saved game starts from: its position with the player to move,
// no passed square, the move number from the two counters.
std::string fen_de_jogo_salvo(const Estado& estado);

} // namespace quelmaro
