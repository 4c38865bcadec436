#include "game/regras_do_jogador.hpp"

#include "chess/lances.hpp"
#include "chess/tabuleiro_xadrez.hpp"
#include "game/notacao.hpp"

namespace quelmaro {
namespace {

RoqueDoJogador no_tabuleiro(const Estado& e, const xadrez::Roque& r) {
    const bool b = e.maquina_tem_brancas();
    return {xadrez::casa_do_tabuleiro(r.rei, b), xadrez::casa_do_tabuleiro(r.destino_do_rei(), b),
            xadrez::casa_do_tabuleiro(r.torre, b),
            xadrez::casa_do_tabuleiro(r.destino_da_torre(), b), r.lado() > 0};
}

// The player's move as a chess move; a pawn reaching the last row is tried
// as a queen (which piece it becomes changes nothing here).
xadrez::Movimento movimento_dele(const Estado& e, int de, int para) {
    const bool b = e.maquina_tem_brancas();
    const bool promove = e.tabuleiro()[de] == -PEAO && linha(para) == 1;
    return {xadrez::casa_de_xadrez(de, b), xadrez::casa_de_xadrez(para, b), promove ? 'Q' : '\0'};
}

} // namespace

RoqueDoJogador roque_do_jogador(const Estado& e, bool pequeno) {
    // ROQUES: White's king's side, White's queen's side, then Black's.
    return no_tabuleiro(e, xadrez::ROQUES[(e.jogador_tem_brancas() ? 0 : 2) + (pequeno ? 0 : 1)]);
}

std::optional<RoqueDoJogador> roque_do_lance(const Estado& e, int de, int para) {
    for (const xadrez::Roque& r : xadrez::ROQUES) {
        if (r.brancas != e.jogador_tem_brancas()) continue;
        const RoqueDoJogador j = no_tabuleiro(e, r);
        if (j.de == de && j.para == para) return j;
    }
    return std::nullopt;
}

bool roque_permitido(const Estado& e, int de, int para) {
    // The king's move of two files, not another piece's move between the same squares.
    if (!roque_do_lance(e, de, para) || e.tabuleiro()[de] != -REI) return false;
    return xadrez::legal(posicao_com_a_vez_do_jogador(e), movimento_dele(e, de, para));
}

bool expoe_rei_do_jogador(const Estado& e, int de, int para) {
    xadrez::Posicao x = posicao_com_a_vez_do_jogador(e);
    xadrez::joga(x, movimento_dele(e, de, para));
    x.brancas_a_mover = !x.brancas_a_mover;
    return xadrez::em_xeque(x);
}

bool captura_en_passant(const Estado& e, int de, int para) {
    const xadrez::Posicao x = posicao_com_a_vez_do_jogador(e);
    const xadrez::Movimento m = movimento_dele(e, de, para);
    return x.en_passant >= 0 && m.para == x.en_passant && e.tabuleiro()[de] == -PEAO &&
           xadrez::legal(x, m);
}

bool lance_permitido(const Estado& e, int de, int para) {
    const Tabuleiro& t = e.tabuleiro();
    if (captura_en_passant(e, de, para)) return true;
    return t[de] < 0 && t[para] >= 0 && t.validade(de, para) && !expoe_rei_do_jogador(e, de, para);
}

bool jogador_sem_lance(const Estado& e) {
    return xadrez::legais(posicao_com_a_vez_do_jogador(e)).size() == 0;
}

bool rei_dele_atacado(const Estado& e) { return xadrez::em_xeque(posicao_com_a_vez_do_jogador(e)); }

} // namespace quelmaro
