#include "driver/pensamento.hpp"

#include "chess/lances.hpp"
#include "chess/tabuleiro_xadrez.hpp"
#include "driver/notacao.hpp"
#include "driver/posicao_inicial.hpp"
#include "driver/quelmaro.hpp"

namespace quelmaro {
namespace {

constexpr int CENTESIMOS = 100; // a pawn, code 1, is worth 100
constexpr int PONTOS_DE_MATE = 100001;

} // namespace

std::string razao(const Quelmaro2& motor) {
    std::string r;
    if (motor.regra != 0)
        r = std::string(texto(Mensagem::Regra, true)) + std::to_string(motor.regra) + ": ";
    return r + descricao(motor.regra, motor.abertura, true);
}

Pensamento pensa(const Quelmaro& jogo) {
    const Quelmaro2& m = jogo.motor;
    const bool brancas = computador_tem_brancas(jogo.resposta);
    Tabuleiro depois = jogo.tabuleiro;
    const bool promove = depois[m.cc] == PEAO && linha(m.dd) == 8;
    depois.poe(m.dd, promove ? DAMA : depois[m.cc]);
    depois.poe(m.cc, VAZIO);

    const xadrez::Movimento lance{xadrez::casa_de_xadrez(m.cc, brancas),
                                  xadrez::casa_de_xadrez(m.dd, brancas), promove ? 'Q' : '\0'};
    xadrez::Posicao x = jogo.posicao_atual();
    xadrez::joga(x, lance);

    Pensamento p;
    p.pontos = depois.soma() * CENTESIMOS;
    p.mate = xadrez::fim(x) == xadrez::Fim::mate;
    p.nos = m.posicoes_examinadas;
    p.lance = xadrez::escreve_coordenadas(lance);
    p.razao = razao(m);
    return p;
}

std::string linha_de_pensamento(const Pensamento& p) {
    return "1 " + std::to_string(p.mate ? PONTOS_DE_MATE : p.pontos) + " 0 " +
           std::to_string(p.nos) + ' ' + p.lance + " {" + p.razao + '}';
}

} // namespace quelmaro
