// The engine's adapter: the one place where the game asks the engine pass for
// a move. Its answer for a position: one pass on the game's state, its choice
// with what it is worth (escolhe), and the ranking of the other moves (opina):
// the candidates in the cascade's order, then the legal moves the rules never
// weigh, each with its reason. Values only: the protocol layers put them in words.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "chess/lances.hpp"
#include "chess/posicao.hpp"
#include "engine/motor_de_regras.hpp"
#include "game/analise.hpp"
#include "game/estado.hpp"

namespace quelmaro {

// What the computer's chosen move is worth and why it was played, as the GUI
// protocols show it.
struct Pensamento {
    int pontos = 0;    // material after the move, the computer's side (valor_do_lance)
    bool mate = false; // the move mates
    int nos = 0;       // trial positions the pass examined
    std::string lance; // in coordinates, with the promotion letter
    int regra = 0;     // the rule that chose it; 0 an opening move
    Abertura abertura = Abertura::nenhuma;
    // No rule chose: the computer's only legal moves are ones its movement
    // test does not allow (a capture in passing, a pawn's double step beside
    // an opposing pawn), and the first of them is played.
    bool fora_das_regras = false;
};

// A mating move's score in the xboard thinking line.
constexpr int PONTOS_DE_MATE = 100001;

// What a legal move of a position is worth to the side making it, as GUIs
// read a score: the material balance after it from that side, in centipawns
// on the usual scale (pawn 100, knight and bishop 300, rook 500, queen 900;
// not the engine's own piece codes), and whether it mates.
struct ValorDoLance {
    int pontos = 0;
    bool mate = false;
};
ValorDoLance valor_do_lance(const xadrez::Posicao& x, const xadrez::Movimento& m);

// The engine's choice for the computer on the state, not yet played: its
// pass, whose carried values the state takes, and what the move is worth.
// When the pass finds no move while the computer has legal moves (then they
// are all moves the pieces' own movement test does not allow: captures in
// passing, a pawn's double step beside an opposing pawn), the first of them
// is the choice, with no rule.
struct Escolha {
    Resultado resultado; // desfecho Lance when there is a move (de, para)
    Pensamento pensamento;
    // The move in chess squares, a pawn reaching the last rank a queen.
    xadrez::Movimento movimento{};
    bool lance() const { return resultado.desfecho == Desfecho::Lance; }
};
// With `permitidos`, the choice is one of those moves (the rescue above
// aside, which the caller judges).
// Without `com_pontos` the score and the mate test are left out (the move,
// rule and reason stand).
Escolha escolhe(Estado& estado, MotorDeRegras& motor, const Permitidos* permitidos = nullptr,
                bool com_pontos = true);

// The move the program would play in a chess position, the side to move as
// its own: its choice, with what it is worth and why; nullopt when that side
// has no move. `numero_de_meu_movimento` is the opening-move counter (0 or 1
// while a fixed opening move is due, 2 after); the draw counter is 0;
// `montada` when the game of the position began from a position set up from
// outside (Estado::de_posicao_montada).
std::optional<Pensamento> conselho(MotorDeRegras& motor, const xadrez::Posicao& x,
                                   int numero_de_meu_movimento, bool montada);

// What the engine's choice `lance` of the pass `r` on the state is worth.
Pensamento pensa(const Estado& estado, const Resultado& r, const xadrez::Movimento& lance);

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
    // What the pass saw, the explanations' source (why, the analysis table),
    // when asked for; with or without a move.
    std::optional<Analise> analise;
    // The move to answer, the first line's; nullopt when there is none.
    std::optional<xadrez::Movimento> lance() const {
        return linhas.empty() ? std::nullopt : std::optional(linhas.front().lance);
    }
};

// The pass for the computer on `estado`, which stands at the chess position
// `x` with the computer to move, and up to `maximo` lines (at least the
// choice). With `lista` (searchmoves: legal moves of `x`) every line is a
// move of it. The state takes the pass's carried values, as escolhe. With
// `explica`, the answer holds the pass's analysis too.
Parecer opina(Estado& estado, MotorDeRegras& motor, const xadrez::Posicao& x,
              const std::vector<xadrez::Movimento>* lista, int maximo, bool explica = false);

} // namespace quelmaro
