// The small console interface through which all input and output passes, so
// that whole games run in tests from a transcript. The real terminal is one
// implementation of it (terminal.hpp).
#pragma once

#include <cstddef>
#include <istream>
#include <optional>
#include <ostream>
#include <string>

#include "io/quebra_de_linhas.hpp"

namespace quelmaro {

// The width of a screen that says nothing of its own, and the narrowest one
// text is broken for.
inline constexpr std::size_t LARGURA_PADRAO = 80;
inline constexpr std::size_t LARGURA_MINIMA = 20;

// Thrown to end the program at once with exit status 0: standard input has
// ended while the program needed input, or the player typed "quit".
struct FimDoPrograma {};

class Console {
  public:
    virtual ~Console() = default;
    // The next line, without its line end: what is left of a line that
    // `pedaco` cut, else a line of the input. Throws FimDoPrograma at end of
    // input.
    std::string linha();
    // At most `limite` characters of the next line, as `linha` reads it; the
    // rest of a longer line stays waiting for the next read of any kind.
    std::string pedaco(std::size_t limite);
    // Is the rest of a line that `pedaco` cut waiting?
    bool cortada() const { return resto_.has_value(); }
    // One key: the first non-blank character of what is left of a cut line,
    // else a key of the input. Throws FimDoPrograma at end of input.
    char tecla();
    // A key that answers a question: as `tecla`, but a blank key (Enter,
    // space, tab) alone is no answer and is passed over, so that an Enter
    // typed after a key does not answer the next question. (A stream's key
    // is never blank.)
    char resposta();
    virtual std::ostream& saida() = 0;
    // The width of the screen in columns: 80 unless the console knows better.
    virtual std::size_t largura() { return LARGURA_PADRAO; }
    // From now on `saida` writes in lines that leave the screen's last column
    // free (a person's dialog; a GUI's protocol lines are never broken).
    // Consoles that cannot do it write on as they did.
    virtual void quebra_linhas() {}
    // Reads a line holding a whole number (blanks around it allowed);
    // nullopt when the line holds anything else.
    std::optional<int> numero();

  protected:
    virtual std::string le_linha() = 0;
    virtual char le_tecla() = 0;

  private:
    std::optional<std::string> resto_; // a line that `pedaco` cut, read up to `inicio_`
    std::size_t inicio_ = 0;
};

// Console over streams, `largura` columns wide. A key is the first
// non-blank character of the next line that has one; the rest of that line
// is discarded.
class ConsoleDeFluxo : public Console {
  public:
    ConsoleDeFluxo(std::istream& entrada, std::ostream& saida, std::size_t largura = LARGURA_PADRAO)
        : entrada_(entrada), saida_(saida), largura_(largura) {}
    std::ostream& saida() override { return quebrar_ ? quebrada_ : saida_; }
    std::size_t largura() override { return largura_; }
    void quebra_linhas() override { quebrar_ = true; }

  protected:
    std::string le_linha() override;
    char le_tecla() override;
    std::istream& entrada_;
    std::ostream& saida_;

  private:
    std::size_t largura_;
    bool quebrar_ = false;
    QuebraDeLinhas quebra_{saida_.rdbuf(), [this] {
                               const std::size_t l = largura();
                               return (l < LARGURA_MINIMA ? LARGURA_MINIMA : l) - 1;
                           }};
    std::ostream quebrada_{&quebra_};
};

} // namespace quelmaro
