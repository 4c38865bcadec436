// Explanations in words: what one engine pass saw in a candidate move and
// which rule it meets against the move chosen ("why MOVE"), the table of a
// whole pass (--explain), and the reason a move was played as the GUIs show
// it. Each returns the text; the front ends print it.
#pragma once

#include <string>
#include <string_view>

#include "game/analise.hpp"
#include "game/jogo.hpp"

namespace quelmaro {

// The short name of a feature table, "jogada_" left off: "pegad", "perdeb", ...
std::string_view nome_curto(int marca);

// "why MOVE": one line per feature set for the move, then the rule it meets
// against the choice; or one line that it was not one of the candidates.
std::string explica_lance(const Analise& analise, std::string_view palavra, bool ingles);

// "why": the rule that chose the move of the pass, "Rule N: " and its words.
std::string explica_escolha(const Analise& analise, bool ingles);

// One line per candidate, "MOVE  FEATURES  rule N", the chosen rule's words,
// and "chosen MOVE rule N" (or "chosen none").
std::string tabela_da_analise(const Analise& analise, bool ingles);

// Why the engine chose its move, or found none, in English as the GUIs show
// it: "Rule N: " and the rule's words, or an opening move's own words.
std::string razao(int regra, Abertura abertura, bool fora_das_regras = false, bool ingles = true);
inline std::string razao(const Pensamento& p, bool ingles = true) {
    return razao(p.regra, p.abertura, p.fora_das_regras, ingles);
}

} // namespace quelmaro
