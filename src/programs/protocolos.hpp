// The engine build's two protocols: UCI when the first command is "uci" (or
// when asked for), else XBoard, which gets that first line as its own.
#pragma once

#include "io/arquivos.hpp"
#include "io/console.hpp"

namespace quelmaro {

// Runs the engine build on the console to its end; returns the exit status.
int executa_motor(Console& console, Arquivos& arquivos, bool uci);

} // namespace quelmaro
