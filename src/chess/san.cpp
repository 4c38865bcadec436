#include "chess/san.hpp"

#include <optional>

namespace quelmaro::xadrez {
namespace {

constexpr char TIPOS[] = {'K', 'Q', 'R', 'B', 'N'};

char letra_de(const Letras& l, char tipo) {
    switch (tipo) {
    case 'K': return l.rei;
    case 'Q': return l.dama;
    case 'R': return l.torre;
    case 'B': return l.bispo;
    default: return l.cavalo;
    }
}

// The piece a letter names: first in `letras`, then in the other language
// when `letras` does not use the letter; 0 when none.
char tipo_da_letra(const Letras& letras, char c) {
    for (char t : TIPOS)
        if (letra_de(letras, t) == c) return t;
    const Letras& outra = letras.torre == INGLES.torre ? PORTUGUES : INGLES;
    for (char t : TIPOS)
        if (letra_de(outra, t) == c) return t;
    return 0;
}

bool roque(const Posicao& x, const Movimento& m) {
    return tipo_da_peca(x.pecas[m.de]) == 'K' && (m.para - m.de == 2 || m.de - m.para == 2);
}

// What a move's text names, but for castling: the piece, the file and rank
// it starts from when given (-1: any), the square and the promotion (0: none).
struct PartesDoSan {
    char tipo = 'P', promocao = 0;
    int coluna = -1, fila = -1, para = -1;
};

// [piece] [file] [rank] [x | :] square [[=] promotion]; nullopt when the
// text is not of that form.
std::optional<PartesDoSan> partes_do_san(std::string_view w, const Letras& letras) {
    PartesDoSan p;
    if (!w.empty() && w.back() >= 'A' && w.back() <= 'Z') {
        p.promocao = tipo_da_letra(letras, w.back());
        if (p.promocao == 0 || p.promocao == 'K') return std::nullopt;
        w.remove_suffix(1);
        if (!w.empty() && w.back() == '=') w.remove_suffix(1);
    }
    if (w.size() < 2) return std::nullopt;
    const auto para = le_casa(w.substr(w.size() - 2));
    if (!para) return std::nullopt;
    p.para = *para;
    w.remove_suffix(2);
    if (!w.empty() && w[0] >= 'A' && w[0] <= 'Z') {
        p.tipo = tipo_da_letra(letras, w[0]);
        if (p.tipo == 0) return std::nullopt;
        w.remove_prefix(1);
    }
    if (!w.empty() && (w.back() == 'x' || w.back() == ':')) w.remove_suffix(1);
    if (!w.empty() && w[0] >= 'a' && w[0] <= 'h') {
        p.coluna = w[0] - 'a';
        w.remove_prefix(1);
    }
    if (!w.empty() && w[0] >= '1' && w[0] <= '8') {
        p.fila = w[0] - '1';
        w.remove_prefix(1);
    }
    if (!w.empty() || (p.promocao && p.tipo != 'P')) return std::nullopt;
    // A pawn named without its file moves along the file of the square.
    if (p.tipo == 'P' && p.coluna < 0) p.coluna = coluna_de(p.para);
    return p;
}

} // namespace

std::string escreve_san(const Posicao& x, const Movimento& m, const Letras& letras) {
    const char t = tipo_da_peca(x.pecas[m.de]);
    std::string s;
    if (roque(x, m)) {
        s = m.para > m.de ? "O-O" : "O-O-O";
    } else {
        const bool captura = x.pecas[m.para] != VAZIA || (t == 'P' && m.para == x.en_passant);
        if (t == 'P') {
            if (captura) s += static_cast<char>('a' + coluna_de(m.de));
        } else {
            s += letra_de(letras, t);
            // The other pieces of the kind that may go to the same square.
            bool outra = false, mesma_coluna = false, mesma_fila = false;
            for (int o = 0; o < 64; ++o) {
                if (o == m.de || x.pecas[o] != x.pecas[m.de] || !legal(x, {o, m.para, 0})) continue;
                outra = true;
                mesma_coluna = mesma_coluna || coluna_de(o) == coluna_de(m.de);
                mesma_fila = mesma_fila || fila_de(o) == fila_de(m.de);
            }
            if (outra && !mesma_coluna)
                s += static_cast<char>('a' + coluna_de(m.de));
            else if (outra && !mesma_fila)
                s += static_cast<char>('1' + fila_de(m.de));
            else if (outra)
                s += nome_da_casa(m.de);
        }
        if (captura) s += 'x';
        s += nome_da_casa(m.para);
        if (m.promocao) s += {'=', letra_de(letras, m.promocao)};
    }
    Posicao y = x;
    joga(y, m);
    if (em_xeque(y)) s += fim(y) == Fim::mate ? '#' : '+';
    return s;
}

LeituraSan le_san(const Posicao& x, std::string_view w, const Letras& letras) {
    LeituraSan r;
    while (!w.empty() && std::string_view("+#!?").find(w.back()) != std::string_view::npos)
        w.remove_suffix(1);
    const ListaDeLances todos = legais(x);
    auto conta = [&](auto&& serve) {
        for (const Movimento& m : todos)
            if (serve(m)) r.candidatos.lances[r.candidatos.n++] = m;
        r.resultado = r.candidatos.n == 0   ? LeituraSan::nenhum
                      : r.candidatos.n == 1 ? LeituraSan::um
                                            : LeituraSan::ambiguo;
        if (r.candidatos.n == 1) r.lance = r.candidatos.lances[0];
        return r;
    };
    for (const std::string_view grande : {"O-O-O", "0-0-0"})
        if (w == grande)
            return conta([&](const Movimento& m) { return roque(x, m) && m.para < m.de; });
    for (const std::string_view pequeno : {"O-O", "0-0"})
        if (w == pequeno)
            return conta([&](const Movimento& m) { return roque(x, m) && m.para > m.de; });

    const std::optional<PartesDoSan> p = partes_do_san(w, letras);
    if (!p) return r;
    return conta([&](const Movimento& m) {
        return m.para == p->para && tipo_da_peca(x.pecas[m.de]) == p->tipo && !roque(x, m) &&
               (p->coluna < 0 || coluna_de(m.de) == p->coluna) &&
               (p->fila < 0 || fila_de(m.de) == p->fila) &&
               (p->promocao == 0 || m.promocao == p->promocao);
    });
}

} // namespace quelmaro::xadrez
