#include "board/tabuleiro.hpp"

#include "board/geometria.hpp"

#include <cstdlib>

namespace quelmaro {
namespace {

// The eight directions as (row step, column step). The first four run towards
// higher square numbers, the last four towards lower ones.
constexpr int DIRECOES[8][2] = {{0, 1},  {1, -1}, {1, 0},  {1, 1},
                                {0, -1}, {-1, 1}, {-1, 0}, {-1, -1}};

constexpr Geometria gera_geometria() {
    Geometria t{};
    for (int a = 1; a <= 64; ++a) {
        for (int b = 1; b <= 64; ++b) {
            int dr = linha(b) - linha(a), dc = coluna(b) - coluna(a);
            if (dr * dr + dc * dc == 5) t.cavalo[a] |= bit(b);
            if (a != b && dr * dr <= 1 && dc * dc <= 1) t.rei[a] |= bit(b);
            if (dc * dc == 1 && dr == 1)
                t.peao_ataca_de[0][b] |= bit(a), t.peao_ataca[0][a] |= bit(b);
            if (dc * dc == 1 && dr == -1)
                t.peao_ataca_de[1][b] |= bit(a), t.peao_ataca[1][a] |= bit(b);
            if (a == b) continue;
            bool reta = dr == 0 || dc == 0;
            bool diagonal = dr == dc || dr == -dc;
            t.reta[a][b] = reta;
            t.diagonal[a][b] = diagonal;
            if (!reta && !diagonal) continue;
            int sr = (dr > 0) - (dr < 0), sc = (dc > 0) - (dc < 0);
            for (int r = linha(a) + sr, c = coluna(a) + sc; r != linha(b) || c != coluna(b);
                 r += sr, c += sc)
                t.entre[a][b] |= bit(casa(r, c));
            for (int r = linha(b) + sr, c = coluna(b) + sc; r >= 1 && r <= 8 && c >= 1 && c <= 8;
                 r += sr, c += sc)
                t.alem[a][b] |= bit(casa(r, c));
        }
    }
    for (int a = 1; a <= 64; ++a)
        for (int d = 0; d < 8; ++d)
            for (int r = linha(a) + DIRECOES[d][0], c = coluna(a) + DIRECOES[d][1];
                 r >= 1 && r <= 8 && c >= 1 && c <= 8; r += DIRECOES[d][0], c += DIRECOES[d][1])
                t.raio[d][a] |= bit(casa(r, c));
    return t;
}

constexpr int clamp8(int c) { return c < 1 ? 1 : (c > 8 ? 8 : c); }

} // namespace

constinit const Geometria GEOMETRIA = gera_geometria();

void Tabuleiro::limpa() {
    for (int n = 1; n <= 64; ++n) poe(n, VAZIO);
}

void Tabuleiro::posicao_inicial(bool jogador_tem_brancas) {
    limpa();
    // clang-format off
    const int fundo[8] = {TORRE, CAVALO, BISPO, jogador_tem_brancas ? DAMA : REI,
                          jogador_tem_brancas ? REI : DAMA, BISPO, CAVALO, TORRE};
    // clang-format on
    for (int c = 1; c <= 8; ++c) {
        poe(casa(1, c), fundo[c - 1]);
        poe(casa(2, c), PEAO);
        poe(casa(7, c), -PEAO);
        poe(casa(8, c), -fundo[c - 1]);
    }
}

bool Tabuleiro::peao(int de, int para) const {
    const int p = casas_[de];
    const int dr = linha(para) - linha(de), dc = coluna(para) - coluna(de);
    if (casas_[para] != VAZIO) return (dc == 1 || dc == -1) && dr == p; // capture
    if (dc != 0) return false;
    if (dr == p) return true; // single step
    const int c = coluna(de);
    if (p == PEAO) // the computer never double-steps beside a player's pawn on row 4
        return linha(de) == 2 && linha(para) == 4 && casas_[casa(3, c)] == VAZIO &&
               casas_[casa(4, clamp8(c + 1))] != -PEAO && casas_[casa(4, clamp8(c - 1))] != -PEAO;
    return linha(de) == 7 && linha(para) == 5 && casas_[casa(6, c)] == VAZIO;
}

bool Tabuleiro::validade(int de, int para) const {
    assert(casa_valida(de) && casa_valida(para));
    const int p = casas_[de], q = casas_[para];
    if (p == VAZIO || de == para) return false;
    if ((p > 0 && q > 0) || (p < 0 && q < 0)) return false;
    const Geometria& t = GEOMETRIA;
    const auto livre = [&] { return (t.entre[de][para] & ocupadas()) == 0; };
    switch (tipo(p)) {
    case PEAO: return peao(de, para);
    case BISPO: return t.diagonal[de][para] && livre();
    case CAVALO: return contem(t.cavalo[de], para);
    case TORRE: return t.reta[de][para] && livre();
    case DAMA: return (t.diagonal[de][para] || t.reta[de][para]) && livre();
    case REI: return contem(t.rei[de], para);
    default: return false;
    }
}

Casas Tabuleiro::destinos(int de) const {
    const int p = casas_[de];
    const Casas proprias = p > 0 ? maquina_ : jogador_;
    const Geometria& t = GEOMETRIA;
    switch (tipo(p)) {
    case CAVALO: return t.cavalo[de] & ~proprias;
    case REI: return t.rei[de] & ~proprias;
    case PEAO: {
        // Captures onto the diagonal squares ahead; a step onto an empty
        // square ahead, and from the home row a double step over an empty
        // one (the computer's not beside a player's pawn).
        const bool maquina = p > 0;
        Casas s = t.peao_ataca[maquina ? 0 : 1][de] & (maquina ? jogador_ : maquina_);
        const int r = linha(de) + p;
        if (r < 1 || r > 8 || casas_[de + 8 * p] != VAZIO) return s;
        s |= bit(de + 8 * p);
        const int dois = de + 16 * p, c = coluna(de);
        if (linha(de) == (maquina ? 2 : 7) && casas_[dois] == VAZIO &&
            (!maquina ||
             (casas_[casa(4, clamp8(c + 1))] != -PEAO && casas_[casa(4, clamp8(c - 1))] != -PEAO)))
            s |= bit(dois);
        return s;
    }
    case BISPO: return diagonais(de, ocupadas()) & ~proprias;
    case TORRE: return retas(de, ocupadas()) & ~proprias;
    case DAMA: return (diagonais(de, ocupadas()) | retas(de, ocupadas())) & ~proprias;
    default: return 0;
    }
}

Casas Tabuleiro::atacantes(int alvo) const {
    assert(casa_valida(alvo) && casas_[alvo] != VAZIO);
    return atacantes(alvo, casas_[alvo] < 0, ocupadas());
}

} // namespace quelmaro
