// The info lines that precede every bestmove: the score, the trial positions
// examined and the move; and the rule that chose it.
#pragma once

#include <string>

#include "driver/pensamento.hpp"

namespace quelmaro::uci {

// "info depth 1 score cp SCORE nodes NODES pv MOVE" ("score mate 1" for a mating move).
std::string linha_info(const Pensamento& p);
// "info string Rule N: ..." (an opening move's own words).
std::string linha_razao(const std::string& razao);

} // namespace quelmaro::uci
