#include "driver/pgn.hpp"

#include <array>
#include <cctype>
#include <ctime>
#include <sstream>

#include "driver/notacao.hpp"

namespace quelmaro::pgn {
namespace {

const char* const INICIAL = "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1";

// A chess position on squares 0..63, a1 = 0, h8 = 63; pieces as FEN letters.
struct Posicao {
    std::array<char, 64> p{};
    bool brancas = true;
    bool roque[4] = {}; // K, Q, k, q
    int en_passant = -1;
    int numero = 1;
};

struct Movimento {
    int de, para;
    char promocao; // upper case, 0 when none
};

constexpr int fileira(int s) { return s % 8; }
constexpr int rank(int s) { return s / 8; }
bool branca(char c) { return std::isupper(static_cast<unsigned char>(c)) != 0; }
char tipo_de(char c) { return static_cast<char>(std::toupper(static_cast<unsigned char>(c))); }
bool minha(const Posicao& x, int s) { return x.p[s] != '.' && branca(x.p[s]) == x.brancas; }

bool le_fen(const std::string& texto, Posicao& x) {
    std::istringstream in(texto);
    std::string pecas, vez, roques, ep;
    if (!(in >> pecas >> vez >> roques >> ep)) return false;
    int r = 7, f = 0;
    x.p.fill('.');
    for (char c : pecas) {
        if (c == '/') {
            --r;
            f = 0;
        } else if (c >= '1' && c <= '8') {
            f += c - '0';
        } else {
            if (r < 0 || f > 7) return false;
            x.p[r * 8 + f++] = c;
        }
    }
    x.brancas = vez == "w";
    const char* letras = "KQkq";
    for (int i = 0; i < 4; ++i) x.roque[i] = roques.find(letras[i]) != std::string::npos;
    x.en_passant = ep.size() == 2 ? (ep[1] - '1') * 8 + (ep[0] - 'a') : -1;
    int meio = 0;
    in >> meio >> x.numero; // optional counters
    return true;
}

bool atacada(const Posicao& x, int alvo, bool por_brancas) {
    auto eh = [&](int s, char t) {
        return x.p[s] != '.' && branca(x.p[s]) == por_brancas && tipo_de(x.p[s]) == t;
    };
    const int r = rank(alvo), f = fileira(alvo);
    const int pr = por_brancas ? r - 1 : r + 1; // rank the attacking pawn stands on
    for (int df : {-1, 1})
        if (pr >= 0 && pr < 8 && f + df >= 0 && f + df < 8 && eh(pr * 8 + f + df, 'P')) return true;
    for (auto [dr, df] :
         {std::pair{1, 2}, {2, 1}, {-1, 2}, {-2, 1}, {1, -2}, {2, -1}, {-1, -2}, {-2, -1}})
        if (r + dr >= 0 && r + dr < 8 && f + df >= 0 && f + df < 8 &&
            eh((r + dr) * 8 + f + df, 'N'))
            return true;
    for (int dr = -1; dr <= 1; ++dr)
        for (int df = -1; df <= 1; ++df) {
            if (dr == 0 && df == 0) continue;
            const char deslizante = (dr != 0 && df != 0) ? 'B' : 'R';
            for (int k = 1;; ++k) {
                const int rr = r + k * dr, ff = f + k * df;
                if (rr < 0 || rr > 7 || ff < 0 || ff > 7) break;
                const int s = rr * 8 + ff;
                if (k == 1 && eh(s, 'K')) return true;
                if (x.p[s] == '.') continue;
                if (eh(s, deslizante) || eh(s, 'Q')) return true;
                break;
            }
        }
    return false;
}

int rei(const Posicao& x, bool brancas) {
    for (int s = 0; s < 64; ++s)
        if (x.p[s] == (brancas ? 'K' : 'k')) return s;
    return -1;
}

bool em_xeque(const Posicao& x) {
    const int k = rei(x, x.brancas);
    return k >= 0 && atacada(x, k, !x.brancas);
}

Posicao aplica(const Posicao& x, const Movimento& m) {
    Posicao y = x;
    const char peca = x.p[m.de];
    const char t = tipo_de(peca);
    y.p[m.de] = '.';
    y.p[m.para] =
        m.promocao ? (x.brancas ? m.promocao : static_cast<char>(std::tolower(m.promocao))) : peca;
    if (t == 'P' && m.para == x.en_passant) y.p[m.para + (x.brancas ? -8 : 8)] = '.';
    if (t == 'K' && (m.para - m.de == 2 || m.de - m.para == 2)) { // the rook crosses over
        const bool pequeno = m.para > m.de;
        const int torre = pequeno ? m.de + 3 : m.de - 4, destino = pequeno ? m.de + 1 : m.de - 1;
        y.p[destino] = y.p[torre];
        y.p[torre] = '.';
    }
    y.en_passant =
        (t == 'P' && (m.para - m.de == 16 || m.de - m.para == 16)) ? (m.de + m.para) / 2 : -1;
    for (int s : {m.de, m.para}) {
        if (s == 4 || s == 7) y.roque[0] = false;
        if (s == 4 || s == 0) y.roque[1] = false;
        if (s == 60 || s == 63) y.roque[2] = false;
        if (s == 60 || s == 56) y.roque[3] = false;
    }
    if (!x.brancas) ++y.numero;
    y.brancas = !x.brancas;
    return y;
}

std::vector<Movimento> legais(const Posicao& x) {
    std::vector<Movimento> v;
    auto tenta = [&](int de, int para, char promocao = 0) {
        Posicao y = aplica(x, {de, para, promocao});
        y.brancas = x.brancas;
        if (!em_xeque(y)) v.push_back({de, para, promocao});
    };
    for (int s = 0; s < 64; ++s) {
        if (!minha(x, s)) continue;
        const char t = tipo_de(x.p[s]);
        const int r = rank(s), f = fileira(s);
        auto livre_ou_inimiga = [&](int d) { return !minha(x, d); };
        if (t == 'P') {
            const int dir = x.brancas ? 1 : -1, ultima = x.brancas ? 7 : 0;
            auto anda = [&](int d) {
                if (rank(d) == ultima)
                    for (char pr : {'Q', 'R', 'B', 'N'}) tenta(s, d, pr);
                else
                    tenta(s, d);
            };
            const int um = s + 8 * dir;
            if (um < 0 || um > 63) continue;
            if (x.p[um] == '.') {
                anda(um);
                const int inicio = x.brancas ? 1 : 6;
                if (r == inicio && x.p[um + 8 * dir] == '.') tenta(s, um + 8 * dir);
            }
            for (int df : {-1, 1}) {
                if (f + df < 0 || f + df > 7) continue;
                const int d = um + df;
                if ((x.p[d] != '.' && !minha(x, d)) || d == x.en_passant) anda(d);
            }
        } else if (t == 'N' || t == 'K') {
            static constexpr std::pair<int, int> saltos[] = {{1, 2},  {2, 1},  {-1, 2},  {-2, 1},
                                                             {1, -2}, {2, -1}, {-1, -2}, {-2, -1}};
            static constexpr std::pair<int, int> passos[] = {{1, 0}, {-1, 0}, {0, 1},  {0, -1},
                                                             {1, 1}, {1, -1}, {-1, 1}, {-1, -1}};
            for (auto [dr, df] : (t == 'N' ? saltos : passos)) {
                const int rr = r + dr, ff = f + df;
                if (rr >= 0 && rr < 8 && ff >= 0 && ff < 8 && livre_ou_inimiga(rr * 8 + ff))
                    tenta(s, rr * 8 + ff);
            }
        } else {
            for (int dr = -1; dr <= 1; ++dr)
                for (int df = -1; df <= 1; ++df) {
                    if ((dr == 0 && df == 0) || (t == 'B' && (dr == 0 || df == 0)) ||
                        (t == 'R' && dr != 0 && df != 0))
                        continue;
                    for (int k = 1;; ++k) {
                        const int rr = r + k * dr, ff = f + k * df;
                        if (rr < 0 || rr > 7 || ff < 0 || ff > 7 || minha(x, rr * 8 + ff)) break;
                        tenta(s, rr * 8 + ff);
                        if (x.p[rr * 8 + ff] != '.') break;
                    }
                }
        }
    }
    // Castling: rights, empty squares between, and the king neither in check
    // nor crossing or landing on an attacked square.
    const int k = x.brancas ? 4 : 60;
    const int base = x.brancas ? 0 : 2;
    if (x.p[k] == (x.brancas ? 'K' : 'k') && !em_xeque(x)) {
        const char torre = x.brancas ? 'R' : 'r';
        if (x.roque[base] && x.p[k + 3] == torre && x.p[k + 1] == '.' && x.p[k + 2] == '.' &&
            !atacada(x, k + 1, !x.brancas) && !atacada(x, k + 2, !x.brancas))
            v.push_back({k, k + 2, 0});
        if (x.roque[base + 1] && x.p[k - 4] == torre && x.p[k - 1] == '.' && x.p[k - 2] == '.' &&
            x.p[k - 3] == '.' && !atacada(x, k - 1, !x.brancas) && !atacada(x, k - 2, !x.brancas))
            v.push_back({k, k - 2, 0});
    }
    return v;
}

std::string nome(int s) {
    return {static_cast<char>('a' + fileira(s)), static_cast<char>('1' + rank(s))};
}

std::string san(const Posicao& x, const Movimento& m, const std::vector<Movimento>& todos) {
    const char t = tipo_de(x.p[m.de]);
    std::string s;
    if (t == 'K' && (m.para - m.de == 2 || m.de - m.para == 2)) {
        s = m.para > m.de ? "O-O" : "O-O-O";
    } else {
        const bool captura = x.p[m.para] != '.' || (t == 'P' && m.para == x.en_passant);
        if (t == 'P') {
            if (captura) s += static_cast<char>('a' + fileira(m.de));
        } else {
            s += t;
            bool outra = false, mesma_fileira = false, mesmo_rank = false;
            for (const Movimento& o : todos) {
                if (o.para != m.para || o.de == m.de || tipo_de(x.p[o.de]) != t) continue;
                outra = true;
                mesma_fileira = mesma_fileira || fileira(o.de) == fileira(m.de);
                mesmo_rank = mesmo_rank || rank(o.de) == rank(m.de);
            }
            if (outra) {
                if (!mesma_fileira)
                    s += static_cast<char>('a' + fileira(m.de));
                else if (!mesmo_rank)
                    s += static_cast<char>('1' + rank(m.de));
                else
                    s += nome(m.de);
            }
        }
        if (captura) s += 'x';
        s += nome(m.para);
        if (m.promocao) s += std::string("=") + m.promocao;
    }
    const Posicao y = aplica(x, m);
    if (em_xeque(y)) s += legais(y).empty() ? "#" : "+";
    return s;
}

char letra_fen(int codigo) {
    switch (tipo(codigo)) {
    case PEAO: return 'P';
    case BISPO: return 'B';
    case CAVALO: return 'N';
    case TORRE: return 'R';
    case DAMA: return 'Q';
    default: return 'K';
    }
}

int quadrado(const std::string& c) {
    if (c.size() != 2 || c[0] < 'a' || c[0] > 'h' || c[1] < '1' || c[1] > '8') return -1;
    return (c[1] - '1') * 8 + (c[0] - 'a');
}

} // namespace

std::string fen(const Tabuleiro& t, char resposta, bool brancas_a_mover, Roques roques,
                int numero_do_lance) {
    const bool maquina_brancas = computador_tem_brancas(resposta);
    std::string s;
    for (int r = 8; r >= 1; --r) {
        int vazias = 0;
        for (char f = 'a'; f <= 'h'; ++f) {
            const int codigo = t[lparanumero(f, static_cast<char>('0' + r), resposta)];
            if (codigo == VAZIO) {
                ++vazias;
                continue;
            }
            if (vazias) s += static_cast<char>('0' + vazias);
            vazias = 0;
            const char letra = letra_fen(codigo);
            const bool peca_branca = (codigo > 0) == maquina_brancas;
            s += peca_branca ? letra : static_cast<char>(std::tolower(letra));
        }
        if (vazias) s += static_cast<char>('0' + vazias);
        if (r > 1) s += '/';
    }
    std::string direitos;
    if (roques.brancas_pequeno) direitos += 'K';
    if (roques.brancas_grande) direitos += 'Q';
    if (roques.pretas_pequeno) direitos += 'k';
    if (roques.pretas_grande) direitos += 'q';
    if (direitos.empty()) direitos = "-";
    return s + (brancas_a_mover ? " w " : " b ") + direitos + " - 0 " +
           std::to_string(numero_do_lance);
}

std::string escreve(const Partida& partida) {
    Posicao x;
    const std::string inicial = partida.fen_inicial.empty() ? INICIAL : partida.fen_inicial;
    le_fen(inicial, x);
    std::string lances, resultado = partida.resultado;
    std::size_t jogados = 0;
    for (const Lance& l : partida.lances) {
        const int de = quadrado(l.de), para = quadrado(l.para);
        const char promocao = l.promocao ? tipo_de(l.promocao) : 0;
        const std::vector<Movimento> todos = legais(x);
        const Movimento* achado = nullptr;
        for (const Movimento& m : todos)
            if (m.de == de && m.para == para && m.promocao == promocao) achado = &m;
        if (!achado) break;
        if (x.brancas)
            lances += std::to_string(x.numero) + ". ";
        else if (lances.empty())
            lances += std::to_string(x.numero) + "... ";
        lances += san(x, *achado, todos) + " ";
        x = aplica(x, *achado);
        ++jogados;
    }
    // A list cut short has no result; a game whose side to move has no move is over.
    if (jogados < partida.lances.size())
        resultado = "*";
    else if (legais(x).empty())
        resultado = !em_xeque(x) ? "1/2-1/2" : x.brancas ? "0-1" : "1-0";
    lances += resultado;

    std::ostringstream o;
    auto tag = [&](const char* nome, const std::string& valor) {
        o << '[' << nome << " \"" << valor << "\"]\n";
    };
    tag("Event", partida.evento);
    tag("Site", partida.local);
    tag("Date", partida.data.empty() ? "????.??.??" : partida.data);
    tag("Round", "-");
    tag("White", partida.brancas);
    tag("Black", partida.pretas);
    tag("Result", resultado);
    if (!partida.fen_inicial.empty()) {
        tag("SetUp", "1");
        tag("FEN", partida.fen_inicial);
    }
    o << '\n';
    // Move text wrapped before 80 columns.
    std::size_t coluna = 0;
    std::istringstream palavras(lances);
    for (std::string p; palavras >> p;) {
        if (coluna > 0 && coluna + 1 + p.size() > 79) {
            o << '\n';
            coluna = 0;
        } else if (coluna > 0) {
            o << ' ';
            ++coluna;
        }
        o << p;
        coluna += p.size();
    }
    o << "\n\n";
    return o.str();
}

std::string hoje() {
    const std::time_t agora = std::time(nullptr);
    std::tm local{};
    localtime_r(&agora, &local);
    char texto[16];
    std::strftime(texto, sizeof texto, "%Y.%m.%d", &local);
    return texto;
}

} // namespace quelmaro::pgn
