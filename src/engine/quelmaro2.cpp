// The pass examines every candidate, every reply and every follow-up, but it
// does only the work that can change a table; what it skips provably cannot:
// - A follow-up matters only when it takes a player's bishop, knight, rook,
//   queen or king on a square other than the reply's (a threat), or lands on
//   the reply's square after the reply took a pawn (the recapture rule). So
//   no follow-up is played: one set of the squares the computer's pieces
//   attack after the reply answers both, and a threat already recorded is not
//   looked for again.
// - The recapture rule only ever clears the mark that the same reply made
//   (backuppeao keeps an earlier one), so the pawn-loss mark is exactly "some
//   reply takes a pawn that no computer piece, the king included, retakes".
// - A protection test is made only for the piece the reply took, and not at
//   all once that loss is recorded.
// - Attack sets are kept per piece; after a move a slider's set is computed
//   again only when the move emptied one of its squares or filled an empty
//   one, the only ways its lines can change. The player's moves are found the
//   same way from the sets at the start of the pass.
// - A mate probe stops at the first escape, and is not run once its mark is
//   set; the king's escapes are tried first.
// - A reply that takes the computer's king marks jogada_perder, which every
//   rule refuses; it is not tested for check.
#include "engine/quelmaro2.hpp"

#include <bit>

namespace quelmaro {
namespace {

constexpr Casas LINHA_1 = 0xFFull;       // squares 1..8, where the player's pawns promote
constexpr Casas LINHA_8 = 0xFFull << 56; // squares 57..64, where the computer's pawns promote

// The capture tables of the candidate, by the code it takes.
Marcas pega(int capturada) {
    switch (capturada) {
    case -PEAO: return jogada_pegap;
    case -BISPO: return jogada_pegab;
    case -CAVALO: return jogada_pegac;
    case -TORRE: return jogada_pegat;
    case -DAMA: return jogada_pegad;
    default: return 0;
    }
}

// The loss tables that need a protection test, by the computer code a reply takes.
Marcas perde(int capturada) {
    switch (capturada) {
    case BISPO: return jogada_perdeb;
    case CAVALO: return jogada_perdec;
    case TORRE: return jogada_perdet;
    case DAMA: return jogada_perded;
    default: return 0;
    }
}

// The threat tables: a follow-up could take a player's piece of this code.
struct Ameaca {
    int codigo;
    Marcas marca;
};
constexpr Ameaca AMEACAS[] = {{-BISPO, jogada_ameacab},
                              {-CAVALO, jogada_ameacac},
                              {-TORRE, jogada_ameacat},
                              {-DAMA, jogada_ameacad},
                              {-REI, jogada_ameacar}};
constexpr Marcas TODAS_AS_AMEACAS =
    jogada_ameacab | jogada_ameacac | jogada_ameacat | jogada_ameacad | jogada_ameacar;

bool eh_deslizante(int codigo) {
    return tipo(codigo) == BISPO || tipo(codigo) == TORRE || tipo(codigo) == DAMA;
}

} // namespace

void Quelmaro2::Alcances::anota(const Tabuleiro& t, Casas casas) {
    n = nd = 0;
    fixo = fixo_do_rei = 0;
    for (; casas; casas &= casas - 1) {
        const int c = menor_casa(casas);
        const Peca p{c, t.alcance(c), eh_deslizante(t[c]), tipo(t[c]) == REI, tipo(t[c]) == PEAO};
        lista[n++] = p;
        if (p.deslizante)
            deslizantes[nd++] = p;
        else
            (p.rei ? fixo_do_rei : fixo) |= p.alcance;
    }
}

namespace {

// Is some piece standing on `reis` attacked by a piece of the other side?
bool algum_atacado(const Tabuleiro& t, Casas reis) {
    for (; reis; reis &= reis - 1)
        if (t.atacantes(menor_casa(reis))) return true;
    return false;
}

// Does some move of a piece on `origens` leave no piece on a square holding
// `rei` attacked? The moves are tried on the board and taken back; the first
// one found ends the search.
bool alguma_fuga(Tabuleiro& t, Casas origens, int rei, int& examinadas) {
    for (; origens; origens &= origens - 1) {
        const int de = menor_casa(origens);
        for (Casas destinos = t.destinos(de); destinos; destinos &= destinos - 1) {
            LanceDeTeste fuga(t, de, menor_casa(destinos));
            ++examinadas;
            if (!algum_atacado(t, t.com_codigo(rei))) return true;
        }
    }
    return false;
}

} // namespace

Desfecho Quelmaro2::passe() {
    const Escolha e = analisa(Modo::Jogo);
    cc = e.de;
    dd = e.para;
    regra = e.regra;
    abertura = e.abertura;
    if (e.desfecho != Desfecho::Lance) acabou = true;
    if (zerar_contagem_empate)
        contagem_empate = 0;
    else if (somar_contagem_empate)
        ++contagem_empate;
    return e.desfecho;
}

Escolha Quelmaro2::sugestao() { return analisa(Modo::Sugestao); }

Marcas Quelmaro2::marcas(int de, int para) const {
    for (const Candidato& c : candidatos())
        if (c.de == de && c.para == para) return c.marcas;
    return 0;
}

Escolha Quelmaro2::analisa(Modo modo) {
    Tabuleiro& t = tabuleiro_;
    numero_de_candidatos_ = 0;
    posicoes_examinadas = 0;

    // Board counts: the player's king and bishops.
    if (const Casas rei = t.com_codigo(-REI)) posicao_do_rei_dele = maior_casa(rei);
    int b_inimigo = numero_b_inimigo;
    if (const int bispos = std::popcount(t.com_codigo(-BISPO))) b_inimigo = bispos == 1 ? 1 : 2;
    if (modo == Modo::Jogo) numero_b_inimigo = b_inimigo;
    soma0l = t.soma();
    jogador_.anota(t, t.pecas_do_jogador());

    // Every candidate move, in scan order, tried with its replies and follow-ups.
    for (Casas origens = t.pecas_da_maquina(); origens; origens &= origens - 1) {
        const int i = menor_casa(origens);
        for (Casas destinos = t.destinos(i); destinos; destinos &= destinos - 1) {
            Candidato& c = candidatos_[numero_de_candidatos_++];
            c = {i, menor_casa(destinos), t[i] == PEAO, 0};
            ++posicoes_examinadas;
            analisa_candidato(c);
        }
    }

    // The fixed opening moves; one that is no candidate or loses the king
    // (possible after loading a saved game) is dropped for the cascade.
    Escolha abertura_fixa{Desfecho::Lance, 0, 0, 0, Abertura::nenhuma};
    if (modo == Modo::Jogo) {
        if (numero_de_meu_movimento == 0) {
            numero_de_meu_movimento = 1;
            abertura_fixa.abertura = Abertura::peao_do_rei;
            if (t[4] == REI)
                abertura_fixa.de = 12, abertura_fixa.para = 20;
            else
                abertura_fixa.de = 13, abertura_fixa.para = 21;
        } else if (numero_de_meu_movimento == 1) {
            numero_de_meu_movimento = 2;
            abertura_fixa.abertura = Abertura::peao_do_cavalo;
            if (t[4] == REI)
                abertura_fixa.de = 15, abertura_fixa.para = 23;
            else if (t[55] == -BISPO)
                abertura_fixa.de = 2, abertura_fixa.para = 17,
                abertura_fixa.abertura = Abertura::cavalo_da_dama;
            else
                abertura_fixa.de = 10, abertura_fixa.para = 18;
        }
        if (abertura_fixa.de != 0 &&
            (!eh_candidato(abertura_fixa.de, abertura_fixa.para) ||
             (marcas(abertura_fixa.de, abertura_fixa.para) & jogada_perder)))
            abertura_fixa = {Desfecho::Lance, 0, 0, 0, Abertura::nenhuma};
    }

    perigo_empate = contagem_empate > 2 && t.soma() > 0;
    zerar_contagem_empate = false;
    somar_contagem_empate = false;
    if (abertura_fixa.de != 0) return abertura_fixa;

    const Decisao d = cascata(candidatos(), {soma0l, perigo_empate, lance_do_jogo, b_inimigo});
    if (d.regra != 0 && d.regra != REGRA_FIM_DE_JOGO) {
        const Regra& r = regras()[d.regra - 1];
        zerar_contagem_empate = r.bandeira == Bandeira::zerar;
        somar_contagem_empate = r.bandeira == Bandeira::somar;
        const Candidato& c = candidatos_[d.candidato];
        return {Desfecho::Lance, c.de, c.para, d.regra, Abertura::nenhuma};
    }
    // No move to play: mate when the computer's king is attacked now.
    const Desfecho fim = rei_da_maquina_atacado() ? Desfecho::Xequemate : Desfecho::Afogamento;
    return {fim, 0, 0, REGRA_FIM_DE_JOGO, Abertura::nenhuma};
}

bool Quelmaro2::eh_candidato(int de, int para) const {
    const Tabuleiro& t = tabuleiro_;
    return t[de] > 0 && t[para] <= 0 && t.validade(de, para);
}

bool Quelmaro2::rei_da_maquina_atacado() const {
    return algum_atacado(tabuleiro_, tabuleiro_.com_codigo(REI));
}

void Quelmaro2::analisa_candidato(Candidato& c) {
    Tabuleiro& t = tabuleiro_;
    LanceDeTeste candidato(t, c.de, c.para);
    Marcas& m = c.marcas;
    m |= pega(candidato.capturada());
    if (candidato.movida() == DAMA || candidato.movida() == REI) alinha_dama_rei(m);
    if (posicao_do_rei_dele != 0 && t.validade(c.para, posicao_do_rei_dele) && mate_ele2())
        m |= mataele2;
    // The squares whose occupancy the candidate changed.
    segundo_lance(m, c.para, bit(c.de) | (candidato.capturada() == VAZIO ? bit(c.para) : 0));
}

void Quelmaro2::alinha_dama_rei(Marcas& m) {
    Tabuleiro& t = tabuleiro_;
    const Casas damas = t.com_codigo(DAMA), reis = t.com_codigo(REI);
    if (damas == 0 || reis == 0) return;
    const int q = maior_casa(damas), r = maior_casa(reis);
    // A player's bishop, then rook, on the queen's square: could it reach the king?
    t.poe(q, -BISPO);
    const bool diagonal = t.validade(q, r);
    t.poe(q, -TORRE);
    const bool reta = t.validade(q, r);
    t.poe(q, DAMA);
    if (diagonal || reta) m |= alinha;
}

// The player's replies to the candidate on the board, and what each allows.
// `j` is the candidate's target square and `mudou` the squares whose
// occupancy it changed since the start of the pass.
void Quelmaro2::segundo_lance(Marcas& m, int j, Casas mudou) {
    Tabuleiro& t = tabuleiro_;
    Alcances& maquina = maquina_;
    maquina.anota(t, t.pecas_da_maquina());
    for (int p = 0; p < jogador_.n; ++p) {
        const Alcances::Peca& peca = jogador_.lista[p];
        const int k = peca.casa;
        if (k == j) continue; // taken by the candidate
        const Casas destinos =
            peca.peao ? t.destinos(k) : jogador_.atual(t, peca, mudou) & ~t.pecas_do_jogador();
        for (Casas d = destinos; d; d &= d - 1) {
            const int l = menor_casa(d);
            LanceDeTeste resposta(t, k, l);
            ++posicoes_examinadas;
            const int tomada = resposta.capturada();
            const Marcas perda = perde(tomada);
            const bool ve_peao = tomada == PEAO && !(m & jogada_perdep);
            const bool ve_perda = perda != 0 && !(m & perda);
            const bool ve_ameacas = (m & TODAS_AS_AMEACAS) != TODAS_AS_AMEACAS;

            // What the computer's pieces attack now, apart from its king and
            // by its king; a piece taken by the reply attacks nothing.
            Casas alcance = 0, alcance_do_rei = 0;
            if (ve_peao || ve_perda || ve_ameacas) {
                alcance = maquina.fixo;
                alcance_do_rei = maquina.fixo_do_rei;
                if (tomada != VAZIO && !eh_deslizante(tomada)) {
                    // A pawn, knight or king was taken: gather the others again.
                    alcance = alcance_do_rei = 0;
                    for (int a = 0; a < maquina.n; ++a) {
                        const Alcances::Peca& x = maquina.lista[a];
                        if (!x.deslizante && x.casa != l)
                            (x.rei ? alcance_do_rei : alcance) |= x.alcance;
                    }
                }
                const Casas mudou_aqui = bit(k) | (tomada == VAZIO ? bit(l) : 0);
                for (int a = 0; a < maquina.nd; ++a) {
                    const Alcances::Peca& x = maquina.deslizantes[a];
                    if (x.casa != l) alcance |= maquina.atual(t, x, mudou_aqui);
                }
            }

            // What the reply wins. A pawn is lost unless some computer piece,
            // the king included, retakes on l; a bishop, knight, rook or queen
            // unless the capturer is worth at least as much and a computer
            // piece other than the king retakes.
            if (ve_peao && !contem(alcance | alcance_do_rei, l)) m |= jogada_perdep;
            if (ve_perda && !(resposta.movida() <= -tomada && contem(alcance, l))) m |= perda;
            if (tomada == REI) m |= jogada_perder;
            if (lance_do_jogo > 5) {
                if (t.com_codigo(-PEAO) & LINHA_1) m |= jogada_promove_humano;
                if (t.com_codigo(PEAO) & LINHA_8) m |= jogada_promove_maquina;
            }

            // What a follow-up could take, on any square but l.
            if (ve_ameacas) {
                const Casas atacadas = (alcance | alcance_do_rei) & ~bit(l);
#pragma GCC unroll 5
                for (const Ameaca& a : AMEACAS)
                    if (t.com_codigo(a.codigo) & atacadas) m |= a.marca;
            }

            // Does the replying piece check the computer's king, and mate it?
            const Casas reis = t.com_codigo(REI);
            if (tomada != REI && reis != 0 && t.validade(l, maior_casa(reis))) {
                if (!(m & exequemate) && mate()) m |= exequemate;
                m |= expoem_a_xeque;
            }
        }
    }
}

// After the candidate and a checking reply: does every follow-up leave the
// computer's king attackable? The king's moves are tried first.
bool Quelmaro2::mate() {
    Tabuleiro& t = tabuleiro_;
    const Casas reis = t.com_codigo(REI);
    return !alguma_fuga(t, reis, REI, posicoes_examinadas) &&
           !alguma_fuga(t, t.pecas_da_maquina() & ~reis, REI, posicoes_examinadas);
}

// After a candidate that attacks the player's king: does every reply leave
// the player's king attackable?
bool Quelmaro2::mate_ele2() {
    Tabuleiro& t = tabuleiro_;
    const Casas reis = t.com_codigo(-REI);
    return !alguma_fuga(t, reis, -REI, posicoes_examinadas) &&
           !alguma_fuga(t, t.pecas_do_jogador() & ~reis, -REI, posicoes_examinadas);
}

} // namespace quelmaro
