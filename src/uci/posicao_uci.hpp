// The arguments of the UCI command "position": "startpos [moves M...]" or
// "fen FEN [moves M...]", read into a start and the legal moves after it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "chess/lances.hpp"
#include "chess/posicao.hpp"

namespace quelmaro::uci {

struct PedidoDePosicao {
    enum class Erro {
        nenhum,
        sem_inicio, // neither "startpos" nor "fen": the line is read past
        fen,        // the FEN is malformed or the position cannot arise
    } erro = Erro::nenhum;
    xadrez::Posicao inicio{};
    std::vector<xadrez::Movimento> lances; // the legal moves, in order
    xadrez::Posicao atual{};               // the start with those moves played
    // A move that is not legal where it stands (or not a move at all): it and
    // the rest of the list are dropped. Empty when every move was taken.
    std::string lance_ilegal;
};

// The words after "position". Unknown words before the start are skipped.
PedidoDePosicao le_posicao(const std::vector<std::string_view>& argumentos);

} // namespace quelmaro::uci
