// Standard algebraic notation: writing a move ("Nbd2", "exd5", "e8=Q+",
// "O-O", "Qh5#") and reading one as players type it, with the piece letters
// of either language.
#pragma once

#include <string>
#include <string_view>

#include "chess/lances.hpp"

namespace quelmaro::xadrez {

// The letters of the pieces in one language.
struct Letras {
    char rei, dama, torre, bispo, cavalo;
};
inline constexpr Letras INGLES{'K', 'Q', 'R', 'B', 'N'};
inline constexpr Letras PORTUGUES{'R', 'D', 'T', 'B', 'C'};

// The move in SAN with the check or mate mark; the move must be legal.
std::string escreve_san(const Posicao& x, const Movimento& m, const Letras& letras = INGLES);

struct LeituraSan {
    enum Resultado {
        um,       // names exactly one legal move: `lance`
        nenhum,   // well formed, but names no legal move
        ambiguo,  // names two or more: `candidatos`
        ilegivel, // not SAN at all
    } resultado = ilegivel;
    Movimento lance{};
    ListaDeLances candidatos{};
};

// Reads one word of SAN: pawn moves ("e4", "exd5", "ed5", "e:d5"), piece
// moves with disambiguation by file, rank or square, captures with or without
// 'x', castling ("O-O", "0-0", "O-O-O"), promotion with or without '='; the
// marks '+', '#', '!', '?' are ignored. Piece letters are those of `letras`;
// a letter that only the other language uses is taken too (only 'R' differs:
// the rook in English, the king in Portuguese). Files are lower case, piece
// letters upper case ("b4" a pawn, "Bb4" a bishop). An 'x' is read as a mark
// only: "Nxf3" names the knight's move to f3 whether f3 is taken or not.
// Only legal moves are counted, so a pinned piece needs no disambiguation.
// A pawn reaching the last rank named without the piece ("e8", "exd8") is
// `ambiguo` with the four promotions as `candidatos`: the caller asks which.
LeituraSan le_san(const Posicao& x, std::string_view palavra, const Letras& letras = INGLES);

} // namespace quelmaro::xadrez
