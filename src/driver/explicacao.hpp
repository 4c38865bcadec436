// Explanations a person can question: what one engine pass saw in each of
// the computer's candidate moves, which rule each one meets, and how that
// compares with the move it chose ("why MOVE", and the --explain table).
#pragma once

#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "board/tabuleiro.hpp"
#include "io/arquivos.hpp"
#include "engine/quelmaro2.hpp"

namespace quelmaro {

// What one pass saw and chose, kept after it.
struct Analise {
    Tabuleiro tabuleiro;               // the board as the pass saw it
    char resposta = 's';               // who has White, for the coordinates
    std::vector<Candidato> candidatos; // in scan order, with their tables
    Contexto contexto;                 // what the rules read besides the tables
    int regra = 0;                     // the rule that chose; 0 an opening move
    Abertura abertura = Abertura::nenhuma;
    int escolhido = -1; // the chosen candidate; -1 when there is no move
};

// Right after a pass of `motor` on `tabuleiro` (the board it left as it found it).
Analise analise_do_passe(const Quelmaro2& motor, const Tabuleiro& tabuleiro, char resposta);

// A computer move: from-square and to-square.
struct Jogada {
    int de = 0, para = 0;
};

// The move a word names for the computer on the analysed board: coordinates
// as the game prints them ("e7e5"; "e7-e5", "e7xe5" too), or SAN with the
// piece letters of the language `ingles` gives ("Nf6", "exd5", "Cf6").
// nullopt when the word names no move, or more than one.
std::optional<Jogada> jogada_da_palavra(std::string_view palavra, const Analise& analise,
                                        bool ingles);

// The move in coordinates, as the game prints it.
std::string coordenadas(Jogada jogada, char resposta);

// The short name of a feature table, "jogada_" left off: "pegad", "perdeb", ...
std::string_view nome_curto(int marca);

// "why MOVE": one line per feature set for the move, then the rule it meets
// against the choice; or one line that it was not one of the candidates.
void explica_lance(std::ostream& saida, const Analise& analise, std::string_view palavra,
                   bool ingles);

// One line per candidate, "MOVE  FEATURES  rule N", the chosen rule's words,
// and "chosen MOVE rule N" (or "chosen none").
void tabela_da_analise(std::ostream& saida, const Analise& analise, bool ingles);

// A position to explain: the board with the computer to move and what the
// rules read that the board does not hold.
struct PosicaoParaExplicar {
    Tabuleiro tabuleiro;
    char resposta = 's';
    int lance_do_jogo = 0;
};

// Reads the text of a file into a position: a saved game, a FEN on the first
// line or a PGN game (the computer plays the side to move at its end).
std::optional<PosicaoParaExplicar> posicao_para_explicar(const std::string& conteudo);

// One pass as the position stands: no fixed opening move, draw counter 0.
Analise analisa_posicao(const PosicaoParaExplicar& posicao);

// --explain FILE: the table on `saida` and 0, or a one-line error on `erro` and 2.
int explica_arquivo(Arquivos& arquivos, const std::string& nome, const char* programa, bool ingles,
                    std::ostream& saida, std::ostream& erro);

} // namespace quelmaro
