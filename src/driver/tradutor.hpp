// The parser of move and command text: reads lines until one is a move or a
// command word, and leaves it as four characters in `saidatrad`.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "board/tabuleiro.hpp"
#include "driver/console.hpp"
#include "driver/xboard.hpp"

namespace quelmaro {

class Tradutor {
  public:
    // A line holds at most this many characters; the rest of a longer line is
    // read as the next line.
    static constexpr std::size_t TAMANHO_DA_LINHA = 100;

    Tradutor(Console& console, Xboard xboard) : console_(console), xboard_(xboard) {}

    // Reads lines until one is a move (letter, digit, letter, digit) or a
    // command word: "play", "save", "open", "turn", "quit", "proq", "groq",
    // "nova", "undo", "hint", "pgn ", in the console build "help" and
    // "why ", and in the engine build "forc", "remo", "resu", "post", "nopo"
    // and "setb" (the rest of its line, the FEN, in `argumento`). Lines
    // answered here ("draw", and "protover" and "ping" in the engine build)
    // and every other line are read past. The "draw" answer needs the board
    // and the number of computer moves made in this game.
    void le(const Tabuleiro& tabuleiro, int lance_do_jogo);

    bool saida_e(std::string_view palavra) const {
        return std::string_view(saidatrad.data(), saidatrad.size()) == palavra;
    }

    std::array<char, 4> saidatrad{};
    // q, n, b or r typed right after the last move read, or NUL.
    char promocao_caracter = '\0';
    // What followed the command word of the last "setb".
    std::string argumento;

  private:
    std::string proxima_linha();

    Console& console_;
    Xboard xboard_;
    std::string resto_; // what is left of a line longer than TAMANHO_DA_LINHA
    bool tem_resto_ = false;
};

} // namespace quelmaro
