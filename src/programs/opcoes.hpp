// Command-line options of both programs: --help, --version,
// --explain FILE [--game N] [--lang en|pt], which prints the analysis of a
// position and ends, and --annotate FILE [--side white|black|both]
// [--lang en|pt], which writes a PGN file's games again with the program's
// words; without options the game starts as usual.
#pragma once

#include <optional>
#include <ostream>
#include <string_view>

#include "console/dialogo.hpp"
#include "io/arquivos.hpp"

namespace quelmaro {

// Returns the exit status when the options end the program before it plays
// (--help, --version, --explain: 0; an unknown option, a missing value or a
// file that cannot be loaded: 2), nullopt when it is to play.
// The engine build also takes --uci, which sets *uci when `uci` is given;
// the console game --san, --record FILE and --no-exit-key, which set the
// fields of *console when `console` is given.
// `motor` tells which program reads them: the engine build (true) or the
// console game.
std::optional<int> trata_opcoes(int argc, const char* const* argv, bool motor, Arquivos& arquivos,
                                std::ostream& saida, std::ostream& erro, bool* uci = nullptr,
                                OpcoesDoConsole* console = nullptr);

// The program's version, as --version prints it.
std::string_view versao();

} // namespace quelmaro
