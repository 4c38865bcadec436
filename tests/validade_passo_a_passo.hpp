// The movement test written out step by step on a row-and-column copy of the
// board, refilled at every call, as the rules are stated. The fast test of
// the board must agree with it everywhere, and the reference engine pass
// moves by it alone.
#pragma once

#include <algorithm>

#include "board/tabuleiro.hpp"

namespace quelmaro::teste {

class ValidadePassoAPasso {
  public:
    explicit ValidadePassoAPasso(const Tabuleiro& t) : t_(t) {}

    bool validade(int de, int para) {
        bool r = false;
        const int p = t_[de];
        const int codigos[] = {1, -1, 3, -3, 4, -4, 7, -7, 20, -20, 999, -999};
        for (int c : codigos) {
            if (p != c) continue;
            disposicao(de, para);
            switch (c < 0 ? -c : c) {
            case 1: r = t_[para] == 0 ? peaoanda(p) : peaocome(p); break;
            case 3: r = bispo(); break;
            case 4: r = cavalo(); break;
            case 7: r = torre(); break;
            case 20: r = bispo() || torre(); break;
            case 999: r = (dc() == 0 || dc() * dc() == 1) && (dr() == 0 || dr() * dr() == 1); break;
            }
        }
        if (t_[de] * t_[para] > 0) r = false;
        if (t_[de] == 0 || de == para) r = false;
        return r;
    }

  private:
    void disposicao(int de, int para) {
        lf = (de + 7) / 8;
        cf = de - 8 * lf + 8;
        lt = (para + 7) / 8;
        ct = para - 8 * lt + 8;
        for (int r = 1; r <= 8; ++r)
            for (int c = 1; c <= 8; ++c) q[r][c] = t_[8 * (r - 1) + c];
    }
    int dr() const { return lt - lf; }
    int dc() const { return ct - cf; }
    static bool entre(int k, int a, int b) { return (a < k && k < b) || (b < k && k < a); }
    bool peaoanda(int p) const {
        if (p == 1) {
            if (dc() == 0 && dr() == 1) return true;
            return dc() == 0 && lt == 4 && lf == 2 && q[3][cf] == 0 &&
                   q[4][std::min(cf + 1, 8)] != -1 && q[4][std::max(cf - 1, 1)] != -1;
        }
        if (dc() == 0 && dr() == -1) return true;
        return dc() == 0 && lt == 5 && lf == 7 && q[6][cf] == 0;
    }
    bool peaocome(int p) const { return dr() == p && (dc() == 1 || dc() == -1); }
    bool bispo() const {
        int s = lf + cf, d = lf - cf;
        bool anti = false, diag = false;
        for (int k = 1; k <= 8; ++k) {
            if (s - k >= 1 && s - k <= 8 && q[s - k][k] != 0 && entre(k, cf, ct)) anti = true;
            if (d + k >= 1 && d + k <= 8 && q[d + k][k] != 0 && entre(k, cf, ct)) diag = true;
        }
        return (lf + cf == lt + ct && !anti) || (cf - lf == ct - lt && !diag);
    }
    bool cavalo() const {
        return (dc() * dc() == 4 && dr() * dr() == 1) || (dc() * dc() == 1 && dr() * dr() == 4);
    }
    bool torre() const {
        bool linha_b = false, coluna_b = false;
        for (int k = 1; k <= 8; ++k) {
            if (q[lf][k] != 0 && entre(k, cf, ct)) linha_b = true;
            if (q[k][cf] != 0 && entre(k, lf, lt)) coluna_b = true;
        }
        return (cf == ct && !coluna_b) || (lf == lt && !linha_b);
    }

    const Tabuleiro& t_;
    int lf = 0, cf = 0, lt = 0, ct = 0;
    int q[9][9] = {};
};

} // namespace quelmaro::teste
