#include "game/notacao.hpp"

#include "board/casas.hpp"
#include "chess/tabuleiro_xadrez.hpp"

namespace quelmaro {
namespace {

DireitosDeRoque direitos(bool pequeno, bool grande) {
    return {.rei_saiu = !pequeno && !grande, .torre_a_saiu = !grande, .torre_h_saiu = !pequeno};
}

} // namespace

int numero_da_casa(char letra, char digito, bool maquina_tem_brancas) {
    int col;
    if (letra >= 'a' && letra <= 'h')
        col = letra - 'a' + 1;
    else if (letra >= 'A' && letra <= 'H')
        col = letra - 'A' + 1;
    else
        return 0;
    if (digito < '1' || digito > '8') return 0;
    const int rank = digito - '0';
    if (maquina_tem_brancas) return casa(rank, 9 - col);
    return casa(9 - rank, col);
}

std::string texto_da_casa(int n, bool maquina_tem_brancas) {
    const int r = linha(n), c = coluna(n);
    if (maquina_tem_brancas) return {static_cast<char>('a' + 8 - c), static_cast<char>('0' + r)};
    return {static_cast<char>('a' + c - 1), static_cast<char>('0' + 9 - r)};
}

std::string coordenadas(int de, int para, bool maquina_tem_brancas) {
    return texto_da_casa(de, maquina_tem_brancas) + texto_da_casa(para, maquina_tem_brancas);
}

xadrez::Posicao posicao_com_a_vez_do_jogador(const Estado& e) {
    xadrez::Posicao x = e.posicao();
    x.brancas_a_mover = e.jogador_tem_brancas();
    x.en_passant = en_passant_com_a_vez(x, e.casa_passada(), x.brancas_a_mover);
    return x;
}

void poe_posicao(Estado& e, const xadrez::Posicao& x, bool maquina_tem_brancas) {
    const DireitosPorCor roques{direitos(x.roques.brancas_pequeno, x.roques.brancas_grande),
                                direitos(x.roques.pretas_pequeno, x.roques.pretas_grande)};
    e.poe_posicao(x, !maquina_tem_brancas, roques);
}

void comeca_de_posicao(Estado& e, const xadrez::Posicao& x, bool maquina_tem_brancas) {
    const int meus = lances_feitos(x, maquina_tem_brancas);
    const int dele = lances_feitos(x, !maquina_tem_brancas);
    const int abertura = inicio_de_partida(x) ? 0 : 2;
    poe_posicao(e, x, maquina_tem_brancas);
    e.recomeca_contagens();
    e.poe_contadores(meus, dele, abertura);
    e.poe_posicao_montada(!inicio_de_partida(x));
}

int lances_feitos(const xadrez::Posicao& x, bool brancas) {
    return x.numero - 1 + (brancas && !x.brancas_a_mover ? 1 : 0);
}

bool inicio_de_partida(const xadrez::Posicao& x) {
    const xadrez::Posicao inicial = xadrez::Posicao::inicial();
    return x.pecas == inicial.pecas && x.brancas_a_mover;
}

xadrez::Movimento movimento_da_maquina(const Estado& e, int de, int para) {
    const bool b = e.maquina_tem_brancas();
    xadrez::Movimento m{xadrez::casa_de_xadrez(de, b), xadrez::casa_de_xadrez(para, b), '\0'};
    const bool promove =
        e.posicao().pecas[m.de] == (b ? 'P' : 'p') && xadrez::fila_de(m.para) == (b ? 7 : 0);
    if (promove) m.promocao = 'Q';
    return m;
}

std::string fen_de_jogo_salvo(const Estado& e) {
    // Each side has made about half of the moves counted.
    xadrez::Posicao x = posicao_com_a_vez_do_jogador(e);
    x.numero = 1 + (e.lance_do_jogo() + e.lances_da_pessoa()) / 2;
    x.en_passant = -1;
    return xadrez::escreve_fen(x);
}

} // namespace quelmaro
