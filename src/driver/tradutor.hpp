// The parser of move and command text: reads lines until one is a move or a
// command word, and leaves it as four characters in `saidatrad`.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>

#include "board/tabuleiro.hpp"
#include "io/console.hpp"
#include "driver/xboard.hpp"

namespace quelmaro {

class Tradutor {
  public:
    // A line holds at most this many characters; the rest of a longer line
    // stays in the input: it is the next line, or the file name or number
    // that the command just read asks for.
    static constexpr std::size_t TAMANHO_DA_LINHA = 100;

    Tradutor(Console& console, Xboard xboard) : console_(console), xboard_(xboard) {}

    // Reads lines until one is a move (letter, digit, letter, digit) or a
    // command word: "play", "save", "open", "turn", "quit", "proq", "groq",
    // "nova", "undo", "hint", "pgn ", in the console build "help", "why "
    // and "movs", and in the engine build "forc", "remo", "resu", "post",
    // "nopo" and "setb". Lines
    // answered here ("draw", and "protover" and "ping" in the engine build)
    // and every other line are read past. The "draw" answer needs the board
    // and the number of computer moves made in this game.
    // `san`, when given, is asked about the first word (up to the first
    // blank) of a line that would be read past: when it takes the word, the
    // output is "san " and the word is in `palavra_san`.
    using LeitorDeSan = std::function<bool(std::string_view palavra)>;
    void le(const Tabuleiro& tabuleiro, int lance_do_jogo, const LeitorDeSan& san = {});

    bool saida_e(std::string_view palavra) const {
        return std::string_view(saidatrad.data(), saidatrad.size()) == palavra;
    }

    std::array<char, 4> saidatrad{};
    // What followed a command word on its line, blanks around it dropped
    // ("e7e5" of "why e7e5", the FEN of "setboard", however long); empty
    // after a move.
    std::string argumento;
    // q, n, b or r typed right after the last move read, or NUL.
    char promocao_caracter = '\0';
    std::string palavra_san; // the word of the last "san " output

  private:
    Console& console_;
    Xboard xboard_;
};

} // namespace quelmaro
