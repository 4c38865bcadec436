// Square notation: square numbers 1..64 to and from the coordinates the player
// reads and types. The mapping follows who has White, read from `resposta`:
// 'n' or 'N' means the computer has White, any other value the player.
#pragma once

#include <string>

namespace quelmaro {

// Command codes that lparanumero returns for the halves of command words.
constexpr int COD_ABRIR = 90;
constexpr int COD_SALVAR = 100;
constexpr int COD_VIRAR = 110;
constexpr int COD_ROQUE_PEQUENO_BRANCAS = 200; // player White, king's side
constexpr int COD_ROQUE_GRANDE_BRANCAS = 210;  // player White, queen's side
constexpr int COD_ROQUE_PEQUENO_PRETAS = 220;  // player Black, king's side
constexpr int COD_ROQUE_GRANDE_PRETAS = 230;   // player Black, queen's side
constexpr int COD_JOGAR = 300;
constexpr int COD_NOVO = 400;
constexpr int COD_NENHUM = 0; // neither a square nor a command

constexpr bool computador_tem_brancas(char resposta) { return resposta == 'n' || resposta == 'N'; }

// A letter and a digit to a square 1..64, or a command pair to its code.
// Upper-case file letters are accepted.
int lparanumero(char letra, char digito, char resposta);
// A square 1..64 to its lower-case file letter and rank digit, e.g. "e2".
std::string nparaletra(int casa, char resposta);

} // namespace quelmaro
