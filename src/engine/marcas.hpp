// The move-feature tables. Each table is one bit of a mask kept per candidate
// move (from-square, to-square); a pass clears every mask first and then only
// sets bits, never clearing one.
#pragma once

#include <array>
#include <cstdint>

namespace quelmaro {

using Marcas = std::uint32_t;

// clang-format off
constexpr Marcas jogada_pegap           = 1u << 0;  // the move takes a player's pawn
constexpr Marcas jogada_pegab           = 1u << 1;  // ... a bishop
constexpr Marcas jogada_pegac           = 1u << 2;  // ... a knight
constexpr Marcas jogada_pegat           = 1u << 3;  // ... a rook
constexpr Marcas jogada_pegad           = 1u << 4;  // ... the queen
constexpr Marcas jogada_perdep          = 1u << 5;  // a reply takes my pawn and none retakes it
constexpr Marcas jogada_perdeb          = 1u << 6;  // a reply wins my bishop (not covered)
constexpr Marcas jogada_perdec          = 1u << 7;  // ... my knight
constexpr Marcas jogada_perdet          = 1u << 8;  // ... my rook
constexpr Marcas jogada_perded          = 1u << 9;  // ... my queen
constexpr Marcas jogada_perder          = 1u << 10; // a reply takes my king
constexpr Marcas jogada_ameacab         = 1u << 11; // a follow-up takes a bishop (not the replier)
constexpr Marcas jogada_ameacac         = 1u << 12; // ... a knight
constexpr Marcas jogada_ameacat         = 1u << 13; // ... a rook
constexpr Marcas jogada_ameacad         = 1u << 14; // ... the queen
constexpr Marcas jogada_ameacar         = 1u << 15; // ... the king
constexpr Marcas jogada_promove_maquina = 1u << 16; // my pawn on its last row after a reply
constexpr Marcas jogada_promove_humano  = 1u << 17; // a player's pawn on its last row
constexpr Marcas expoem_a_xeque         = 1u << 18; // a reply's piece attacks my king
constexpr Marcas resposta_da_mate       = 1u << 19; // some such reply mates me (the rules' "exequemate")
constexpr Marcas lance_da_mate          = 1u << 20; // the move mates the player ("mataele2")
constexpr Marcas alinha                 = 1u << 21; // queen or king moved onto one open line

constexpr int NUMERO_DE_MARCAS = 22;
constexpr std::array<const char*, NUMERO_DE_MARCAS> NOMES_DAS_MARCAS = {
    "jogada_pegap", "jogada_pegab", "jogada_pegac", "jogada_pegat", "jogada_pegad",
    "jogada_perdep", "jogada_perdeb", "jogada_perdec", "jogada_perdet", "jogada_perded",
    "jogada_perder", "jogada_ameacab", "jogada_ameacac", "jogada_ameacat", "jogada_ameacad",
    "jogada_ameacar", "jogada_promove_maquina", "jogada_promove_humano", "expoem_a_xeque",
    "resposta_da_mate", "lance_da_mate", "alinha",
};

// The loss tables, all six, and all but the pawn's.
constexpr Marcas todas_as_perdas = jogada_perder | jogada_perded | jogada_perdet | jogada_perdeb |
                                   jogada_perdec | jogada_perdep;
constexpr Marcas perdas_menos_peao = todas_as_perdas & ~jogada_perdep;
// clang-format on

} // namespace quelmaro
