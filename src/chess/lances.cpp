#include "chess/lances.hpp"

#include <utility>

namespace quelmaro::xadrez {
namespace {

struct Passo {
    int coluna, fila;
};
constexpr Passo SALTOS[] = {{1, 2}, {2, 1}, {2, -1}, {1, -2}, {-1, -2}, {-2, -1}, {-2, 1}, {-1, 2}};
constexpr Passo RETOS[] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
constexpr Passo DIAGONAIS[] = {{1, 1}, {1, -1}, {-1, 1}, {-1, -1}};
constexpr Passo TODOS[] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}, {1, 1}, {1, -1}, {-1, 1}, {-1, -1}};

// How each piece but the pawn moves: its steps, repeated or not.
struct Andar {
    char tipo;
    const Passo* passos;
    int n;
    bool desliza;
};
constexpr Andar ANDARES[] = {
    {'N', SALTOS, 8, false}, {'B', DIAGONAIS, 4, true}, {'R', RETOS, 4, true},
    {'Q', TODOS, 8, true},   {'K', TODOS, 8, false},
};
constexpr char PROMOCOES[] = {'Q', 'R', 'B', 'N'};

// The square one step away, or -1 off the board.
int passo(int s, Passo p) {
    const int c = coluna_de(s) + p.coluna, f = fila_de(s) + p.fila;
    return c < 0 || c > 7 || f < 0 || f > 7 ? -1 : casa_de(c, f);
}
bool de_cor(char p, bool brancas) { return p != VAZIA && branca(p) == brancas; }

int rei(const Posicao& x, bool brancas) {
    for (int s = 0; s < 64; ++s)
        if (x.pecas[s] == da_cor('K', brancas)) return s;
    return -1;
}

// Does the move leave the own king, on `rei` before it (-1: none), safe? The
// pieces alone are moved (the pawn taken in passing, the rook of a
// castling); rights, counters and the side to move do not bear on it.
bool seguro(const Posicao& x, const Movimento& m, int rei) {
    Posicao y = x;
    const char p = y.pecas[m.de];
    const char t = tipo_da_peca(p);
    y.pecas[m.de] = VAZIA;
    y.pecas[m.para] = p;
    if (t == 'P' && m.para == x.en_passant) y.pecas[m.para + (x.brancas_a_mover ? -8 : 8)] = VAZIA;
    if (t == 'K')
        for (const Roque& r : ROQUES)
            if (m.de == r.rei && m.para == r.destino_do_rei()) {
                y.pecas[r.destino_da_torre()] = y.pecas[r.torre];
                y.pecas[r.torre] = VAZIA;
            }
    const int k = t == 'K' ? m.para : rei;
    return k < 0 || !atacada(y, k, !x.brancas_a_mover);
}

// The pawn's moves from `s`: one step to an empty square, two from its
// first rank, a capture (in passing too); on the last rank, each promotion.
template <class Poe>
void lances_do_peao(const Posicao& x, int s, Poe&& poe) {
    const bool b = x.brancas_a_mover;
    const int frente = b ? 1 : -1;
    auto anda = [&](int para) {
        if (fila_de(para) == (b ? 7 : 0))
            for (char pr : PROMOCOES) poe(s, para, pr);
        else
            poe(s, para);
    };
    const int um = passo(s, {0, frente});
    if (um < 0) return;
    if (x.pecas[um] == VAZIA) {
        anda(um);
        const int dois = passo(um, {0, frente});
        if (fila_de(s) == (b ? 1 : 6) && x.pecas[dois] == VAZIA) poe(s, dois);
    }
    for (int lado : {-1, 1}) {
        const int d = passo(s, {lado, frente});
        if (d >= 0 && (de_cor(x.pecas[d], !b) || d == x.en_passant)) anda(d);
    }
}

// Castling: the right, the squares between king and rook empty, and the
// king neither in check nor crossing or landing on an attacked square.
template <class Poe>
void lances_de_roque(const Posicao& x, int so_de, Poe&& poe) {
    const bool b = x.brancas_a_mover;
    for (const Roque& r : ROQUES) {
        if (r.brancas != b || (so_de >= 0 && so_de != r.rei) || !(x.roques.*r.direito) ||
            x.pecas[r.rei] != da_cor('K', b) || x.pecas[r.torre] != da_cor('R', b))
            continue;
        bool livre = true;
        for (int s = r.rei + r.lado(); s != r.torre; s += r.lado())
            livre = livre && x.pecas[s] == VAZIA;
        if (livre && !atacada(x, r.rei, !b) && !atacada(x, r.destino_da_torre(), !b) &&
            !atacada(x, r.destino_do_rei(), !b))
            poe(r.rei, r.destino_do_rei());
    }
}

// The moves of the pieces of the side to move by their movement rules and
// castling, those that leave the own king safe; with `so_de`, those of the
// piece on that square alone. (Only positions that cannot arise could have
// more moves than the list holds; the rest are left out.)
void gera(const Posicao& x, ListaDeLances& v, int so_de = -1) {
    const bool b = x.brancas_a_mover;
    const int meu_rei = rei(x, b);
    auto poe = [&](int de, int para, char promocao = 0) {
        const Movimento m{de, para, promocao};
        if (v.n < static_cast<int>(v.lances.size()) && seguro(x, m, meu_rei)) v.lances[v.n++] = m;
    };
    for (int s = so_de < 0 ? 0 : so_de; s < (so_de < 0 ? 64 : so_de + 1); ++s) {
        const char p = x.pecas[s];
        if (!de_cor(p, b)) continue;
        const char t = tipo_da_peca(p);
        if (t == 'P') {
            lances_do_peao(x, s, poe);
            continue;
        }
        for (const Andar& a : ANDARES) {
            if (a.tipo != t) continue;
            for (int i = 0; i < a.n; ++i)
                for (int d = passo(s, a.passos[i]); d >= 0; d = passo(d, a.passos[i])) {
                    if (de_cor(x.pecas[d], b)) break;
                    poe(s, d);
                    if (x.pecas[d] != VAZIA || !a.desliza) break;
                }
        }
    }
    lances_de_roque(x, so_de, poe);
}

} // namespace

bool ListaDeLances::contem(const Movimento& m) const {
    for (const Movimento& l : *this)
        if (l == m) return true;
    return false;
}

namespace {

// The squares around each square, worked out once: a knight's leaps, the
// king's steps, and along each of the eight lines (the four of rows and
// files first) the squares to the edge, nearest first.
struct Vizinhanca {
    struct Lista {
        std::array<signed char, 8> casas{};
        int n = 0;
    };
    std::array<Lista, 64> saltos{}, passos{};
    std::array<std::array<Lista, 8>, 64> linhas{};
    Vizinhanca() {
        for (int c = 0; c < 64; ++c) {
            for (const Passo& p : SALTOS)
                if (const int d = passo(c, p); d >= 0)
                    saltos[c].casas[saltos[c].n++] = static_cast<signed char>(d);
            for (int i = 0; i < 8; ++i) {
                const Passo& p = i < 4 ? RETOS[i] : DIAGONAIS[i - 4];
                if (const int d = passo(c, p); d >= 0)
                    passos[c].casas[passos[c].n++] = static_cast<signed char>(d);
                for (int d = passo(c, p); d >= 0; d = passo(d, p))
                    linhas[c][i].casas[linhas[c][i].n++] = static_cast<signed char>(d);
            }
        }
    }
};
const Vizinhanca VIZINHANCA;

} // namespace

bool atacada(const Posicao& x, int casa, bool por_brancas) {
    // A pawn attacks from one rank behind the square, seen from its side.
    for (int lado : {-1, 1}) {
        const int s = passo(casa, {lado, por_brancas ? -1 : 1});
        if (s >= 0 && x.pecas[s] == da_cor('P', por_brancas)) return true;
    }
    // A knight's leap and the king's step; then each line once, for the
    // first piece on it: a rook or queen along rows and files, a bishop or
    // queen along diagonals.
    const Vizinhanca& v = VIZINHANCA;
    const char cavalo = da_cor('N', por_brancas), rei = da_cor('K', por_brancas);
    for (int i = 0; i < v.saltos[casa].n; ++i)
        if (x.pecas[v.saltos[casa].casas[i]] == cavalo) return true;
    for (int i = 0; i < v.passos[casa].n; ++i)
        if (x.pecas[v.passos[casa].casas[i]] == rei) return true;
    const char dama = da_cor('Q', por_brancas), torre = da_cor('R', por_brancas),
               bispo = da_cor('B', por_brancas);
    for (int l = 0; l < 8; ++l) {
        const Vizinhanca::Lista& linha = v.linhas[casa][l];
        for (int i = 0; i < linha.n; ++i) {
            const char p = x.pecas[linha.casas[i]];
            if (p == VAZIA) continue;
            if (p == dama || p == (l < 4 ? torre : bispo)) return true;
            break;
        }
    }
    return false;
}

bool em_xeque(const Posicao& x) {
    const int k = rei(x, x.brancas_a_mover);
    return k >= 0 && atacada(x, k, !x.brancas_a_mover);
}

ListaDeLances legais(const Posicao& x) {
    ListaDeLances v;
    gera(x, v);
    return v;
}

bool legal(const Posicao& x, const Movimento& m) {
    if (m.de < 0 || m.de > 63) return false;
    ListaDeLances v;
    gera(x, v, m.de);
    return v.contem(m);
}

void joga(Posicao& x, const Movimento& m) {
    const char peca = x.pecas[m.de];
    const char t = tipo_da_peca(peca);
    const bool b = x.brancas_a_mover;
    const bool captura = x.pecas[m.para] != VAZIA;
    x.pecas[m.de] = VAZIA;
    x.pecas[m.para] = m.promocao ? da_cor(m.promocao, b) : peca;
    if (t == 'P' && m.para == x.en_passant) x.pecas[m.para + (b ? -8 : 8)] = VAZIA;
    for (const Roque& r : ROQUES) {
        if (t == 'K' && m.de == r.rei && m.para == r.destino_do_rei()) {
            x.pecas[r.destino_da_torre()] = x.pecas[r.torre];
            x.pecas[r.torre] = VAZIA;
        }
    }
    for (const Roque& r : ROQUES)
        if (m.de == r.rei || m.de == r.torre || m.para == r.rei || m.para == r.torre)
            x.roques.*r.direito = false;
    x.en_passant =
        t == 'P' && (m.para - m.de == 16 || m.de - m.para == 16) ? (m.de + m.para) / 2 : -1;
    x.meios_lances = t == 'P' || captura ? 0 : x.meios_lances + 1;
    if (!b) ++x.numero;
    x.brancas_a_mover = !b;
}

Fim fim(const Posicao& x) {
    if (legais(x).size() > 0) return Fim::nenhum;
    return em_xeque(x) ? Fim::mate : Fim::afogamento;
}

std::uint64_t perft(const Posicao& x, int profundidade) {
    if (profundidade <= 0) return 1;
    const ListaDeLances v = legais(x);
    if (profundidade == 1) return static_cast<std::uint64_t>(v.size());
    std::uint64_t total = 0;
    for (const Movimento& m : v) {
        Posicao y = x;
        joga(y, m);
        total += perft(y, profundidade - 1);
    }
    return total;
}

std::optional<Movimento> le_coordenadas(std::string_view texto) {
    if (texto.size() != 4 && texto.size() != 5) return std::nullopt;
    const auto de = le_casa(texto.substr(0, 2)), para = le_casa(texto.substr(2, 2));
    if (!de || !para) return std::nullopt;
    Movimento m{*de, *para, 0};
    if (texto.size() == 5) {
        const char c = texto[4];
        const char t = c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
        if (t != 'Q' && t != 'R' && t != 'B' && t != 'N') return std::nullopt;
        m.promocao = t;
    }
    return m;
}

std::string escreve_coordenadas(const Movimento& m) {
    std::string s = nome_da_casa(m.de) + nome_da_casa(m.para);
    if (m.promocao) s += static_cast<char>(m.promocao - 'A' + 'a');
    return s;
}

} // namespace quelmaro::xadrez
