// The saved-game file: one line of 737 characters holding the board, the two
// move counters, the computer's last move and seven T/F flags.
#pragma once

#include <array>
#include <istream>
#include <optional>
#include <ostream>
#include <string_view>
#include <vector>

#include "board/tabuleiro.hpp"
#include "chess/pgn_leitura.hpp"

namespace quelmaro {

struct JogoSalvo {
    Tabuleiro tabuleiro;
    int lance_do_jogo = 0;
    int lances_da_pessoa = 0;
    std::array<char, 4> ultimo_lance{'-', '-', '-', '-'}; // every 'e' kept as '&'
    bool rei_saiu_60 = false;
    bool rei_saiu_61 = false;
    bool torre_saiu_57 = false;
    bool torre_saiu_64 = false;
    bool ja_rocou = false;
    bool maquina_no_alto = true; // the drawing's orientation (the file's "tabuleironormal")
    bool ingles = false;

    // Who has White follows from the counters: equal at the player's turn when
    // the player moved first.
    bool jogador_tem_brancas() const { return lance_do_jogo == lances_da_pessoa; }
};

// Reads a saved game. Returns nullopt unless the text holds, in this order,
// 64 integers each a piece code with exactly one king of each side, two
// counters 0 or more, four move characters and seven flag characters, the
// computer's king is not attacked by a player's piece, and no pawn stands on
// the first or last rank.
std::optional<JogoSalvo> le_jogo_salvo(std::istream& entrada);

// Writes the 737-character line and its line end.
void escreve_jogo_salvo(std::ostream& saida, const JogoSalvo& jogo);
std::string texto_do_jogo_salvo(const JogoSalvo& jogo);

// What the text of a game file holds: a saved game; else its games of
// chess, each read or refused (xadrez::JogoLido): one from a FEN on the
// first line (a move number of 0 taken as 1), else the PGN games in order.
// A first line that is a FEN in all but what le_fen refuses past its piece
// field (the side to move, the castling, the counters, the kings, ...) is
// that FEN refused. A text that begins with two whole numbers is a saved
// game or nothing (`salvo_danificado` when le_jogo_salvo refuses it).
// (`peao_na_ponta` too when a pawn on the first or last rank is its fault.)
// Neither: no saved game and no game of chess.
struct ArquivoDeJogo {
    std::optional<JogoSalvo> salvo;
    bool salvo_danificado = false;
    bool peao_na_ponta = false; // damaged by that alone: a pawn on the first or last rank
    std::vector<xadrez::JogoLido> partidas;
    // The game numbered n from 1, or nullptr when there is none.
    const xadrez::JogoLido* partida(std::size_t n) const {
        return n >= 1 && n <= partidas.size() ? &partidas[n - 1] : nullptr;
    }
};
ArquivoDeJogo le_arquivo_de_jogo(std::string_view conteudo);

} // namespace quelmaro
