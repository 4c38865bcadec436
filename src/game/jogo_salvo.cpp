#include "game/jogo_salvo.hpp"

#include <cctype>
#include <iomanip>
#include <sstream>

namespace quelmaro {
namespace {

// An integer as the file holds it: blanks and line ends skipped, then an
// optional minus sign and decimal digits.
std::optional<long long> le_inteiro(std::istream& e) {
    char c;
    do {
        if (!e.get(c)) return std::nullopt;
    } while (c == ' ' || c == '\n' || c == '\r' || c == '\t');
    const bool negativo = c == '-';
    if (negativo && !e.get(c)) return std::nullopt;
    if (!std::isdigit(static_cast<unsigned char>(c))) return std::nullopt;
    long long v = 0;
    for (;;) {
        v = 10 * v + (c - '0');
        if (v > 1'000'000'000) return std::nullopt;
        const int prox = e.peek();
        if (prox == std::char_traits<char>::eof() || !std::isdigit(prox)) break;
        e.get(c);
    }
    return negativo ? -v : v;
}

// The next character, line ends skipped.
std::optional<char> le_caractere(std::istream& e) {
    char c;
    do {
        if (!e.get(c)) return std::nullopt;
    } while (c == '\n' || c == '\r');
    return c;
}

// The last-move field as the program writes it: "----", or a move with
// every 'e' as '&'. Anything else could not be written back the same way (a
// leading digit would run into the counter before it).
bool lance_gravavel(const std::array<char, 4>& l) {
    if (l == std::array<char, 4>{'-', '-', '-', '-'}) return true;
    auto coluna = [](char c) { return (c >= 'a' && c <= 'h') || c == '&'; };
    auto fileira = [](char c) { return c >= '1' && c <= '8'; };
    return coluna(l[0]) && fileira(l[1]) && coluna(l[2]) && fileira(l[3]);
}

// The first and the last rank, where no pawn of a played game stands.
constexpr Casas PONTAS = Casas{0xFF} | Casas{0xFF} << 56;

// A saved game, or nullopt; `peao_na_ponta` tells when the file is one in
// all but a pawn on the first or last rank.
std::optional<JogoSalvo> le(std::istream& entrada, bool& peao_na_ponta) {
    peao_na_ponta = false;
    JogoSalvo jogo;
    for (int n = 1; n <= 64; ++n) {
        const auto v = le_inteiro(entrada);
        if (!v || !codigo_valido(static_cast<int>(*v))) return std::nullopt;
        jogo.tabuleiro.poe(n, static_cast<int>(*v));
    }
    for (int* contador : {&jogo.lance_do_jogo, &jogo.lances_da_pessoa}) {
        const auto v = le_inteiro(entrada);
        if (!v || *v < 0) return std::nullopt;
        *contador = static_cast<int>(*v);
    }
    for (char& c : jogo.ultimo_lance) {
        const auto v = le_caractere(entrada);
        if (!v) return std::nullopt;
        c = *v;
    }
    if (!lance_gravavel(jogo.ultimo_lance)) return std::nullopt;
    for (bool* flag : {&jogo.rei_saiu_60, &jogo.rei_saiu_61, &jogo.torre_saiu_57,
                       &jogo.torre_saiu_64, &jogo.ja_rocou, &jogo.maquina_no_alto, &jogo.ingles}) {
        const auto v = le_caractere(entrada);
        if (!v) return std::nullopt;
        *flag = *v == 'T';
    }
    const Tabuleiro& t = jogo.tabuleiro;
    const Casas rei = t.com_codigo(REI);
    if (std::popcount(rei) != 1 || std::popcount(t.com_codigo(-REI)) != 1) return std::nullopt;
    if (t.alcancada(t.pecas_do_jogador(), menor_casa(rei))) return std::nullopt;
    if ((t.com_codigo(PEAO) | t.com_codigo(-PEAO)) & PONTAS) {
        peao_na_ponta = true;
        return std::nullopt;
    }
    return jogo;
}

} // namespace

std::optional<JogoSalvo> le_jogo_salvo(std::istream& entrada) {
    bool peao_na_ponta;
    return le(entrada, peao_na_ponta);
}

void escreve_jogo_salvo(std::ostream& saida, const JogoSalvo& jogo) {
    for (int n = 1; n <= 64; ++n) saida << std::setw(11) << jogo.tabuleiro[n];
    saida << std::setw(11) << jogo.lance_do_jogo << std::setw(11) << jogo.lances_da_pessoa;
    saida.write(jogo.ultimo_lance.data(), 4);
    for (bool flag : {jogo.rei_saiu_60, jogo.rei_saiu_61, jogo.torre_saiu_57, jogo.torre_saiu_64,
                      jogo.ja_rocou, jogo.maquina_no_alto, jogo.ingles})
        saida << (flag ? 'T' : 'F');
    saida << '\n';
}

std::string texto_do_jogo_salvo(const JogoSalvo& jogo) {
    std::ostringstream texto;
    escreve_jogo_salvo(texto, jogo);
    return texto.str();
}

ArquivoDeJogo le_arquivo_de_jogo(std::string_view conteudo) {
    ArquivoDeJogo a;
    std::istringstream entrada{std::string(conteudo)};
    a.salvo = le(entrada, a.peao_na_ponta);
    if (a.salvo) return a;
    if (a.peao_na_ponta) {
        a.salvo_danificado = true;
        return a;
    }
    std::istringstream inicio{std::string(conteudo.substr(0, 200))};
    long long x, y;
    if (inicio >> x >> y && (inicio.eof() || std::isspace(inicio.peek()))) {
        a.salvo_danificado = true;
        return a;
    }
    std::string_view linha = conteudo.substr(0, conteudo.find('\n'));
    if (linha.ends_with('\r')) linha.remove_suffix(1);
    const xadrez::LeituraFen fen = xadrez::le_fen(linha, {.numero_zero_e_um = true});
    if (fen.ok() || (fen.erro != xadrez::ErroFen::campos && fen.erro != xadrez::ErroFen::pecas)) {
        xadrez::JogoLido j;
        j.fim = linha.size();
        j.leitura.partida.inicio = fen.posicao;
        if (!fen.ok()) j.leitura.erro = xadrez::ErroPgn::fen;
        j.erro_fen = fen.erro;
        a.partidas.push_back(std::move(j));
        return a;
    }
    a.partidas = xadrez::le_jogos(conteudo);
    return a;
}

} // namespace quelmaro
