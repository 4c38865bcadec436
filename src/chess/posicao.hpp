// A position of ordinary chess: pieces by chess square, side to move, castling
// rights, capture-in-passing square and the two counters; read from and
// written to FEN.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace quelmaro::xadrez {

// Chess squares 0..63: a1 = 0, b1 = 1, ..., h1 = 7, a2 = 8, ..., h8 = 63.
constexpr int coluna_de(int s) { return s % 8; } // 0 = file a
constexpr int fila_de(int s) { return s / 8; }   // 0 = rank 1
constexpr int casa_de(int coluna, int fila) { return fila * 8 + coluna; }
// "e4" to 28; nullopt unless a lower-case file and a rank digit.
std::optional<int> le_casa(std::string_view texto);
std::string nome_da_casa(int s); // 28 to "e4"

// Pieces as FEN letters: upper case White, lower case Black, '.' empty.
constexpr char VAZIA = '.';
constexpr bool branca(char peca) { return peca >= 'A' && peca <= 'Z'; }
// The upper-case letter of the piece, whichever its colour.
constexpr char tipo_da_peca(char peca) {
    return peca >= 'a' && peca <= 'z' ? static_cast<char>(peca - 'a' + 'A') : peca;
}
// The piece of a colour named by its upper-case letter ('N' to 'n' for Black).
constexpr char da_cor(char tipo, bool brancas) {
    return brancas ? tipo : static_cast<char>(tipo - 'A' + 'a');
}

// Castling rights in the order of the FEN field: K, Q, k, q.
struct Roques {
    bool brancas_pequeno = false, brancas_grande = false, pretas_pequeno = false,
         pretas_grande = false;
    bool operator==(const Roques&) const = default;
};

// The four castlings in the order of the FEN field: the right, its letter and
// the home squares of the king and the rook. The king moves two files towards
// the rook, the rook lands on the square the king crossed.
struct Roque {
    bool Roques::*direito;
    char letra;
    int rei, torre;
    bool brancas;
    constexpr int lado() const { return torre > rei ? 1 : -1; }
    constexpr int destino_do_rei() const { return rei + 2 * lado(); }
    constexpr int destino_da_torre() const { return rei + lado(); }
};
inline constexpr Roque ROQUES[] = {
    {&Roques::brancas_pequeno, 'K', 4, 7, true},
    {&Roques::brancas_grande, 'Q', 4, 0, true},
    {&Roques::pretas_pequeno, 'k', 60, 63, false},
    {&Roques::pretas_grande, 'q', 60, 56, false},
};

struct Posicao {
    std::array<char, 64> pecas{};
    bool brancas_a_mover = true;
    Roques roques{};
    int en_passant = -1;  // the square a pawn has just passed over, or -1
    int meios_lances = 0; // half-moves since the last capture or pawn move
    int numero = 1;       // the move number, from 1
    bool operator==(const Posicao&) const = default;

    // The ordinary starting position.
    static Posicao inicial();
};

inline constexpr std::string_view FEN_INICIAL =
    "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1";

// Why a FEN text was refused; the front ends turn it into words.
enum class ErroFen {
    nenhum,
    campos,                 // fewer than four fields, or text after the sixth
    pecas,                  // the piece field: a bad letter, a rank not of 8 squares, not 8 ranks
    vez,                    // the side to move is neither "w" nor "b"
    roques,                 // the castling field
    en_passant,             // the capture-in-passing field
    contadores,             // the half-move clock or the move number
    reis,                   // not exactly one king of each colour
    peao_na_ponta,          // a pawn on the first or last rank
    xeque_de_quem_nao_move, // the side not to move is in check
};

struct LeituraFen {
    Posicao posicao{};
    ErroFen erro = ErroFen::nenhum;
    bool ok() const { return erro == ErroFen::nenhum; }
    // The text was well formed: `posicao` holds what it says, even when the
    // position cannot arise (the last three errors), for callers that take
    // such a position anyway; a badly formed text leaves an empty position.
    bool bem_formada() const { return erro == ErroFen::nenhum || erro >= ErroFen::reis; }
};

// Reads a FEN (the two counters may be left out: 0 and 1); also checks that
// the position can arise (the kings, pawns on the end ranks, the side not to
// move in check). Castling rights without the king and rook on their squares
// are dropped, as is a capture-in-passing square no pawn could have crossed.
LeituraFen le_fen(std::string_view texto);

// What le_fen refuses and files in the wild write anyway.
struct OpcoesFen {
    // A move number of 0 ("... w - - 0 0", common in puzzle files) is read
    // as 1 rather than refused.
    bool numero_zero_e_um = false;
};
LeituraFen le_fen(std::string_view texto, const OpcoesFen& opcoes);

std::string escreve_fen(const Posicao& posicao);

} // namespace quelmaro::xadrez
