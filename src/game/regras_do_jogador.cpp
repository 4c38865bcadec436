#include "game/regras_do_jogador.hpp"

#include "chess/lances.hpp"
#include "chess/tabuleiro_xadrez.hpp"
#include "game/notacao.hpp"

namespace quelmaro {
namespace {

char peca_do_jogador(const Estado& e, char letra) {
    return xadrez::da_cor(letra, e.jogador_tem_brancas());
}

// The player's move as a chess move; a pawn reaching the last rank is tried
// as a queen (which piece it becomes changes nothing here).
xadrez::Movimento movimento_dele(const Estado& e, int de, int para) {
    const bool promove = e.posicao().pecas[de] == peca_do_jogador(e, 'P') &&
                         xadrez::fila_de(para) == (e.jogador_tem_brancas() ? 7 : 0);
    return {de, para, promove ? 'Q' : '\0'};
}

} // namespace

const xadrez::Roque& roque_do_jogador(const Estado& e, bool pequeno) {
    // ROQUES: White's king's side, White's queen's side, then Black's.
    return xadrez::ROQUES[(e.jogador_tem_brancas() ? 0 : 2) + (pequeno ? 0 : 1)];
}

const xadrez::Roque* roque_do_lance(const Estado& e, int de, int para) {
    for (const xadrez::Roque& r : xadrez::ROQUES)
        if (r.brancas == e.jogador_tem_brancas() && r.rei == de && r.destino_do_rei() == para)
            return &r;
    return nullptr;
}

bool roque_permitido(const Estado& e, int de, int para) {
    // The king's move of two files, not another piece's move between the same squares.
    if (!roque_do_lance(e, de, para) || e.posicao().pecas[de] != peca_do_jogador(e, 'K'))
        return false;
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
    return x.en_passant >= 0 && m.para == x.en_passant && x.pecas[de] == peca_do_jogador(e, 'P') &&
           xadrez::legal(x, m);
}

bool lance_permitido(const Estado& e, int de, int para) {
    if (captura_en_passant(e, de, para)) return true;
    // The piece's movement on the engine's board, seen from the computer's side.
    const Tabuleiro t = e.tabuleiro();
    const int de_t = xadrez::casa_do_tabuleiro(de, e.maquina_tem_brancas());
    const int para_t = xadrez::casa_do_tabuleiro(para, e.maquina_tem_brancas());
    return t[de_t] < 0 && t[para_t] >= 0 && t.validade(de_t, para_t) &&
           !expoe_rei_do_jogador(e, de, para);
}

bool jogador_sem_lance(const Estado& e) {
    return xadrez::legais(posicao_com_a_vez_do_jogador(e)).size() == 0;
}

bool rei_dele_atacado(const Estado& e) { return xadrez::em_xeque(posicao_com_a_vez_do_jogador(e)); }

} // namespace quelmaro
