// The game in play as a PGN file.
#pragma once

#include <string>

namespace quelmaro {

class Jogo;

// The game from its start as PGN, dated `data` (YYYY.MM.DD), the players
// named by the colours the two sides have now. A move that the rules of
// chess do not allow where it stands ends the move list there, with the
// result "*"; when the last position is mate or stalemate, that is the
// result, and so is a draw the game was ended in or a result its file gave
// it (Jogo::termino).
std::string pgn_do_jogo(const Jogo& jogo, const std::string& data);

} // namespace quelmaro
