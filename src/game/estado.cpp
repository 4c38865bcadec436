#include "game/estado.hpp"

#include <cstdlib>

#include "chess/tabuleiro_xadrez.hpp"

namespace quelmaro {

void Estado::novo_jogo(bool jogador_tem_brancas) {
    tabuleiro_.posicao_inicial(jogador_tem_brancas);
    jogador_tem_brancas_ = jogador_tem_brancas;
    vez_das_brancas_ = true;
    roque_ = {};
    casa_en_passant_ = 0;
    lance_do_jogo_ = 0;
    lances_da_pessoa_ = 0;
    numero_de_meu_movimento_ = 0;
    numero_b_inimigo_ = 2;
    de_posicao_montada_ = false;
}

void Estado::poe_posicao(const Tabuleiro& tabuleiro, bool jogador_tem_brancas, bool vez_das_brancas,
                         const Roques& roques, int casa_en_passant) {
    tabuleiro_ = tabuleiro;
    jogador_tem_brancas_ = jogador_tem_brancas;
    vez_das_brancas_ = vez_das_brancas;
    roque_ = roques;
    casa_en_passant_ = casa_en_passant;
}

void Estado::poe_contadores(int lance_do_jogo, int lances_da_pessoa, int numero_de_meu_movimento) {
    lance_do_jogo_ = lance_do_jogo;
    lances_da_pessoa_ = lances_da_pessoa;
    numero_de_meu_movimento_ = numero_de_meu_movimento;
}

void Estado::anota_ultimo_lance(std::string_view coordenadas) {
    for (int i = 0; i < 4; ++i) ultimo_lance_[i] = coordenadas[i] == 'e' ? '&' : coordenadas[i];
}

void Estado::move_en_passant(int de, int para) {
    // The computer's pawns move to higher squares, the player's to lower.
    tabuleiro_.poe(tabuleiro_[de] > 0 ? para - 8 : para + 8, VAZIO);
    move(de, para);
}

void Estado::promove_peoes_da_maquina() {
    for (int n = 64; n >= 57; --n)
        if (tabuleiro_[n] == PEAO) tabuleiro_.poe(n, DAMA);
}

void Estado::promove_peao_do_jogador(int casa, int codigo) {
    const bool peca = codigo == -DAMA || codigo == -TORRE || codigo == -BISPO || codigo == -CAVALO;
    if (peca && casa >= 1 && casa <= 8 && tabuleiro_[casa] == -PEAO) tabuleiro_.poe(casa, codigo);
}

void Estado::move(int de, int para) {
    const int peca = tabuleiro_[de];
    // A king or rook that leaves its home square loses its castling; so does
    // a rook taken on its corner, since a rook that comes there later is
    // another one. The home squares are those of the chess castling table.
    const auto sai_de_casa = [&](int codigo, int casa) {
        const bool brancas = (codigo < 0) == jogador_tem_brancas_;
        const int s = xadrez::casa_de_xadrez(casa, maquina_tem_brancas());
        DireitosDeRoque& d = roque_[brancas ? BRANCAS : PRETAS];
        for (const xadrez::Roque& r : xadrez::ROQUES) {
            if (r.brancas != brancas) continue;
            if (tipo(codigo) == REI && s == r.rei) d.rei_saiu = true;
            if (tipo(codigo) == TORRE && s == r.torre)
                (r.lado() > 0 ? d.torre_h_saiu : d.torre_a_saiu) = true;
        }
    };
    sai_de_casa(peca, de);
    if (tabuleiro_[para] != VAZIO) sai_de_casa(tabuleiro_[para], para);
    casa_en_passant_ = tipo(peca) == PEAO && std::abs(para - de) == 16 ? (de + para) / 2 : 0;
    tabuleiro_.poe(para, peca);
    tabuleiro_.poe(de, VAZIO);
    // The other colour than the one that moved is to move, also after a move
    // the GUI sends for the side that has just moved (a game already over).
    vez_das_brancas_ = (peca < 0) != jogador_tem_brancas_;
}

void Estado::roca(int rei_de, int rei_para, int torre_de, int torre_para) {
    tabuleiro_.poe(torre_para, tabuleiro_[torre_de]);
    tabuleiro_.poe(torre_de, VAZIO);
    move(rei_de, rei_para);
    roque_[vez_das_brancas_ ? PRETAS : BRANCAS].ja_rocou = true;
}

void Estado::vira() {
    for (int n = 1; n <= 32; ++n) {
        const int a = tabuleiro_[n], b = tabuleiro_[65 - n];
        tabuleiro_.poe(n, -b);
        tabuleiro_.poe(65 - n, -a);
    }
    jogador_tem_brancas_ = !jogador_tem_brancas_;
    if (casa_en_passant_) casa_en_passant_ = 65 - casa_en_passant_;
}

} // namespace quelmaro
