// The selection cascade as data: 55 rules, tried in order; the first rule that
// accepts some candidate move decides, and within a rule the last accepted
// pair in scan order (from-square outer, to-square inner) wins.
#pragma once

#include <array>
#include <span>
#include <vector>

#include "board/casas.hpp"
#include "engine/marcas.hpp"

namespace quelmaro {

// Tables that must be False, some of them forgiven while the computer is
// ahead in material (`soma0l` > 0): written `ou_soma0l_positiva(table)`.
struct Proibidas {
    Marcas marcas = 0;
    Marcas salvo_se_a_frente = 0;
    constexpr Proibidas(Marcas m = 0) : marcas(m) {}
    constexpr Proibidas(Marcas m, Marcas salvo) : marcas(m), salvo_se_a_frente(salvo) {}
};
constexpr Proibidas ou_soma0l_positiva(Marcas m) { return {m, m}; }
constexpr Proibidas operator|(Proibidas a, Proibidas b) {
    return {a.marcas | b.marcas, a.salvo_se_a_frente | b.salvo_se_a_frente};
}

enum class Peca { qualquer, peao };                  // which of my pieces may move
enum class Condicao { nada, dois_bispos_e_lance_6 }; // lance_do_jogo > 6, numero_b_inimigo = 2
enum class Bandeira { nenhuma, zerar, somar };       // resets or counts the draw counter

struct Regra {
    int numero;
    bool guarda_de_empate; // skipped while the draw danger holds
    Peca peca;
    Marcas verdadeiras; // every one must be True
    Proibidas falsas;   // every one must be False
    Condicao condicao;
    Bandeira bandeira;
    const char* ingles;    // what the rule does, in words for the player
    const char* portugues; // the same in Portuguese
    // The words the engine build's protocol lines (thinking lines, UCI info
    // strings) carry; nullptr: `ingles`. Set where they differ from the
    // player's words, so that the lines GUIs and their users read stay as they were.
    const char* protocolo = nullptr;
};

constexpr int NUMERO_DE_REGRAS = 55;
// Rule 55 accepts every candidate: it only tells that candidates exist while
// every one of them lets the player take the computer's king.
constexpr int REGRA_FIM_DE_JOGO = 55;

const std::array<Regra, NUMERO_DE_REGRAS>& regras();

// A candidate move with its feature tables.
struct Candidato {
    int de = 0, para = 0;
    bool peao = false; // a computer pawn moves
    Marcas marcas = 0;
};

// What the rules read besides the tables.
struct Contexto {
    int soma0l = 0;             // material sum at the start of the pass
    bool perigo_empate = false; // the draw danger
    int lance_do_jogo = 0;
    int numero_b_inimigo = 2;
};

struct Decisao {
    int regra = 0;      // the first rule that accepted a candidate; 0 when none did
    int candidato = -1; // the last candidate it accepted
};

// Does the rule's row accept the candidate: its draw guard, its extra
// condition, the piece on the from-square, every must-be-True table set and
// every must-be-False table clear (those forgiven while ahead in material
// excepted)? The cascade and the explanations decide by this one test.
constexpr bool cumpre(const Regra& r, const Candidato& m, const Contexto& x) {
    if (r.guarda_de_empate && x.perigo_empate) return false;
    if (r.condicao == Condicao::dois_bispos_e_lance_6 &&
        !(x.lance_do_jogo > 6 && x.numero_b_inimigo == 2))
        return false;
    if (r.peca == Peca::peao && !m.peao) return false;
    const Marcas proibidas = r.falsas.marcas & ~(x.soma0l > 0 ? r.falsas.salvo_se_a_frente : 0);
    return (m.marcas & r.verdadeiras) == r.verdadeiras && (m.marcas & proibidas) == 0;
}

// The moves the cascade may choose from when not every candidate (a GUI's
// "searchmoves"): for each from-square, the set of to-squares.
struct Permitidos {
    std::array<Casas, 65> para{};
    void permite(int de, int destino) { para[de] |= bit(destino); }
    bool permite(int de, int destino) const { return contem(para[de], destino); }
};

// The cascade over the candidates, given in scan order (from-square outer,
// to-square inner); with `permitidos`, over those of them alone.
Decisao cascata(std::span<const Candidato> candidatos, const Contexto& contexto,
                const Permitidos* permitidos = nullptr);

// A candidate's place in the cascade's order, and the rule that places it
// (0 when it meets none of rules 1 to 54).
struct Lugar {
    int candidato;
    int regra;
};
// The candidates (those permitted) in the order the cascade ranks them: by
// the first rule each meets, those meeting none last; among those meeting
// the same rule, in the order the cascade's scan picks them, the last in
// scan order first. The first is the cascade's choice.
std::vector<Lugar> classificacao(std::span<const Candidato> candidatos, const Contexto& contexto,
                                 const Permitidos* permitidos = nullptr);

// The first rule 1..54 whose row the candidate meets, or 0 when none does
// (only rule 55, which takes every candidate, would).
int regra_cumprida(const Candidato& candidato, const Contexto& contexto);

// The fixed opening moves of a game.
enum class Abertura { nenhuma, peao_do_rei, peao_do_cavalo, cavalo_da_dama };

// Why a move was played: a rule 1..55, or an opening move when `regra` is 0.
const char* descricao(int regra, Abertura abertura, bool ingles);
// The same in the words of the engine build's protocol lines (Regra::protocolo).
const char* descricao_do_protocolo(int regra, Abertura abertura);

} // namespace quelmaro
