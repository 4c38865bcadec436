#include "chess/lances.hpp"

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
char da_cor(char tipo, bool brancas) {
    return brancas ? tipo : static_cast<char>(tipo - 'A' + 'a');
}

int rei(const Posicao& x, bool brancas) {
    for (int s = 0; s < 64; ++s)
        if (x.pecas[s] == da_cor('K', brancas)) return s;
    return -1;
}

// Does the move leave the own king safe?
bool seguro(const Posicao& x, const Movimento& m) {
    Posicao y = x;
    joga(y, m);
    y.brancas_a_mover = x.brancas_a_mover;
    return !em_xeque(y);
}

// The moves of the pieces of the side to move by their movement rules and
// castling, those that leave the own king safe. (Only positions that cannot
// arise could have more moves than the list holds; the rest are left out.)
void gera(const Posicao& x, ListaDeLances& v) {
    const bool b = x.brancas_a_mover;
    auto poe = [&](int de, int para, char promocao = 0) {
        const Movimento m{de, para, promocao};
        if (v.n < static_cast<int>(v.lances.size()) && seguro(x, m)) v.lances[v.n++] = m;
    };
    for (int s = 0; s < 64; ++s) {
        const char p = x.pecas[s];
        if (!de_cor(p, b)) continue;
        const char t = tipo_da_peca(p);
        if (t == 'P') {
            const int frente = b ? 1 : -1;
            auto anda = [&](int para) {
                if (fila_de(para) == (b ? 7 : 0))
                    for (char pr : PROMOCOES) poe(s, para, pr);
                else
                    poe(s, para);
            };
            const int um = passo(s, {0, frente});
            if (um < 0) continue;
            if (x.pecas[um] == VAZIA) {
                anda(um);
                const int dois = passo(um, {0, frente});
                if (fila_de(s) == (b ? 1 : 6) && x.pecas[dois] == VAZIA) poe(s, dois);
            }
            for (int lado : {-1, 1}) {
                const int d = passo(s, {lado, frente});
                if (d >= 0 && (de_cor(x.pecas[d], !b) || d == x.en_passant)) anda(d);
            }
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
    // Castling: the right, the squares between king and rook empty, and the
    // king neither in check nor crossing or landing on an attacked square.
    for (const Roque& r : ROQUES) {
        if (r.brancas != b || !(x.roques.*r.direito) || x.pecas[r.rei] != da_cor('K', b) ||
            x.pecas[r.torre] != da_cor('R', b))
            continue;
        bool livre = true;
        for (int s = r.rei + r.lado(); s != r.torre; s += r.lado())
            livre = livre && x.pecas[s] == VAZIA;
        if (livre && !atacada(x, r.rei, !b) && !atacada(x, r.destino_da_torre(), !b) &&
            !atacada(x, r.destino_do_rei(), !b))
            poe(r.rei, r.destino_do_rei());
    }
}

} // namespace

bool ListaDeLances::contem(const Movimento& m) const {
    for (const Movimento& l : *this)
        if (l == m) return true;
    return false;
}

bool atacada(const Posicao& x, int casa, bool por_brancas) {
    // A pawn attacks from one rank behind the square, seen from its side.
    for (int lado : {-1, 1}) {
        const int s = passo(casa, {lado, por_brancas ? -1 : 1});
        if (s >= 0 && x.pecas[s] == da_cor('P', por_brancas)) return true;
    }
    for (const Andar& a : ANDARES)
        for (int i = 0; i < a.n; ++i)
            for (int s = passo(casa, a.passos[i]); s >= 0; s = passo(s, a.passos[i])) {
                const char p = x.pecas[s];
                if (p != VAZIA) {
                    if (p == da_cor(a.tipo, por_brancas)) return true;
                    break;
                }
                if (!a.desliza) break;
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

bool legal(const Posicao& x, const Movimento& m) { return legais(x).contem(m); }

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
