#include "chess/tabuleiro_xadrez.hpp"

namespace quelmaro::xadrez {
namespace {

struct Codigo {
    char letra; // White's
    int codigo;
};
constexpr Codigo CODIGOS[] = {{'P', PEAO},  {'B', BISPO}, {'N', CAVALO},
                              {'R', TORRE}, {'Q', DAMA},  {'K', REI}};

} // namespace

int codigo_da_letra(char letra) {
    for (const Codigo& c : CODIGOS)
        if (c.letra == letra) return c.codigo;
    return 0;
}

char letra_do_codigo(int codigo) {
    for (const Codigo& c : CODIGOS)
        if (c.codigo == tipo(codigo)) return c.letra;
    return '\0';
}

// The computer with White sits behind rank 1 looking up the board: its rows
// are the ranks and its columns run from file h to file a. With Black it sits
// behind rank 8: rows from rank 8 down, columns from file a.
int casa_de_xadrez(int n, bool maquina_tem_brancas) {
    const int l = linha(n), c = coluna(n);
    return maquina_tem_brancas ? casa_de(8 - c, l - 1) : casa_de(c - 1, 8 - l);
}

int casa_do_tabuleiro(int s, bool maquina_tem_brancas) {
    const int f = coluna_de(s), r = fila_de(s);
    return maquina_tem_brancas ? casa(r + 1, 8 - f) : casa(8 - r, f + 1);
}

void para_tabuleiro(const Posicao& x, bool maquina_tem_brancas, Tabuleiro& t) {
    t.limpa();
    for (int s = 0; s < 64; ++s) {
        const char p = x.pecas[s];
        for (const Codigo& c : CODIGOS) {
            const bool branca = p == c.letra;
            if (!branca && p != c.letra - 'A' + 'a') continue;
            t.poe(casa_do_tabuleiro(s, maquina_tem_brancas),
                  branca == maquina_tem_brancas ? c.codigo : -c.codigo);
        }
    }
}

Posicao do_tabuleiro(const Tabuleiro& t, bool maquina_tem_brancas) {
    Posicao x;
    x.pecas.fill(VAZIA);
    for (int n = PRIMEIRA_CASA; n <= ULTIMA_CASA; ++n)
        for (const Codigo& c : CODIGOS) {
            if (tipo(t[n]) != c.codigo) continue;
            const bool branca = (t[n] > 0) == maquina_tem_brancas;
            x.pecas[casa_de_xadrez(n, maquina_tem_brancas)] = da_cor(c.letra, branca);
        }
    return x;
}

Posicao do_tabuleiro(const Tabuleiro& t, bool maquina_tem_brancas, bool brancas_a_mover,
                     Roques roques, int en_passant, int meios_lances, int numero) {
    Posicao x = do_tabuleiro(t, maquina_tem_brancas);
    x.brancas_a_mover = brancas_a_mover;
    x.roques = roques;
    x.en_passant = en_passant;
    x.meios_lances = meios_lances;
    x.numero = numero;
    return x;
}

} // namespace quelmaro::xadrez
