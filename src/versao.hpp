// The program's version, shown by --version; every front end that names the
// program takes it from here. Its one source is project(... VERSION) in
// CMakeLists.txt, which passes it to every file of the program as
// QUELMARO_VERSAO.
#pragma once

#include <string_view>

#ifndef QUELMARO_VERSAO
#error "QUELMARO_VERSAO is defined by the build (project version in CMakeLists.txt)"
#endif

namespace quelmaro {

inline constexpr std::string_view VERSAO = QUELMARO_VERSAO;

} // namespace quelmaro
