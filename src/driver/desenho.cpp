// The board drawing and the side swap.
#include "driver/quelmaro.hpp"

#include <iomanip>
#include <ostream>
#include <string_view>

namespace quelmaro {
namespace {

constexpr std::string_view MOLDURA = "  ---------------------------------";
constexpr std::string_view ROTULOS_BRANCAS = "87654321"; // rank of row 1..8, player White
constexpr std::string_view ROTULOS_PRETAS = "12345678";  // rank of row 1..8, computer White
constexpr std::string_view COLUNAS_A_H = "    a   b   c   d   e   f   g   h";
constexpr std::string_view COLUNAS_H_A = "    h   g   f   e   d   c   b   a";

// The letter of a piece kind, English and Portuguese.
struct Letra {
    int tipo;
    char ingles, portugues;
};
constexpr Letra LETRAS[] = {{PEAO, 'P', 'P'},  {BISPO, 'B', 'B'}, {CAVALO, 'N', 'C'},
                            {TORRE, 'R', 'T'}, {DAMA, 'Q', 'D'},  {REI, 'K', 'R'}};

char letra(int codigo, bool ingles) {
    for (const Letra& l : LETRAS)
        if (l.tipo == tipo(codigo)) return ingles ? l.ingles : l.portugues;
    return ' ';
}

} // namespace

void Quelmaro::escreve_tabuleiro() {
    if (usa_tabuleiro == 's' || usa_tabuleiro == 'S') desenha(false);
}

void Quelmaro::desenha(bool inicial) {
    std::ostream& o = saida();
    const bool normal = tabuleironormal;
    poe(normal ? Mensagem::TituloNormal
               : (inicial ? Mensagem::TituloInicialVirado : Mensagem::TituloVirado));
    if (!inicial) o << std::setw(11) << lances_da_pessoa << std::setw(11) << motor.lance_do_jogo;
    o << '\n' << MOLDURA << '\n';
    const std::string_view rotulos = jogador_tem_brancas() ? ROTULOS_BRANCAS : ROTULOS_PRETAS;
    for (int i = 1; i <= 8; ++i) {
        const int r = normal ? i : 9 - i;
        o << rotulos[r - 1] << " |";
        for (int j = 1; j <= 8; ++j) {
            const int codigo = tabuleiro[casa(r, normal ? j : 9 - j)];
            o << (codigo > 0 ? '*' : ' ') << letra(codigo, motor.ingles) << " |";
        }
        o << '\n' << MOLDURA << '\n';
    }
    o << (normal == jogador_tem_brancas() ? COLUNAS_A_H : COLUNAS_H_A) << '\n';
    if (inicial) o << '\n';
    diz(normal ? Mensagem::RodapeNormal
               : (inicial ? Mensagem::RodapeInicialVirado : Mensagem::RodapeVirado));
    if (!inicial) o << '\n';
}

void Quelmaro::vira_tabuleiro() {
    for (int n = 1; n <= 32; ++n) {
        const int a = tabuleiro[n], b = tabuleiro[65 - n];
        tabuleiro.poe(n, -b);
        tabuleiro.poe(65 - n, -a);
    }
    resposta = jogador_tem_brancas() ? 'n' : 's';
    if (casa_en_passant) casa_en_passant = 65 - casa_en_passant;
}

} // namespace quelmaro
