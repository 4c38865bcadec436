#include "frontend/tradutor.hpp"

#include "chess/posicao.hpp"

namespace quelmaro {
namespace {

struct Chave {
    std::string_view entrada; // compared with the start of the line, blanks included
    Palavra palavra;
};

using enum Traducao::Palavra;
// The game's own words, in the order of the tests.
// clang-format off
constexpr Chave CHAVES[] = {
    {"go ", jogar}, {"GO ", jogar}, {"Go ", jogar},
    {"play", jogar}, {"PLAY", jogar}, {"Play", jogar},
    {"save", salvar},
    {"open", abrir}, {"load", abrir},
    {"turn", virar}, {"reverse", virar},
    {"quit", sair}, {"exit", sair},
    {"O-O ", roque_pequeno}, {"o-o ", roque_pequeno}, {"0-0 ", roque_pequeno},
    {"O-O-O", roque_grande}, {"o-o-o", roque_grande},
    {"new ", nova},
};
// clang-format on

// One piece letter, of either language but the Portuguese rook's T, may stand
// before a move.
constexpr std::string_view LETRAS_DE_PECA = "NKQBPRDC";
constexpr std::string_view LETRAS_DE_PROMOCAO = "qnbr";

bool letra(char c) { return c >= 'a' && c <= 'h'; }
bool digito(char c) { return c >= '1' && c <= '8'; }

void argumento(Traducao& t, std::string_view linha, std::size_t depois) {
    if (linha.size() <= depois) return;
    t.resto = linha.substr(depois);
    t.argumento = t.resto;
    t.argumento.erase(0, t.argumento.find_first_not_of(" \t"));
    t.argumento.erase(t.argumento.find_last_not_of(" \t\r") + 1);
}

} // namespace

Traducao traduz(std::string_view linha, std::span<const std::string_view> palavras) {
    Traducao t;
    std::string s(linha);
    if (s.size() < 8) s.resize(8, ' ');

    // A promotion letter right after a plain move.
    if (letra(s[0]) && digito(s[1]) && letra(s[2]) && digito(s[3]) &&
        LETRAS_DE_PROMOCAO.find(s[4]) != std::string_view::npos)
        t.promocao_caracter = s[4];

    for (const Chave& c : CHAVES)
        if (s.starts_with(c.entrada)) {
            t.tipo = Traducao::Tipo::palavra;
            t.palavra = c.palavra;
            argumento(t, linha, c.entrada.size());
            return t;
        }
    for (std::size_t i = 0; i < palavras.size(); ++i)
        if (s.starts_with(palavras[i])) {
            t.tipo = Traducao::Tipo::comando;
            t.comando = static_cast<int>(i);
            argumento(t, linha, palavras[i].size());
            return t;
        }

    if (LETRAS_DE_PECA.find(s[0]) != std::string_view::npos) s.erase(0, 1);
    if (letra(s[0]) && digito(s[1]) && letra(s[2]) && digito(s[3])) {
        t.tipo = Traducao::Tipo::lance;
        t.lance = {s[0], s[1], s[2], s[3]};
    } else if (letra(s[0]) && digito(s[1]) && (s[2] == '-' || s[2] == 'x') && letra(s[3]) &&
               digito(s[4])) {
        t.tipo = Traducao::Tipo::lance;
        t.lance = {s[0], s[1], s[3], s[4]};
    }
    return t;
}

namespace {

// A letter (either case) and a digit to a chess square, -1 when they name none.
int casa_lida(char letra, char digito) {
    const char l = letra >= 'A' && letra <= 'Z' ? static_cast<char>(letra - 'A' + 'a') : letra;
    const char texto[2] = {l, digito};
    return xadrez::le_casa({texto, 2}).value_or(-1);
}

} // namespace

LanceDoJogador lance_do_jogador(const Traducao& t) {
    using enum LanceDoJogador::Roque;
    if (t.e(Palavra::roque_pequeno)) return {.roque = pequeno};
    if (t.e(Palavra::roque_grande)) return {.roque = grande};
    const auto& s = t.lance;
    return {casa_lida(s[0], s[1]), casa_lida(s[2], s[3])};
}

} // namespace quelmaro
