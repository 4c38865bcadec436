// What one engine pass saw and chose, kept after it so that a person can ask
// why: the board as the pass saw it, every candidate with its tables, what
// the rules read besides, and the choice.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "board/tabuleiro.hpp"
#include "chess/pgn_leitura.hpp"
#include "engine/motor_de_regras.hpp"
#include "game/jogo_salvo.hpp"

namespace quelmaro {

struct Analise {
    Tabuleiro tabuleiro;               // the board as the pass saw it
    bool maquina_tem_brancas = false;  // for the coordinates
    std::vector<Candidato> candidatos; // in scan order, with their tables
    Contexto contexto;                 // what the rules read besides the tables
    int regra = 0;                     // the rule that chose; 0 an opening move
    Abertura abertura = Abertura::nenhuma;
    int escolhido = -1; // the chosen candidate; -1 when there is no move
    // No rule chose: the computer's only legal moves were ones the pieces'
    // own movement test does not allow, and the first was played.
    bool fora_das_regras = false;
};

// Right after `motor` made the pass `r` on `tabuleiro`.
Analise analise_do_passe(const MotorDeRegras& motor, const Resultado& r, const Tabuleiro& tabuleiro,
                         bool maquina_tem_brancas);

// A computer move: from-square and to-square.
struct Jogada {
    int de = 0, para = 0;
    bool operator==(const Jogada&) const = default;
};

// The candidate making the move, or -1.
int candidato(const Analise& a, Jogada j);

// The move a word names for the computer on the analysed board: coordinates
// as the game prints them ("e7e5"; "e7-e5", "e7xe5" too), or SAN with the
// piece letters of the language `ingles` gives ("Nf6", "exd5", "Cf6").
// nullopt when the word names no move, or more than one.
std::optional<Jogada> jogada_da_palavra(std::string_view palavra, const Analise& analise,
                                        bool ingles);
// Is the word SAN that is well formed but names no move of the computer's there?
bool san_sem_lance(std::string_view palavra, const Analise& analise, bool ingles);

// A position to explain: the board with the computer to move and what the
// rules read that the board does not hold.
struct PosicaoParaExplicar {
    Tabuleiro tabuleiro;
    bool maquina_tem_brancas = false;
    int lance_do_jogo = 0;
    // A saved game, kept at the player's turn: the computer's moves there are
    // explained as if it were its move. (In a chess game the computer plays
    // the side to move.)
    bool fora_da_vez = false;
    // Not reached from the ordinary start in its game (a saved game, a FEN,
    // a game with another start): promotions are watched at once.
    bool montada = false;
};

// The position of a saved game, the computer on its own side.
PosicaoParaExplicar posicao_para_explicar(const JogoSalvo& jogo);
// The last position of a chess game, the computer on the side to move.
PosicaoParaExplicar posicao_para_explicar(const xadrez::Partida& partida);
// Reads the text of a file into a position: a saved game, else its first
// game of chess (a FEN on the first line or a PGN game) when that was read.
std::optional<PosicaoParaExplicar> posicao_para_explicar(std::string_view conteudo);

// One pass as the position stands: no fixed opening move, draw counter 0.
Analise analisa_posicao(const PosicaoParaExplicar& posicao);

} // namespace quelmaro
