// What each fuzzing target does with one input. The fuzzing programs call
// these, and so does the regression test of the normal suite, which replays
// every input that once found a fault. Each returns an empty string when the
// program behaved, else what went wrong (crashes and undefined behaviour are
// the sanitizers' to report).
#pragma once

#include <sstream>
#include <string>
#include <string_view>

#include "driver/jogo_salvo.hpp"

namespace quelmaro::alvos {

// The saved-game reader on any bytes: what it accepts is a sound game, and
// writing it gives the 738-byte line that reads back the same.
inline std::string jogo_salvo(std::string_view dados) {
    std::istringstream entrada{std::string(dados)};
    const auto jogo = le_jogo_salvo(entrada);
    if (!jogo) return {};
    std::ostringstream escrito;
    escreve_jogo_salvo(escrito, *jogo);
    if (escrito.str().size() != 738) return "written file is not 738 bytes: " + escrito.str();
    std::istringstream de_novo(escrito.str());
    const auto relido = le_jogo_salvo(de_novo);
    if (!relido) return "the written file does not load again: " + escrito.str();
    std::ostringstream reescrito;
    escreve_jogo_salvo(reescrito, *relido);
    if (reescrito.str() != escrito.str())
        return "saving after loading changed the file:\n" + escrito.str() + reescrito.str();
    return {};
}

} // namespace quelmaro::alvos
