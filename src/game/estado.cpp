#include "game/estado.hpp"

#include "chess/tabuleiro_xadrez.hpp"

namespace quelmaro {
namespace {

using xadrez::branca;
using xadrez::da_cor;

// The rank on which a colour's pawns end: 8 for White, 1 for Black.
int ultima_fila(bool brancas) { return brancas ? 7 : 0; }

} // namespace

int en_passant_com_a_vez(const xadrez::Posicao& x, int s, bool brancas_a_mover) {
    if (s < 0) return -1;
    // The pawn of the colour that has just moved stands one step beyond it.
    const bool brancas_moveram = !brancas_a_mover;
    const int alem = brancas_moveram ? s + 8 : s - 8;
    if (alem < 0 || alem > 63 || x.pecas[alem] != da_cor('P', brancas_moveram)) return -1;
    return s;
}

Tabuleiro Estado::tabuleiro() const {
    Tabuleiro t;
    xadrez::para_tabuleiro(posicao_, maquina_tem_brancas(), t);
    return t;
}

Entrada Estado::entrada(const Tabuleiro& t) const {
    return {.tabuleiro = t,
            .lance_do_jogo = lance_do_jogo_,
            .numero_de_meu_movimento = numero_de_meu_movimento_,
            .contagem_empate = contagem_empate_,
            .numero_b_inimigo = numero_b_inimigo_,
            .de_posicao_montada = de_posicao_montada_};
}

void Estado::novo_jogo(bool jogador_tem_brancas) {
    posicao_ = xadrez::Posicao::inicial();
    jogador_tem_brancas_ = jogador_tem_brancas;
    direitos_de_roque_ = {};
    casa_passada_ = -1;
    lance_do_jogo_ = 0;
    lances_da_pessoa_ = 0;
    numero_de_meu_movimento_ = 0;
    numero_b_inimigo_ = 2;
    de_posicao_montada_ = false;
    acerta();
}

void Estado::poe_posicao(const xadrez::Posicao& x, bool jogador_tem_brancas,
                         const DireitosPorCor& direitos) {
    posicao_.pecas = x.pecas;
    posicao_.brancas_a_mover = x.brancas_a_mover;
    casa_passada_ = x.en_passant;
    jogador_tem_brancas_ = jogador_tem_brancas;
    direitos_de_roque_ = direitos;
    acerta();
}

void Estado::poe_contadores(int lance_do_jogo, int lances_da_pessoa, int numero_de_meu_movimento) {
    lance_do_jogo_ = lance_do_jogo;
    lances_da_pessoa_ = lances_da_pessoa;
    numero_de_meu_movimento_ = numero_de_meu_movimento;
    acerta_numero();
}

void Estado::anota_ultimo_lance(std::string_view coordenadas) {
    for (int i = 0; i < 4; ++i) ultimo_lance_[i] = coordenadas[i] == 'e' ? '&' : coordenadas[i];
}

void Estado::promove_peoes_da_maquina() {
    const bool brancas = maquina_tem_brancas();
    for (int coluna = 0; coluna < 8; ++coluna) {
        char& p = posicao_.pecas[xadrez::casa_de(coluna, ultima_fila(brancas))];
        if (p == da_cor('P', brancas)) p = da_cor('Q', brancas);
    }
    acerta();
}

void Estado::promove_peao_do_jogador(int casa, char letra) {
    const bool brancas = jogador_tem_brancas_;
    const bool peca_de_promocao = letra == 'Q' || letra == 'R' || letra == 'B' || letra == 'N';
    if (!peca_de_promocao || casa < 0 || casa > 63 ||
        xadrez::fila_de(casa) != ultima_fila(brancas) ||
        posicao_.pecas[casa] != da_cor('P', brancas))
        return;
    posicao_.pecas[casa] = da_cor(letra, brancas);
    acerta();
}

void Estado::move(int de, int para) {
    const char movida = posicao_.pecas[de];
    std::array<char, 64>& pecas = posicao_.pecas;
    // A pawn's diagonal step onto an empty square takes in passing: the pawn
    // that has just passed over `para` stands behind it, as the mover's
    // pawns go (down for White's).
    if (xadrez::tipo_da_peca(movida) == 'P' && pecas[para] == xadrez::VAZIA &&
        xadrez::coluna_de(de) != xadrez::coluna_de(para)) {
        const int atras = branca(movida) ? para - 8 : para + 8;
        if (atras >= 0 && atras < 64) pecas[atras] = xadrez::VAZIA;
    }
    // A king's step of two files from its home square is castling: its rook
    // goes first, to the square the king crosses.
    const xadrez::Roque* roque = nullptr;
    for (const xadrez::Roque& r : xadrez::ROQUES)
        if (movida == da_cor('K', r.brancas) && de == r.rei && para == r.destino_do_rei())
            roque = &r;
    if (roque) {
        pecas[roque->destino_da_torre()] = pecas[roque->torre];
        pecas[roque->torre] = xadrez::VAZIA;
    }
    // A king or rook that leaves its home square loses its castling; so does
    // a rook taken on its corner, since a rook that comes there later is
    // another one. The home squares are those of the chess castling table.
    const auto sai_de_casa = [&](char p, int s) {
        const bool brancas = branca(p);
        DireitosDeRoque& d = direitos_de_roque_[brancas ? BRANCAS : PRETAS];
        for (const xadrez::Roque& r : xadrez::ROQUES) {
            if (r.brancas != brancas) continue;
            if (xadrez::tipo_da_peca(p) == 'K' && s == r.rei) d.rei_saiu = true;
            if (xadrez::tipo_da_peca(p) == 'R' && s == r.torre)
                (r.lado() > 0 ? d.torre_h_saiu : d.torre_a_saiu) = true;
        }
    };
    sai_de_casa(movida, de);
    if (posicao_.pecas[para] != xadrez::VAZIA) sai_de_casa(posicao_.pecas[para], para);
    const bool passo_duplo =
        xadrez::tipo_da_peca(movida) == 'P' && (para - de == 16 || de - para == 16);
    casa_passada_ = passo_duplo ? (de + para) / 2 : -1;
    posicao_.pecas[para] = movida;
    posicao_.pecas[de] = xadrez::VAZIA;
    // The other colour than the one that moved is to move, also after a move
    // the GUI sends for the side that has just moved (a game already over).
    posicao_.brancas_a_mover = !branca(movida);
    if (roque) direitos_de_roque_[roque->brancas ? BRANCAS : PRETAS].ja_rocou = true;
    acerta();
}

void Estado::vira() {
    jogador_tem_brancas_ = !jogador_tem_brancas_;
    acerta_numero();
}

void Estado::acerta() {
    for (const xadrez::Roque& r : xadrez::ROQUES) {
        const DireitosDeRoque& d = direitos_de_roque_[r.brancas ? BRANCAS : PRETAS];
        posicao_.roques.*r.direito = !d.ja_rocou && !d.rei_saiu &&
                                     !(r.lado() > 0 ? d.torre_h_saiu : d.torre_a_saiu) &&
                                     posicao_.pecas[r.rei] == da_cor('K', r.brancas) &&
                                     posicao_.pecas[r.torre] == da_cor('R', r.brancas);
    }
    posicao_.en_passant = en_passant_com_a_vez(posicao_, casa_passada_, posicao_.brancas_a_mover);
    posicao_.meios_lances = 0;
    acerta_numero();
}

void Estado::acerta_numero() {
    // One more than Black's moves.
    posicao_.numero = 1 + (jogador_tem_brancas_ ? lance_do_jogo_ : lances_da_pessoa_);
}

} // namespace quelmaro
