// Piece codes. The sign tells the owner (positive: the computer, negative: the
// player, 0: empty); the magnitude is both the kind and the material value.
#pragma once

namespace quelmaro {

constexpr int VAZIO = 0;
constexpr int PEAO = 1;
constexpr int BISPO = 3;
constexpr int CAVALO = 4;
constexpr int TORRE = 7;
constexpr int DAMA = 20;
constexpr int REI = 999;

constexpr bool da_maquina(int codigo) { return codigo > 0; }
constexpr bool do_jogador(int codigo) { return codigo < 0; }
constexpr int tipo(int codigo) { return codigo < 0 ? -codigo : codigo; }

// True for the thirteen codes that may stand on the board.
constexpr bool codigo_valido(int codigo) {
    switch (tipo(codigo)) {
    case VAZIO:
    case PEAO:
    case BISPO:
    case CAVALO:
    case TORRE:
    case DAMA:
    case REI: return true;
    default: return false;
    }
}

} // namespace quelmaro
