#include "uci/palavras.hpp"

namespace quelmaro::uci {

std::vector<std::string_view> palavras(std::string_view linha) {
    constexpr std::string_view BRANCOS = " \t\r\n\v\f";
    std::vector<std::string_view> p;
    for (std::size_t i = linha.find_first_not_of(BRANCOS); i != std::string_view::npos;) {
        const std::size_t fim = linha.find_first_of(BRANCOS, i);
        p.push_back(linha.substr(i, fim == std::string_view::npos ? linha.size() - i : fim - i));
        i = fim == std::string_view::npos ? fim : linha.find_first_not_of(BRANCOS, fim);
    }
    return p;
}

} // namespace quelmaro::uci
