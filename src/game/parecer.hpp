// The engine's answer for a position as the front ends show it: one pass on
// the game's state, its choice, and the ranking of the other moves: the
// candidates in the cascade's order, then the legal moves the rules never
// weigh, each with its reason. Values only: the protocol layers put them in words.
#pragma once

#include <optional>
#include <vector>

#include "chess/lances.hpp"
#include "chess/posicao.hpp"
#include "engine/motor_de_regras.hpp"
#include "game/analise.hpp"
#include "game/estado.hpp"
#include "game/jogo.hpp"

namespace quelmaro {

// Why the rules never weigh a legal move that is none of the candidates, by
// its kind.
enum class SemPeso {
    roque,       // the king's two-square step
    en_passant,  // a pawn's diagonal step to an empty square
    subpromocao, // a pawn becoming another piece than a queen
    passo_duplo, // a pawn's double step
    lance,       // any other move
};
SemPeso sem_peso(const xadrez::Posicao& x, const xadrez::Movimento& m);

// One line of the answer: a move, what it is worth, and why it stands there.
struct LinhaDoParecer {
    xadrez::Movimento lance;
    ValorDoLance valor; // after the move, for the side making it
    // A candidate: the rule that chose it (the first line) or the first rule
    // it meets; an opening move's words; the rescue of a pass without a move.
    int regra = 0;
    Abertura abertura = Abertura::nenhuma;
    bool fora_das_regras = false;
    // A legal move the rules never weigh: why not.
    std::optional<SemPeso> sem_peso;
};

struct Parecer {
    enum class Lista {
        livre,          // every move of the position may be chosen
        com_candidatas, // the choice is among the listed moves the cascade weighs
        sem_candidatas, // no listed move is a candidate: the first listed is played
        vazia,          // every listed move was illegal: no move to play
    } lista = Lista::livre;
    Escolha escolha;                    // the pass (none with sem_candidatas or vazia)
    std::vector<LinhaDoParecer> linhas; // the choice first; empty when there is no move
    // The move to answer, the first line's; nullopt when there is none.
    std::optional<xadrez::Movimento> lance() const {
        return linhas.empty() ? std::nullopt : std::optional(linhas.front().lance);
    }
};

// The pass for the computer on `estado`, which stands at the chess position
// `x` with the computer to move, and up to `maximo` lines (at least the
// choice). With `lista` (searchmoves: legal moves of `x`) every line is a
// move of it. The state takes the pass's carried values, as escolhe.
Parecer opina(Estado& estado, MotorDeRegras& motor, const xadrez::Posicao& x,
              const std::vector<xadrez::Movimento>* lista, int maximo);

} // namespace quelmaro
