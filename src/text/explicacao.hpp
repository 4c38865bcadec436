// Explanations in words: what one engine pass saw in a candidate move and
// which rule it meets against the move chosen ("why MOVE"), the table of a
// whole pass (--explain), and the reason a move was played as the GUIs show
// it. Each returns the text; the front ends print it.
#pragma once

#include <string>
#include <string_view>

#include "game/analise.hpp"
#include "game/jogo.hpp"
#include "game/parecer.hpp"

namespace quelmaro {

// "why MOVE": one line per feature set for the move, then the rule it meets
// against the choice; or one line that it was not one of the candidates.
std::string explica_lance(const Analise& analise, std::string_view palavra, bool ingles);

// "why": the rule that chose the move of the pass, "Rule N: " and its words.
std::string explica_escolha(const Analise& analise, bool ingles);

// The --explain table, in the language `ingles` gives: a line that tells
// whose moves they are (`fora_da_vez`: a saved game's computer, whose move
// it is not), a header, one line per candidate in scan order with its
// features in words and the first rule it meets ("-" for none), the columns
// aligned; then how the rule decides, the chosen rule's words, the choice
// ("Chosen: MOVE (rule N)."), and a legend of the features' words used.
// A line longer than `largura` columns is broken between words (a list of
// features after a comma), its rest indented to where its text began.
inline constexpr std::size_t LARGURA_DA_TABELA = 79;
std::string tabela_da_analise(const Analise& analise, bool ingles, bool fora_da_vez = false,
                              std::size_t largura = LARGURA_DA_TABELA);

// Why the engine chose its move, or found none, in English as the GUIs show
// it: "Rule N: " and the rule's words as the protocol lines carry them
// (descricao_do_protocolo), or an opening move's own words.
std::string razao(int regra, Abertura abertura, bool fora_das_regras = false);
inline std::string razao(const Pensamento& p) {
    return razao(p.regra, p.abertura, p.fora_das_regras);
}
// A line of the engine's answer (MultiPV), the same way: a candidate's rule,
// or why the rules never weigh the move.
std::string razao(const LinhaDoParecer& linha);
// The same in the player's words and language ("Rule N: " or "Regra N: ",
// the rule's words as the console shows them).
std::string razao_em_palavras(const Pensamento& p, bool ingles);

} // namespace quelmaro
