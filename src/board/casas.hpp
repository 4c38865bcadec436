// Squares are numbered 1..64 from the computer's side: square n lies on row
// (n + 7) / 8 and column n - 8 * (row - 1). Rows and columns run 1..8. The
// bit of a square in a 64-bit set is n - 1; that offset lives only here.
#pragma once

#include <bit>
#include <cstdint>

namespace quelmaro {

using Casas = std::uint64_t; // a set of squares

constexpr int PRIMEIRA_CASA = 1;
constexpr int ULTIMA_CASA = 64;

constexpr bool casa_valida(int n) { return n >= PRIMEIRA_CASA && n <= ULTIMA_CASA; }
constexpr int linha(int n) { return (n + 7) / 8; }
constexpr int coluna(int n) { return n - 8 * (linha(n) - 1); }
constexpr int casa(int linha, int coluna) { return 8 * (linha - 1) + coluna; }

constexpr Casas bit(int n) { return Casas{1} << (n - 1); }
constexpr bool contem(Casas s, int n) { return (s & bit(n)) != 0; }
// Lowest and highest square of a non-empty set.
constexpr int menor_casa(Casas s) { return std::countr_zero(s) + 1; }
constexpr int maior_casa(Casas s) { return 64 - std::countl_zero(s); }

// How many squares a set holds (without relying on a population-count
// instruction, which not every x86-64 processor has).
constexpr int numero_de_casas(Casas s) {
    s -= (s >> 1) & 0x5555555555555555ull;
    s = (s & 0x3333333333333333ull) + ((s >> 2) & 0x3333333333333333ull);
    s = (s + (s >> 4)) & 0x0F0F0F0F0F0F0F0Full;
    return static_cast<int>((s * 0x0101010101010101ull) >> 56);
}
// More than one square?
constexpr bool varias(Casas s) { return (s & (s - 1)) != 0; }

// Calls f(n) for every square of the set in ascending order.
template <class F>
constexpr void para_cada_casa(Casas s, F&& f) {
    while (s) {
        f(menor_casa(s));
        s &= s - 1;
    }
}

} // namespace quelmaro
