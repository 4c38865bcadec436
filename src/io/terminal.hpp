// The real terminal: standard input and output. When standard input is a
// terminal a key is one key press without Enter (raw mode on POSIX systems,
// always restored; the console's own input on Windows, where the console's
// lines are read as wide characters and given to the program in UTF-8); a
// blank key (Enter: '\n' on POSIX systems, '\r' on Windows; space, tab) is
// a key like any other, which Console::resposta passes over on both.
// Otherwise lines and keys are read as ConsoleDeFluxo reads them.
// The width is the COLUMNS variable's when it holds a number of columns,
// else the terminal's when standard output is one, else 80.
#pragma once

#include <charconv>
#include <cstring>
#include <optional>

#include "io/console.hpp"

namespace quelmaro {

// The columns the COLUMNS variable's value names: a whole number from 1 to
// 10000, else nullopt (unset, empty, or anything else).
inline std::optional<std::size_t> largura_de_columns(const char* valor) {
    if (!valor) return std::nullopt;
    std::size_t n = 0;
    const char* fim = valor + std::strlen(valor);
    const auto [p, erro] = std::from_chars(valor, fim, n);
    if (erro != std::errc() || p != fim || p == valor || n < 1 || n > 10000) return std::nullopt;
    return n;
}

class ConsoleDeTerminal : public ConsoleDeFluxo {
  public:
    ConsoleDeTerminal();
    std::size_t largura() override;

  protected:
    std::string le_linha() override;
    char le_tecla() override;

  private:
    bool terminal_;
};

} // namespace quelmaro
