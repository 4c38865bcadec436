#include "uci/info.hpp"

namespace quelmaro::uci {

std::string linha_info(const Pensamento& p) {
    return "info depth 1 score " +
           (p.mate ? std::string("mate 1") : "cp " + std::to_string(p.pontos)) + " nodes " +
           std::to_string(p.nos) + " pv " + p.lance;
}

std::string linha_razao(const std::string& razao) { return "info string " + razao; }

} // namespace quelmaro::uci
