// The program's board and a chess position: the board holds the computer's
// pieces as positive codes and stands from the computer's side (its first
// rank on the low rows), whichever colour the computer has.
#pragma once

#include "board/tabuleiro.hpp"
#include "chess/posicao.hpp"

namespace quelmaro::xadrez {

// Square 1..64 of the board to the chess square 0..63, and back.
int casa_de_xadrez(int n, bool maquina_tem_brancas);
int casa_do_tabuleiro(int s, bool maquina_tem_brancas);

// The board's code of a piece named by its upper-case letter (P, B, N, R, Q,
// K), positive; 0 for any other character. And the letter of a code, '\0'
// for an empty square.
int codigo_da_letra(char letra);
char letra_do_codigo(int codigo);

// Writes the pieces of the position on the board.
void para_tabuleiro(const Posicao& x, bool maquina_tem_brancas, Tabuleiro& t);

// The pieces on the board as a position; the other fields are the caller's.
Posicao do_tabuleiro(const Tabuleiro& t, bool maquina_tem_brancas);
// The same with the fields the caller keeps (the board holds no rights,
// turn, passed square or counters).
Posicao do_tabuleiro(const Tabuleiro& t, bool maquina_tem_brancas, bool brancas_a_mover,
                     Roques roques, int en_passant = -1, int meios_lances = 0, int numero = 1);

} // namespace quelmaro::xadrez
