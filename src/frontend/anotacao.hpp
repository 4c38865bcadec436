// --annotate FILE: the games of a PGN file written again as PGN with the rule
// player's reasons: after every move of the chosen side, a comment with the
// move the program would play there, its rule and the rule's words; where the
// game's move differs, a variation with the program's move. Tags, moves,
// result and the file's own comments, NAGs and variations are kept.
#pragma once

#include <ostream>
#include <string>

#include "chess/pgn_escrita.hpp"
#include "chess/pgn_leitura.hpp"
#include "engine/motor_de_regras.hpp"
#include "io/arquivos.hpp"

namespace quelmaro {

// Whose moves get the program's word.
enum class LadoAnotado { brancas, pretas, ambos };

// One game read from a file, annotated; the comments in English or Portuguese.
xadrez::JogoParaEscrever anota(MotorDeRegras& motor, const xadrez::JogoLido& jogo, LadoAnotado lado,
                               bool ingles);

// Every game of the file on `saida`; a game that cannot be read is reported
// on `erro` with its number, and the others go on. Returns 0 when every game
// was annotated, 2 otherwise (or when the file cannot be read).
int anota_arquivo(Arquivos& arquivos, const std::string& nome, const char* programa,
                  LadoAnotado lado, bool ingles, std::ostream& saida, std::ostream& erro);

} // namespace quelmaro
