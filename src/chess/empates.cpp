#include "chess/empates.hpp"

#include "chess/lances.hpp"

namespace quelmaro::xadrez {

bool material_insuficiente(const Posicao& x) {
    int outras = 0, bispos = 0, cavalos = 0;
    bool bispo_em_casa_clara = false, bispo_em_casa_escura = false;
    for (int s = 0; s < 64; ++s) {
        const char t = tipo_da_peca(x.pecas[s]);
        if (t == VAZIA || t == 'K') continue;
        if (t == 'B') {
            ++bispos;
            // a1 is a dark square: file plus rank even.
            ((coluna_de(s) + fila_de(s)) % 2 == 0 ? bispo_em_casa_escura : bispo_em_casa_clara) =
                true;
        } else if (t == 'N') {
            ++cavalos;
        } else {
            ++outras;
        }
    }
    if (outras > 0) return false;
    if (cavalos > 0) return cavalos == 1 && bispos == 0;
    return !(bispo_em_casa_clara && bispo_em_casa_escura);
}

ChaveDeRepeticao chave_de_repeticao(const Posicao& x) {
    ChaveDeRepeticao c{x.pecas, x.brancas_a_mover, x.roques, -1};
    if (x.en_passant >= 0)
        for (const Movimento& m : legais(x))
            if (m.para == x.en_passant && tipo_da_peca(x.pecas[m.de]) == 'P') c.en_passant = m.para;
    return c;
}

int ocorrencias_da_ultima(std::span<const Posicao> posicoes) {
    if (posicoes.empty()) return 0;
    const Posicao& ultima = posicoes.back();
    const ChaveDeRepeticao chave = chave_de_repeticao(ultima);
    int n = 1;
    if (ultima.meios_lances == 0) return n;
    for (std::size_t i = posicoes.size() - 1; i-- > 0;) {
        const Posicao& x = posicoes[i];
        if (x.brancas_a_mover == ultima.brancas_a_mover && x.pecas == ultima.pecas &&
            chave_de_repeticao(x) == chave)
            ++n;
        if (x.meios_lances == 0) break;
    }
    return n;
}

bool repeticao_tripla(std::span<const Posicao> posicoes) {
    return ocorrencias_da_ultima(posicoes) >= 3;
}

bool cinquenta_lances(const Posicao& x) { return x.meios_lances >= 100; }

} // namespace quelmaro::xadrez
