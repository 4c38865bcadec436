// The legal moves of a position under the ordinary rules of chess, castling,
// capture in passing and promotion included, and the moves played.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "chess/posicao.hpp"

namespace quelmaro::xadrez {

struct Movimento {
    int de = 0, para = 0; // chess squares; castling is the king's move of two files
    char promocao = 0;    // 'Q', 'R', 'B' or 'N' (upper case for both colours), 0 when none
    bool operator==(const Movimento&) const = default;
};

// No position that can arise has more than 218 legal moves (of one that
// cannot and has more, the list keeps the first 256).
struct ListaDeLances {
    std::array<Movimento, 256> lances{};
    int n = 0;
    const Movimento* begin() const { return lances.data(); }
    const Movimento* end() const { return lances.data() + n; }
    int size() const { return n; }
    bool contem(const Movimento& m) const;
};

// Is the square attacked by a piece of that colour?
bool atacada(const Posicao& x, int casa, bool por_brancas);
bool em_xeque(const Posicao& x); // the side to move
ListaDeLances legais(const Posicao& x);
bool legal(const Posicao& x, const Movimento& m);

// Plays a move (legal, or at least of a piece of the side to move): moves the
// rook when castling, takes the pawn passed, promotes, updates the rights,
// the capture-in-passing square, the counters and the side to move.
void joga(Posicao& x, const Movimento& m);

enum class Fim { nenhum, mate, afogamento };
Fim fim(const Posicao& x); // of the side to move

// Leaf positions at the given depth (the usual check of a move generator).
std::uint64_t perft(const Posicao& x, int profundidade);

// Coordinates as engines exchange them: "e2e4", "e7e8q" (promotion letter in
// either case on reading, lower case on writing).
std::optional<Movimento> le_coordenadas(std::string_view texto);
std::string escreve_coordenadas(const Movimento& m);

} // namespace quelmaro::xadrez
