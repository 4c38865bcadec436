// The geometry of the board as precomputed square sets: where a knight, a king
// or a pawn reaches from a square, the rays of the eight directions, and the
// squares between two squares on one line. The sliders' reach under a given
// occupancy is read from the rays.
#pragma once

#include <array>

#include "board/casas.hpp"

namespace quelmaro {

struct Geometria {
    std::array<Casas, 65> cavalo{};
    std::array<Casas, 65> rei{};
    // Squares onto which a pawn of the computer (index 0) or of the player
    // (index 1) captures from a square, and from which it captures onto one.
    std::array<std::array<Casas, 65>, 2> peao_ataca{};
    std::array<std::array<Casas, 65>, 2> peao_ataca_de{};
    // Every square from a square outwards in one direction, to the edge. The
    // first four directions run towards higher square numbers.
    std::array<std::array<Casas, 65>, 8> raio{};
    // Squares strictly between two squares on one line (row, column or
    // diagonal); `reta` and `diagonal` tell whether they share such a line.
    std::array<std::array<Casas, 65>, 65> entre{};
    // Squares beyond the second square on the line from the first, to the edge.
    std::array<std::array<Casas, 65>, 65> alem{};
    std::array<std::array<bool, 65>, 65> reta{};
    std::array<std::array<bool, 65>, 65> diagonal{};
};

extern const Geometria GEOMETRIA;

// The squares along ray D from `de` up to and including the first occupied
// one. With no piece on the ray the sentinel square (64 for the rays towards
// higher numbers, 1 for the others) stands in: nothing lies beyond it.
template <int D>
inline Casas raio_ate_bloqueio(int de, Casas ocupadas) {
    const Casas raio = GEOMETRIA.raio[D][de];
    const Casas bloqueio = raio & ocupadas;
    const int primeiro =
        D < 4 ? menor_casa(bloqueio | bit(ULTIMA_CASA)) : maior_casa(bloqueio | bit(PRIMEIRA_CASA));
    return raio & ~GEOMETRIA.raio[D][primeiro];
}

// What a bishop, or a rook, on `de` attacks when `ocupadas` are occupied.
inline Casas diagonais(int de, Casas ocupadas) {
    return raio_ate_bloqueio<1>(de, ocupadas) | raio_ate_bloqueio<3>(de, ocupadas) |
           raio_ate_bloqueio<5>(de, ocupadas) | raio_ate_bloqueio<7>(de, ocupadas);
}
inline Casas retas(int de, Casas ocupadas) {
    return raio_ate_bloqueio<0>(de, ocupadas) | raio_ate_bloqueio<2>(de, ocupadas) |
           raio_ate_bloqueio<4>(de, ocupadas) | raio_ate_bloqueio<6>(de, ocupadas);
}

} // namespace quelmaro
