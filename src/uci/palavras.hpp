// A UCI line split into its words (blanks and tabs between them).
#pragma once

#include <string_view>
#include <vector>

namespace quelmaro::uci {

std::vector<std::string_view> palavras(std::string_view linha);

} // namespace quelmaro::uci
