// What the computer's chosen move is worth and why it was played, as the GUI
// protocols show it: xboard's thinking line, UCI's info lines.
#pragma once

#include <string>

#include "engine/quelmaro2.hpp"

namespace quelmaro {

class Quelmaro;

struct Pensamento {
    int pontos = 0;    // material after the move, the computer's side, in centipawns
    bool mate = false; // the move mates
    int nos = 0;       // trial positions the pass examined
    std::string lance; // in coordinates, with the promotion letter
    std::string razao; // "Rule N: ..." or the opening move's words
};

// Why the last engine pass chose its move, or found none: "Rule N: " and
// the rule's words, or an opening move's own words.
std::string razao(const Quelmaro2& motor);

// For the move of the last engine pass (motor.cc, motor.dd), not yet played.
Pensamento pensa(const Quelmaro& jogo);

// xboard: "1 SCORE 0 NODES MOVE {REASON}", 100001 for a mating move.
std::string linha_de_pensamento(const Pensamento& p);

} // namespace quelmaro
