// Draws by the rules of chess: a position dead by its material, the same
// position for the third time, and the fifty-move rule.
#pragma once

#include <array>
#include <span>

#include "chess/posicao.hpp"

namespace quelmaro::xadrez {

// No series of legal moves can mate either side, by the material alone: king
// against king, king and one bishop or one knight against king, and kings
// with bishops only (any number, either side) all on squares of one colour.
// Every other set of pieces can mate with the other side's help (king and
// two knights, bishops of both colours, knight against knight), so it is no
// dead position by material, whatever the squares.
bool material_insuficiente(const Posicao& x);

// What makes two positions the same one for a repetition: the pieces, the
// side to move, the castling rights, and the capture-in-passing square only
// when a capture in passing is a legal move there.
struct ChaveDeRepeticao {
    std::array<char, 64> pecas{};
    bool brancas_a_mover = true;
    Roques roques{};
    int en_passant = -1;
    bool operator==(const ChaveDeRepeticao&) const = default;
};
ChaveDeRepeticao chave_de_repeticao(const Posicao& x);

// The positions of a game in order (the start, then the one after each
// half-move): how many of them are the same as the last one, itself
// included. The search stops at a position whose half-move clock is 0, since
// the capture or pawn move that led there cannot be undone.
int ocorrencias_da_ultima(std::span<const Posicao> posicoes);
// The last position has occurred three times (or more).
bool repeticao_tripla(std::span<const Posicao> posicoes);

// Fifty moves of each side without a capture or a pawn move: a half-move
// clock of 100 or more.
bool cinquenta_lances(const Posicao& x);

} // namespace quelmaro::xadrez
