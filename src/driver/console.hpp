// The small console interface through which all input and output passes, so
// that whole games run in tests from a transcript. The real terminal is one
// implementation of it (terminal.hpp).
#pragma once

#include <istream>
#include <optional>
#include <ostream>
#include <string>

namespace quelmaro {

// Thrown to end the program at once with exit status 0: standard input has
// ended while the program needed input, or the player typed "quit".
struct FimDoPrograma {};

class Console {
  public:
    virtual ~Console() = default;
    // The next line, without its line end. Throws FimDoPrograma at end of input.
    virtual std::string linha() = 0;
    // One key. Throws FimDoPrograma at end of input.
    virtual char tecla() = 0;
    virtual std::ostream& saida() = 0;
    // Reads a line holding a whole number (blanks around it allowed);
    // nullopt when the line holds anything else.
    std::optional<int> numero();
};

// Console over streams. A key is the first non-blank character of the next
// line that has one; the rest of that line is discarded.
class ConsoleDeFluxo : public Console {
  public:
    ConsoleDeFluxo(std::istream& entrada, std::ostream& saida) : entrada_(entrada), saida_(saida) {}
    std::string linha() override;
    char tecla() override;
    std::ostream& saida() override { return saida_; }

  protected:
    std::istream& entrada_;
    std::ostream& saida_;
};

} // namespace quelmaro
