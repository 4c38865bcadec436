// Export of a game as a PGN file: the seven-tag roster, the moves in standard
// algebraic notation and the result. The moves are replayed under the ordinary
// rules of chess, which is what the notation is defined by.
#pragma once

#include <string>
#include <vector>

#include "board/tabuleiro.hpp"
#include "chess/posicao.hpp"

namespace quelmaro::pgn {

// A move in coordinates as the game printed or read it: "e2", "e4", and the
// promotion letter 'q', 'r', 'b' or 'n' (0 when none).
struct Lance {
    std::string de, para;
    char promocao = 0;
};

struct Partida {
    std::string fen_inicial; // empty: the ordinary starting position
    std::vector<Lance> lances;
    std::string evento = "Quelmaro game";
    std::string local = "?";
    std::string data; // YYYY.MM.DD
    std::string brancas, pretas;
    std::string resultado = "*"; // "1-0", "0-1", "1/2-1/2" or "*"
};

using Roques = xadrez::Roques;

// The FEN of the board, stored from the computer's side; `resposta` tells who
// has White ('n' or 'N': the computer).
std::string fen(const Tabuleiro& tabuleiro, char resposta, bool brancas_a_mover, Roques roques,
                int numero_do_lance);

// The whole PGN text. A move that the rules of chess do not allow in the
// position reached ends the move list there (the result becomes "*"). When
// the last position is mate or stalemate, that is the result.
std::string escreve(const Partida& partida);

// Today's date as YYYY.MM.DD, local time.
std::string hoje();

} // namespace quelmaro::pgn
