#include "chess/posicao.hpp"

#include "chess/lances.hpp"

namespace quelmaro::xadrez {
namespace {

constexpr std::string_view LETRAS_DAS_PECAS = "PNBRQKpnbrqk";

// The fields of the text split at blanks; false when more than six.
bool divide(std::string_view texto, std::array<std::string_view, 6>& campos, int& n) {
    n = 0;
    std::size_t i = 0;
    while (true) {
        while (i < texto.size() && (texto[i] == ' ' || texto[i] == '\t')) ++i;
        if (i == texto.size()) return true;
        if (n == 6) return false;
        const std::size_t inicio = i;
        while (i < texto.size() && texto[i] != ' ' && texto[i] != '\t') ++i;
        campos[n++] = texto.substr(inicio, i - inicio);
    }
}

bool le_pecas(std::string_view campo, std::array<char, 64>& pecas) {
    pecas.fill(VAZIA);
    int fila = 7, coluna = 0;
    for (char c : campo) {
        if (c == '/') {
            if (coluna != 8 || fila == 0) return false;
            --fila;
            coluna = 0;
        } else if (c >= '1' && c <= '8') {
            coluna += c - '0';
            if (coluna > 8) return false;
        } else if (LETRAS_DAS_PECAS.find(c) != std::string_view::npos && coluna < 8) {
            pecas[casa_de(coluna++, fila)] = c;
        } else {
            return false;
        }
    }
    return fila == 0 && coluna == 8;
}

// A number of at most six digits.
bool le_numero(std::string_view campo, int& valor) {
    if (campo.empty() || campo.size() > 6) return false;
    valor = 0;
    for (char c : campo) {
        if (c < '0' || c > '9') return false;
        valor = valor * 10 + (c - '0');
    }
    return true;
}

// The castling field: "-", or letters each known and given once.
bool le_roques(std::string_view campo, Roques& roques) {
    if (campo == "-") return true;
    for (char c : campo) {
        bool conhecida = false;
        for (const Roque& d : ROQUES) {
            if (d.letra != c) continue;
            if (roques.*d.direito) return false; // twice
            roques.*d.direito = conhecida = true;
        }
        if (!conhecida) return false;
    }
    return true;
}

// Rights the pieces on the board no longer allow, and a passed square
// that no pawn of the side that has just moved crossed, are dropped.
void descarta_direitos_perdidos(Posicao& x) {
    for (const Roque& d : ROQUES)
        if (x.pecas[d.rei] != (d.brancas ? 'K' : 'k') ||
            x.pecas[d.torre] != (d.brancas ? 'R' : 'r'))
            x.roques.*d.direito = false;
    if (x.en_passant >= 0) {
        const int e = x.en_passant, frente = x.brancas_a_mover ? 8 : -8;
        const bool cruzou = fila_de(e) == (x.brancas_a_mover ? 5 : 2) && x.pecas[e] == VAZIA &&
                            x.pecas[e + frente] == VAZIA &&
                            x.pecas[e - frente] == (x.brancas_a_mover ? 'p' : 'P');
        if (!cruzou) x.en_passant = -1;
    }
}

// Why a well-formed position cannot arise (a position kept as read, with the
// reason), or nenhum.
ErroFen motivo_da_impossibilidade(const Posicao& x) {
    ErroFen erro = ErroFen::nenhum;
    int reis_brancos = 0, reis_pretos = 0;
    for (int s = 0; s < 64; ++s) {
        const char p = x.pecas[s];
        reis_brancos += p == 'K';
        reis_pretos += p == 'k';
        if ((p == 'P' || p == 'p') && (fila_de(s) == 0 || fila_de(s) == 7))
            erro = ErroFen::peao_na_ponta;
    }
    if (reis_brancos != 1 || reis_pretos != 1) erro = ErroFen::reis;
    Posicao outro_lado = x;
    outro_lado.brancas_a_mover = !x.brancas_a_mover;
    if (erro == ErroFen::nenhum && em_xeque(outro_lado)) erro = ErroFen::xeque_de_quem_nao_move;
    return erro;
}

} // namespace

std::optional<int> le_casa(std::string_view texto) {
    if (texto.size() != 2 || texto[0] < 'a' || texto[0] > 'h' || texto[1] < '1' || texto[1] > '8')
        return std::nullopt;
    return casa_de(texto[0] - 'a', texto[1] - '1');
}

std::string nome_da_casa(int s) {
    return {static_cast<char>('a' + coluna_de(s)), static_cast<char>('1' + fila_de(s))};
}

Posicao Posicao::inicial() {
    static const Posicao x = le_fen(FEN_INICIAL).posicao;
    return x;
}

LeituraFen le_fen(std::string_view texto) { return le_fen(texto, OpcoesFen{}); }

LeituraFen le_fen(std::string_view texto, const OpcoesFen& opcoes) {
    LeituraFen r;
    Posicao& x = r.posicao;
    auto erro = [&](ErroFen e) {
        r.posicao = Posicao{};
        r.erro = e;
        return r;
    };
    std::array<std::string_view, 6> campo{};
    int n = 0;
    if (!divide(texto, campo, n) || n < 4) return erro(ErroFen::campos);
    if (!le_pecas(campo[0], x.pecas)) return erro(ErroFen::pecas);
    if (campo[1] != "w" && campo[1] != "b") return erro(ErroFen::vez);
    x.brancas_a_mover = campo[1] == "w";

    if (!le_roques(campo[2], x.roques)) return erro(ErroFen::roques);
    if (campo[3] != "-") {
        const auto s = le_casa(campo[3]);
        if (!s) return erro(ErroFen::en_passant);
        x.en_passant = *s;
    }
    if (n > 4 && !le_numero(campo[4], x.meios_lances)) return erro(ErroFen::contadores);
    if (n > 5 && !le_numero(campo[5], x.numero)) return erro(ErroFen::contadores);
    if (x.numero == 0 && !opcoes.numero_zero_e_um) return erro(ErroFen::contadores);
    if (x.numero == 0) x.numero = 1;

    descarta_direitos_perdidos(x);
    r.erro = motivo_da_impossibilidade(x);
    return r;
}

std::string escreve_fen(const Posicao& x) {
    std::string s;
    for (int fila = 7; fila >= 0; --fila) {
        int vazias = 0;
        for (int coluna = 0; coluna < 8; ++coluna) {
            const char p = x.pecas[casa_de(coluna, fila)];
            if (p == VAZIA) {
                ++vazias;
                continue;
            }
            if (vazias) s += static_cast<char>('0' + vazias);
            vazias = 0;
            s += p;
        }
        if (vazias) s += static_cast<char>('0' + vazias);
        if (fila > 0) s += '/';
    }
    s += x.brancas_a_mover ? " w " : " b ";
    const std::size_t antes = s.size();
    for (const Roque& d : ROQUES)
        if (x.roques.*d.direito) s += d.letra;
    if (s.size() == antes) s += '-';
    s += ' ';
    s += x.en_passant >= 0 ? nome_da_casa(x.en_passant) : "-";
    return s + ' ' + std::to_string(x.meios_lances) + ' ' + std::to_string(x.numero);
}

} // namespace quelmaro::xadrez
