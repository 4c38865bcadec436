// The checks of the player's moves. The rules of chess decide castling, the
// safety of the player's king, capture in passing and whether the player has
// a move left (src/chess); the piece's own movement is the board's movement
// test, as for the computer. One rule of the game's own stands beside them:
// the player's move is checked whenever the game waits for it, in the
// position with the player to move, whoever's turn the game last gave (after
// the computer has found no move, the engine build still takes the GUI's).
#pragma once

#include <optional>

#include "chess/posicao.hpp"
#include "game/estado.hpp"

namespace quelmaro {

// A move the player gives, in chess squares: from one square to another (-1
// where the text named no square), or a castling word ("O-O", "O-O-O"),
// which names the king's move and is castling or nothing.
struct LanceDoJogador {
    enum class Roque { nenhum, pequeno, grande };
    int de = -1, para = -1;
    Roque roque = Roque::nenhum;
};

// The castling of the player's colour on the king's side (`pequeno`) or on
// the queen's.
const xadrez::Roque& roque_do_jogador(const Estado& estado, bool pequeno);
// The castling of the player's colour whose king move this is, if any.
const xadrez::Roque* roque_do_lance(const Estado& estado, int de, int para);

// May the player castle with this king move now? The rules of chess: the
// right (neither the king nor that rook has moved, no castling yet), the
// squares between empty, the king neither in check nor crossing or landing
// on an attacked square.
bool roque_permitido(const Estado& estado, int de, int para);

// Would the player's king be attacked after this move of the player's?
bool expoe_rei_do_jogador(const Estado& estado, int de, int para);

// Does the move take, in passing, the computer's pawn that has just passed
// over the to-square (and leave the player's king safe)?
bool captura_en_passant(const Estado& estado, int de, int para);

// May the player make this move, castling aside: a piece of the player's by
// its movement (the board's movement test, or a capture in passing), onto a
// square not holding a piece of the player's, leaving the king safe. A
// capture of the computer's king is a move like any other. The two rules of
// the game's own that chess does not have: the king may be taken, and the
// piece's movement is the engine's own movement test (Tabuleiro::validade),
// the one the computer's moves pass.
bool lance_permitido(const Estado& estado, int de, int para);

// Has the player no move at all that the game would accept? (Mate or
// stalemate; castling is never the only move, since the king could then step
// to the square it crosses.)
bool jogador_sem_lance(const Estado& estado);

// Is the player's king attacked now?
bool rei_dele_atacado(const Estado& estado);

} // namespace quelmaro
