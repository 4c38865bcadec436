// Export of a game as a PGN file: the seven-tag roster, the moves in standard
// algebraic notation and the result. The moves are replayed under the ordinary
// rules of chess, which is what the notation is defined by.
#pragma once

#include <string>
#include <vector>

#include "chess/lances.hpp"

namespace quelmaro {

class Jogo;

namespace pgn {

struct Partida {
    std::string fen_inicial; // empty: the ordinary starting position
    std::vector<xadrez::Movimento> lances;
    std::string evento = "Quelmaro game";
    std::string local = "?";
    std::string data; // YYYY.MM.DD
    std::string brancas, pretas;
    std::string resultado = "*"; // "1-0", "0-1", "1/2-1/2" or "*"
};

// The whole PGN text. A move that the rules of chess do not allow in the
// position reached ends the move list there (the result becomes "*"). When
// the last position is mate or stalemate, that is the result.
std::string escreve(const Partida& partida);

} // namespace pgn

// The game from its start as PGN, dated `data` (YYYY.MM.DD), the players
// named by the colours the two sides have now.
std::string pgn_do_jogo(const Jogo& jogo, const std::string& data);

} // namespace quelmaro
