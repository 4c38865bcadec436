#include "game/notacao.hpp"

#include "board/casas.hpp"
#include "chess/tabuleiro_xadrez.hpp"

namespace quelmaro {
namespace {

// The rights of one colour: a right stands while neither its king nor its
// rook has left home and the colour has not castled, with both at home.
xadrez::Roques roques(const Estado& e) {
    const Tabuleiro& t = e.tabuleiro();
    xadrez::Roques x;
    for (const xadrez::Roque& r : xadrez::ROQUES) {
        const DireitosDeRoque& d = e.roques()[r.brancas ? BRANCAS : PRETAS];
        const int lado = r.brancas == e.jogador_tem_brancas() ? -1 : 1;
        const auto em = [&](int s) {
            return t[xadrez::casa_do_tabuleiro(s, e.maquina_tem_brancas())];
        };
        x.*r.direito = !d.ja_rocou && !d.rei_saiu &&
                       !(r.lado() > 0 ? d.torre_h_saiu : d.torre_a_saiu) &&
                       em(r.rei) == lado * REI && em(r.torre) == lado * TORRE;
    }
    return x;
}

// The passed square as a chess square when a pawn of the colour that has
// just moved stands behind it, the colour to move being `brancas_a_mover`;
// else -1.
int en_passant(const Estado& e, bool brancas_a_mover) {
    const int s = e.casa_en_passant();
    if (s == 0) return -1;
    // The computer's pawns move to higher squares, the player's to lower.
    const bool maquina_move = brancas_a_mover == e.maquina_tem_brancas();
    const int atras = maquina_move ? s - 8 : s + 8;
    if (!casa_valida(atras) || e.tabuleiro()[atras] != (maquina_move ? -PEAO : PEAO)) return -1;
    return xadrez::casa_de_xadrez(s, e.maquina_tem_brancas());
}

xadrez::Posicao posicao(const Estado& e, bool brancas_a_mover, int numero) {
    return xadrez::do_tabuleiro(e.tabuleiro(), e.maquina_tem_brancas(), brancas_a_mover, roques(e),
                                en_passant(e, brancas_a_mover), 0, numero);
}

// The move number from Black's moves.
int numero_do_lance(const Estado& e) {
    return 1 + (e.maquina_tem_brancas() ? e.lances_da_pessoa() : e.lance_do_jogo());
}

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

xadrez::Roques roques_de_xadrez(const Estado& estado) { return roques(estado); }

xadrez::Posicao posicao_de_xadrez(const Estado& e) {
    return posicao(e, e.vez_das_brancas(), numero_do_lance(e));
}

xadrez::Posicao posicao_com_a_vez_do_jogador(const Estado& e) {
    return posicao(e, e.jogador_tem_brancas(), numero_do_lance(e));
}

void poe_posicao(Estado& e, const xadrez::Posicao& x, bool maquina_tem_brancas) {
    // Everything from the chess side first, then the state in one step.
    Tabuleiro t;
    xadrez::para_tabuleiro(x, maquina_tem_brancas, t);
    const int en_passant =
        x.en_passant < 0 ? 0 : xadrez::casa_do_tabuleiro(x.en_passant, maquina_tem_brancas);
    const Roques roques{direitos(x.roques.brancas_pequeno, x.roques.brancas_grande),
                        direitos(x.roques.pretas_pequeno, x.roques.pretas_grande)};
    e.poe_posicao(t, !maquina_tem_brancas, x.brancas_a_mover, roques, en_passant);
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
    const bool promove = e.tabuleiro()[de] == PEAO && linha(para) == 8;
    return {xadrez::casa_de_xadrez(de, e.maquina_tem_brancas()),
            xadrez::casa_de_xadrez(para, e.maquina_tem_brancas()), promove ? 'Q' : '\0'};
}

std::string fen_de_jogo_salvo(const Estado& e) {
    // Each side has made about half of the moves counted.
    xadrez::Posicao x =
        posicao(e, e.jogador_tem_brancas(), 1 + (e.lance_do_jogo() + e.lances_da_pessoa()) / 2);
    x.en_passant = -1;
    return xadrez::escreve_fen(x);
}

} // namespace quelmaro
