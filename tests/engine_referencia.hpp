// The engine pass written out step by step, the slow way: every scan runs over
// all 64 squares with the movement test, material sums are added up square
// by square, every feature has its own Boolean table, every loop runs to its
// end and the cascade visits all 4096 pairs per rule. The fast engine must
// give the same tables, the same move and the same state after every pass.
#pragma once

#include "board/tabuleiro.hpp"
#include "engine/motor_de_regras.hpp"
#include "validade_passo_a_passo.hpp"

namespace quelmaro::teste {

// The board's own movement test; the step-by-step one (ValidadePassoAPasso)
// gives the same answers everywhere, as the board's tests check, only slower.
struct ValidadeDoTabuleiro {
    const Tabuleiro& t;
    bool validade(int de, int para) const { return t.validade(de, para); }
};

// `Validade` is the movement test the pass uses: the suite takes the board's
// own for time; the benchmark's comparison takes the step-by-step one, so
// that the whole pass is done as the rules are stated.
// The choice of one pass of the reference.
struct EscolhaDeReferencia {
    Desfecho desfecho = Desfecho::Afogamento;
    int de = 0, para = 0;
    int regra = 0;
    Abertura abertura = Abertura::nenhuma;
};

template <class Validade = ValidadeDoTabuleiro>
class PasseDeReferencia {
  public:
    explicit PasseDeReferencia(Tabuleiro& t) : t_(t) {}

    // The state carried between passes, as in the engine.
    int cc = 1, dd = 1;
    int numero_de_meu_movimento = 0;
    int contagem_empate = 0;
    int numero_b_inimigo = 2;
    int lance_do_jogo = 0;
    bool acabou = false;
    int regra = 0;
    Abertura abertura = Abertura::nenhuma;
    int posicao_do_rei_dele = 0;
    // Values of the last pass.
    int soma0l = 0;
    bool perigo_empate = false;
    bool zerar_contagem_empate = false, somar_contagem_empate = false;

    // One pass; with `sugestao`, no opening moves and no state written.
    EscolhaDeReferencia passe(bool sugestao = false) {
        // Clear the tables and the scratch copy.
        for (auto& tabela : tabelas_)
            for (auto& linha : tabela)
                for (bool& b : linha) b = false;
        // Board counts.
        int b_inimigo = numero_b_inimigo;
        for (int v = 1; v <= 64; ++v) {
            if (t_[v] == -999) posicao_do_rei_dele = v;
            if (t_[v] == -3) {
                b_inimigo = 1;
                for (int w = 1; w <= 64; ++w)
                    if (w != v && t_[w] == -3) b_inimigo = 2;
            }
        }
        if (!sugestao) numero_b_inimigo = b_inimigo;
        soma0l = soma();
        // Candidate loop.
        for (int i = 1; i <= 64; ++i) {
            if (t_[i] <= 0) continue;
            const int temporario1 = t_[i];
            for (int j = 1; j <= 64; ++j) {
                if (!(t_[j] <= 0 && validade(i, j))) continue;
                t_.poe(i, 0);
                const int temporario2 = t_[j];
                t_.poe(j, temporario1);
                const int soma1l = soma();
                analize1(i, j, soma1l, soma0l);
                if (temporario1 == 20 || temporario1 == 999) alinha_dama_rei(i, j);
                if (posicao_do_rei_dele != 0 && validade(j, posicao_do_rei_dele)) mate_ele2(i, j);
                segundo_lance(i, j, soma1l);
                t_.poe(j, temporario2);
                t_.poe(i, temporario1);
            }
        }
        // Opening moves, dropped when not a candidate or losing the king.
        int c = 0, d = 0;
        Abertura ab = Abertura::nenhuma;
        if (!sugestao) {
            if (numero_de_meu_movimento == 0) {
                numero_de_meu_movimento = 1;
                ab = Abertura::peao_do_rei;
                if (t_[4] == 999)
                    c = 12, d = 20;
                else
                    c = 13, d = 21;
            }
            if (numero_de_meu_movimento == 1 && c == 0 && d == 0) {
                numero_de_meu_movimento = 2;
                ab = Abertura::peao_do_cavalo;
                if (t_[4] == 999)
                    c = 15, d = 23;
                else if (t_[55] == -3)
                    c = 2, d = 17, ab = Abertura::cavalo_da_dama;
                else
                    c = 10, d = 18;
            }
            if (c != 0 &&
                !(t_[c] > 0 && t_[d] <= 0 && validade(c, d) && !tabela(jogada_perder)[c][d]))
                c = d = 0, ab = Abertura::nenhuma;
        }
        // Draw danger.
        perigo_empate = contagem_empate > 2 && soma() > 0;
        bool zerar = false, somar = false;
        int escolhida = 0;
        // The cascade: each rule visits all 4096 pairs; the last match wins.
        for (const Regra& r : regras()) {
            if (!(c == 0 || d == 0)) break;
            if (r.guarda_de_empate && perigo_empate) continue;
            for (int f = 1; f <= 64; ++f)
                for (int p = 1; p <= 64; ++p) {
                    if (!validade(f, p)) continue;
                    if (r.peca == Peca::peao ? t_[f] != 1 : t_[f] <= 0) continue;
                    if (t_[p] > 0) continue;
                    bool casa = true;
                    for (int b = 0; b < NUMERO_DE_MARCAS; ++b) {
                        const Marcas marca = Marcas{1} << b;
                        if ((r.verdadeiras & marca) && !tabelas_[b][f][p]) casa = false;
                        if ((r.falsas.marcas & marca) && tabelas_[b][f][p] &&
                            !((r.falsas.salvo_se_a_frente & marca) && soma0l > 0))
                            casa = false;
                    }
                    if (r.condicao == Condicao::dois_bispos_e_lance_6 &&
                        !(lance_do_jogo > 6 && b_inimigo == 2))
                        casa = false;
                    if (!casa) continue;
                    c = f, d = p, escolhida = r.numero;
                    if (r.bandeira == Bandeira::zerar) zerar = true;
                    if (r.bandeira == Bandeira::somar) somar = true;
                }
        }
        EscolhaDeReferencia e{Desfecho::Lance, c, d, escolhida, Abertura::nenhuma};
        if (escolhida == 0) e.abertura = ab;
        if (escolhida == REGRA_FIM_DE_JOGO || c == 0 || d == 0) {
            bool atacado = false;
            for (int a = 1; a <= 64; ++a)
                for (int b = 1; b <= 64; ++b)
                    if (t_[a] < 0 && t_[b] == 999 && validade(a, b)) atacado = true;
            e = {atacado ? Desfecho::Xequemate : Desfecho::Afogamento, 0, 0, REGRA_FIM_DE_JOGO,
                 Abertura::nenhuma};
        }
        zerar_contagem_empate = zerar;
        somar_contagem_empate = somar;
        if (!sugestao) {
            cc = e.de, dd = e.para, regra = e.regra, abertura = e.abertura;
            if (e.desfecho != Desfecho::Lance) acabou = true;
            if (zerar)
                contagem_empate = 0;
            else if (somar)
                contagem_empate = contagem_empate + 1;
        }
        return e;
    }

    // The tables of the last pass, as one mask per move.
    Marcas marcas(int i, int j) const {
        Marcas m = 0;
        for (int b = 0; b < NUMERO_DE_MARCAS; ++b)
            if (tabelas_[b][i][j]) m |= Marcas{1} << b;
        return m;
    }

  private:
    using Tabela = bool[65][65];
    bool validade(int de, int para) const { return validade_.validade(de, para); }
    Tabela& tabela(Marcas marca) { return tabelas_[std::countr_zero(marca)]; }

    int soma() const {
        int s = 0;
        for (int n = 1; n <= 64; ++n) s += t_[n];
        return s;
    }

    void analize1(int i, int j, int s1, int s0) {
        switch (s1 - s0) {
        case 1: tabela(jogada_pegap)[i][j] = true; break;
        case 3: tabela(jogada_pegab)[i][j] = true; break;
        case 4: tabela(jogada_pegac)[i][j] = true; break;
        case 7: tabela(jogada_pegat)[i][j] = true; break;
        case 20: tabela(jogada_pegad)[i][j] = true; break;
        default: break;
        }
    }

    bool protegida(int l, int limiar) const {
        if (t_[l] > limiar) return false;
        bool r = false;
        for (int v = 1; v <= 64; ++v)
            if (t_[v] > 0 && t_[v] != 999 && validade(v, l)) r = true;
        return r;
    }

    void analize2(int i, int j, int l, int s2, int s1) {
        const int d = s2 - s1;
        if (d == -1) {
            backuppeao = tabela(jogada_perdep)[i][j];
            tabela(jogada_perdep)[i][j] = true;
        }
        if (d == -3 && !protegida(l, -3)) tabela(jogada_perdeb)[i][j] = true;
        if (d == -4 && !protegida(l, -4)) tabela(jogada_perdec)[i][j] = true;
        if (d == -7 && !protegida(l, -7)) tabela(jogada_perdet)[i][j] = true;
        if (d == -20 && !protegida(l, -20)) tabela(jogada_perded)[i][j] = true;
        if (d == -999) tabela(jogada_perder)[i][j] = true;
        if (lance_do_jogo > 5)
            for (int v = 1; v <= 8; ++v) {
                if (t_[v] == -1) tabela(jogada_promove_humano)[i][j] = true;
                if (t_[65 - v] == 1) tabela(jogada_promove_maquina)[i][j] = true;
            }
    }

    void analize3(int i, int j, int l, int n, int s3, int s2) {
        if (n == l) return;
        switch (s3 - s2) {
        case 3: tabela(jogada_ameacab)[i][j] = true; break;
        case 4: tabela(jogada_ameacac)[i][j] = true; break;
        case 7: tabela(jogada_ameacat)[i][j] = true; break;
        case 20: tabela(jogada_ameacad)[i][j] = true; break;
        case 999: tabela(jogada_ameacar)[i][j] = true; break;
        default: break;
        }
    }

    void alinha_dama_rei(int i, int j) {
        int q = 0, r = 0;
        for (int v = 1; v <= 64; ++v) {
            if (t_[v] == 20) q = v;
            if (t_[v] == 999) r = v;
        }
        if (q == 0 || r == 0) return;
        t_.poe(q, -3);
        if (validade(q, r)) tabela(alinha)[i][j] = true;
        t_.poe(q, 20);
        t_.poe(q, -7);
        if (validade(q, r)) tabela(alinha)[i][j] = true;
        t_.poe(q, 20);
    }

    void segundo_lance(int i, int j, int s1) {
        backuppeao = false;
        for (int k = 1; k <= 64; ++k) {
            if (t_[k] >= 0) continue;
            const int temporario3 = t_[k];
            for (int l = 1; l <= 64; ++l) {
                if (!(t_[l] >= 0 && validade(k, l))) continue;
                t_.poe(k, 0);
                const int temporario4 = t_[l];
                t_.poe(l, temporario3);
                const int soma2l = soma();
                analize2(i, j, l, soma2l, s1);
                terceiro_lance(i, j, l, temporario4, soma2l);
                if (temporario4 != 999) { // a reply that took the king is not tested for check
                    int rei = 0;
                    for (int v = 1; v <= 64; ++v)
                        if (t_[v] == 999) rei = v;
                    if (rei != 0 && validade(l, rei)) {
                        mate(i, j);
                        tabela(expoem_a_xeque)[i][j] = true;
                    }
                }
                t_.poe(l, temporario4);
                t_.poe(k, temporario3);
            }
        }
    }

    void terceiro_lance(int i, int j, int l, int c4, int s2) {
        for (int m = 1; m <= 64; ++m) {
            if (t_[m] <= 0) continue;
            const int temporario5 = t_[m];
            for (int n = 1; n <= 64; ++n) {
                if (!(t_[n] <= 0 && validade(m, n))) continue;
                t_.poe(m, 0);
                const int temporario6 = t_[n];
                t_.poe(n, temporario5);
                analize3(i, j, l, n, soma(), s2);
                if (n == l && c4 == 1 && !backuppeao) tabela(jogada_perdep)[i][j] = false;
                t_.poe(n, temporario6);
                t_.poe(m, temporario5);
            }
        }
    }

    // Every move of side `lado` (1 computer, -1 player) leaves a king of that
    // side attackable.
    bool sem_fuga(int lado) {
        bool mate_flag = true;
        for (int m = 1; m <= 64; ++m)
            for (int n = 1; n <= 64; ++n) {
                if (!(t_[m] * lado > 0 && t_[n] * lado <= 0 && validade(m, n))) continue;
                bool xeque = false;
                const int movida = t_[m];
                t_.poe(m, 0);
                const int antiga = t_[n];
                t_.poe(n, movida);
                for (int a = 1; a <= 64; ++a)
                    for (int b = 1; b <= 64; ++b)
                        if (t_[a] * lado < 0 && t_[b] == 999 * lado && validade(a, b)) xeque = true;
                if (!xeque) mate_flag = false;
                t_.poe(n, antiga);
                t_.poe(m, movida);
            }
        return mate_flag;
    }

    void mate(int i, int j) {
        if (sem_fuga(1)) tabela(resposta_da_mate)[i][j] = true;
    }
    void mate_ele2(int i, int j) {
        if (sem_fuga(-1)) tabela(lance_da_mate)[i][j] = true;
    }

    Tabuleiro& t_;
    mutable Validade validade_{t_};
    bool tabelas_[NUMERO_DE_MARCAS][65][65] = {};
    bool backuppeao = false;
};

} // namespace quelmaro::teste
