#include "uci/posicao_uci.hpp"

#include <algorithm>

namespace quelmaro::uci {

PedidoDePosicao le_posicao(const std::vector<std::string_view>& argumentos) {
    PedidoDePosicao p;
    auto w = std::find_if(argumentos.begin(), argumentos.end(),
                          [](std::string_view a) { return a == "startpos" || a == "fen"; });
    if (w == argumentos.end()) {
        p.erro = PedidoDePosicao::Erro::sem_inicio;
        return p;
    }
    const auto moves = std::find(w, argumentos.end(), "moves");
    if (*w == "startpos") {
        p.inicio = xadrez::Posicao::inicial();
    } else {
        std::string fen;
        for (auto f = w + 1; f != moves; ++f) (fen += fen.empty() ? "" : " ") += *f;
        const xadrez::LeituraFen leitura = xadrez::le_fen(fen);
        if (!leitura.ok()) {
            p.erro = PedidoDePosicao::Erro::fen;
            return p;
        }
        p.inicio = leitura.posicao;
    }
    p.atual = p.inicio;
    if (moves == argumentos.end()) return p;
    for (auto m = moves + 1; m != argumentos.end(); ++m) {
        const auto lance = xadrez::le_coordenadas(*m);
        if (!lance || !xadrez::legal(p.atual, *lance)) {
            p.lance_ilegal = std::string(*m);
            break;
        }
        xadrez::joga(p.atual, *lance);
        p.lances.push_back(*lance);
    }
    return p;
}

} // namespace quelmaro::uci
