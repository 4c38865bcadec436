// The parser of move and command text: what one line the player (or the GUI)
// typed is. A move is four characters, letter digit letter digit, as
// "e2e4"; a word of the game's own vocabulary is one of `Palavra` (play,
// save, open, turn, quit, short and long castling, new game); a front end's
// own command is the index of its word in the table the front end passes.
// Anything else is read past. The parser reads and prints nothing itself.
#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>

#include "game/regras_do_jogador.hpp"

namespace quelmaro {

struct Traducao {
    enum class Tipo {
        nada,    // read past
        lance,   // `lance` holds the move
        palavra, // a word of the game's: `palavra`
        comando, // a word of the front end's table: `comando`
    } tipo = Tipo::nada;
    // The game's own words, which every front end that reads moves takes.
    enum class Palavra {
        nenhuma,
        jogar,         // "go", "play": the computer takes the side to move
        salvar,        // "save"
        abrir,         // "open", "load"
        virar,         // "turn", "reverse": the drawing turned
        sair,          // "quit", "exit"
        roque_pequeno, // "O-O"
        roque_grande,  // "O-O-O"
        nova,          // "new": a new game
    } palavra = Palavra::nenhuma;
    std::array<char, 4> lance{}; // "e2e4", the squares as typed
    // q, n, b or r typed right after a plain move, or NUL.
    char promocao_caracter = '\0';
    int comando = -1;
    // What followed the word on its line, blanks around it dropped ("e7e5"
    // of "why e7e5"); empty after a move. `resto` is the same as it stands.
    std::string argumento, resto;

    bool e(Palavra p) const { return tipo == Tipo::palavra && palavra == p; }
};
using Palavra = Traducao::Palavra;

// A line holds at most this many characters; the rest of a longer line stays
// in the input: it is the next line, or the file name or number that the
// command just read asks for.
inline constexpr std::size_t TAMANHO_DA_LINHA = 100;

// The line (at most TAMANHO_DA_LINHA characters) as a move, a word of the
// game's or a word of `palavras`, each compared, blanks included, with the start of
// the line made at least 8 characters long with blanks ("go" is "go      ").
// The game's words are tested first, then the front end's in their order,
// then the move forms: a plain move, then one with '-' or 'x' between the
// squares, each after at most one upper-case piece letter (N, K, Q, B, P, R,
// D, C).
Traducao traduz(std::string_view linha, std::span<const std::string_view> palavras = {});

// The move read as the player's move: a castling word, or the chess squares
// of its coordinates.
LanceDoJogador lance_do_jogador(const Traducao& t);

// The same with the words of a front end's command table, each row's `palavra`.
template <class Comando, std::size_t N>
requires requires(const Comando& c) { std::string_view(c.palavra); }
Traducao traduz(std::string_view linha, const Comando (&comandos)[N]) {
    std::array<std::string_view, N> palavras;
    for (std::size_t i = 0; i < N; ++i) palavras[i] = comandos[i].palavra;
    return traduz(linha, std::span<const std::string_view>(palavras));
}

} // namespace quelmaro
