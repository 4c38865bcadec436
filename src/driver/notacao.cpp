#include "driver/notacao.hpp"

#include "board/squares.hpp"

namespace quelmaro {
namespace {

struct ParDeComando {
    char a, b;
    int codigo_brancas, codigo_pretas; // player White / computer White
};

// clang-format off
constexpr ParDeComando PARES[] = {
    {'s', 'a', COD_SALVAR, COD_SALVAR},
    {'v', 'e', COD_SALVAR, COD_SALVAR},
    {'o', 'p', COD_ABRIR, COD_ABRIR},
    {'e', 'n', COD_ABRIR, COD_ABRIR},
    {'p', 'r', COD_ROQUE_PEQUENO_BRANCAS, COD_ROQUE_PEQUENO_PRETAS},
    {'o', 'q', COD_ROQUE_PEQUENO_BRANCAS, COD_ROQUE_PEQUENO_PRETAS},
    {'g', 'r', COD_ROQUE_GRANDE_BRANCAS, COD_ROQUE_GRANDE_PRETAS},
    {'p', 'l', COD_JOGAR, COD_JOGAR},
    {'a', 'y', COD_JOGAR, COD_JOGAR},
    {'n', 'o', COD_NOVO, COD_NOVO},
    {'v', 'a', COD_NOVO, COD_NOVO},
    {'t', 'u', COD_VIRAR, COD_VIRAR},
    {'r', 'n', COD_VIRAR, COD_VIRAR},
};
// clang-format on

} // namespace

int lparanumero(char letra, char digito, char resposta) {
    const bool b = computador_tem_brancas(resposta);
    for (const ParDeComando& p : PARES)
        if (p.a == letra && p.b == digito) return b ? p.codigo_pretas : p.codigo_brancas;
    int col;
    if (letra >= 'a' && letra <= 'h')
        col = letra - 'a' + 1;
    else if (letra >= 'A' && letra <= 'H')
        col = letra - 'A' + 1;
    else
        return COD_NENHUM;
    if (digito < '1' || digito > '8') return COD_NENHUM;
    int rank = digito - '0';
    if (b) return casa(rank, 9 - col);
    return casa(9 - rank, col);
}

std::string nparaletra(int n, char resposta) {
    const int r = linha(n), c = coluna(n);
    if (computador_tem_brancas(resposta))
        return {static_cast<char>('a' + 8 - c), static_cast<char>('0' + r)};
    return {static_cast<char>('a' + c - 1), static_cast<char>('0' + 9 - r)};
}

} // namespace quelmaro
