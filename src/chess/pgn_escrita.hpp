// Writing a game as PGN text: the tags (the seven-tag roster first, then
// SetUp and FEN when the game does not start from the ordinary position,
// then the others), the moves in SAN with their numbers, comments and
// variations, and the result; the move text wrapped before 80 columns.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "chess/lances.hpp"
#include "chess/posicao.hpp"

namespace quelmaro::xadrez {

using Tag = std::pair<std::string, std::string>; // name, value

// The seven tags every game carries ("?" for what is not known), Result
// apart: the writer takes it from the game.
struct SeteTags {
    std::string evento = "?", local = "?", data = "????.??.??", rodada = "?", brancas = "?",
                pretas = "?";
};
// The roster as tag pairs in its order, then the other tags.
std::vector<Tag> tags_de(const SeteTags& sete, const std::vector<Tag>& outras = {});

// Another line of play: moves from the position before the half-move it is
// written after (the same side to move), with a comment after its last move.
struct Variacao {
    std::vector<Movimento> lances;
    std::string comentario; // empty: none
};

// What is written after one half-move: its comment, then its variations.
struct Anotacao {
    Anotacao(std::string c = {}, std::vector<Variacao> v = {}, std::string o = {})
        : comentario(std::move(c)), variacoes(std::move(v)), original(std::move(o)) {}
    std::string comentario; // empty: none
    std::vector<Variacao> variacoes;
    // Annotations as a file had them (JogoLido::anotacoes), written as they
    // are around the comment (see escreve_pgn), their words wrapped: comments between braces, NAGs
    // and variations whose moves are not checked. Left out unless it is only those: every comment
    // closed, the parentheses matched, no result, no rest-of-line comment and nothing else outside
    // a variation.
    std::string original;
};

struct JogoParaEscrever {
    // Name and value pairs. The seven of the roster are written first in
    // their order, whatever their place here ("?" for those missing, Result
    // from `resultado`), then SetUp and FEN from `inicio` when it is not the
    // ordinary start (SetUp and FEN given here are left out), then the rest
    // in their order. A name that is no PGN symbol (letters, digits, '_') is
    // left out, and so is a name given a second time.
    std::vector<Tag> tags;
    Posicao inicio = Posicao::inicial();
    std::vector<Movimento> lances;   // legal in turn
    std::vector<Anotacao> anotacoes; // by half-move; shorter than `lances` for none after the rest
    std::string comentario_inicial;  // before the first move; empty: none
    std::string original_inicial;    // as Anotacao::original, before the first move
    std::string resultado = "*";     // "1-0", "0-1", "1/2-1/2" or "*" (anything else: "*")
    // The result as given, even when the last position is mate or stalemate
    // (a game of a file written again).
    bool resultado_como_dado = false;
};

// The PGN text of the game, ending in a blank line. A move that is not legal
// where it stands ends the move list there, and the result becomes "*"; when
// the last position is mate or stalemate, the result says so (unless
// `resultado_como_dado`). A half-move's comment is written right after it
// and its NAGs, inside the first comment of its `original` when that has one
// there, then the rest of `original`, then the variations. A variation
// keeps its moves up to the first one that is not legal, and is left out
// when that is its first. Comments are written between braces with their
// words wrapped like the moves: blanks and control characters become
// single spaces, and the braces '{' and '}' inside become '(' and ')',
// since a '}' would end the comment. Tag values have '\' and '"' escaped
// and control characters turned into spaces.
std::string escreve_pgn(const JogoParaEscrever& jogo);

} // namespace quelmaro::xadrez
