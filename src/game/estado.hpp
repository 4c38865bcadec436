// The position of a game as the program keeps it: one value. Its truth is the
// chess position (pieces by chess square, the side to move, the castling
// rights, the passed square, the move number); beside it what the game keeps
// of its own: who has White, what bars each colour's castling as the saved
// file writes it, the two move counters, the values the engine carries from
// one pass to the next, and the computer's last move as the saved file keeps
// it. The engine's board, which stands from the computer's side, is built
// from it where the engine, the saved file or the drawing needs it.
#pragma once

#include <array>
#include <string_view>

#include "board/tabuleiro.hpp"
#include "chess/posicao.hpp"
#include "engine/motor_de_regras.hpp"

namespace quelmaro {

enum Cor { BRANCAS = 0, PRETAS = 1 };

// What a colour has done that bars its castling.
struct DireitosDeRoque {
    bool rei_saiu = false;     // the king has left e1 / e8
    bool torre_a_saiu = false; // the rook has left a1 / a8
    bool torre_h_saiu = false; // the rook has left h1 / h8
    bool ja_rocou = false;     // the colour has castled
    bool operator==(const DireitosDeRoque&) const = default;
};
using DireitosPorCor = std::array<DireitosDeRoque, 2>; // by colour

// The computer's last move as the saved-game file holds it: four characters,
// every 'e' written '&'; "----" before the computer's first move.
using UltimoLance = std::array<char, 4>;
inline constexpr UltimoLance SEM_ULTIMO_LANCE{'-', '-', '-', '-'};

class Estado {
  public:
    // The chess position: its castling rights are those the flags leave
    // with the king and the rook at home, its passed square one behind a
    // pawn of the colour that has just moved, its move number one more than
    // Black's moves, its half-move clock 0 (not kept).
    const xadrez::Posicao& posicao() const { return posicao_; }
    // The engine's board, from the computer's side: its pieces positive, on
    // the low rows.
    Tabuleiro tabuleiro() const;
    bool jogador_tem_brancas() const { return jogador_tem_brancas_; }
    bool maquina_tem_brancas() const { return !jogador_tem_brancas_; }
    bool vez_do_jogador() const { return posicao_.brancas_a_mover == jogador_tem_brancas_; }
    const DireitosPorCor& direitos_de_roque() const { return direitos_de_roque_; }
    // The square the last double step passed over, a chess square, -1 when
    // none; unlike the position's, kept whoever stands behind it.
    int casa_passada() const { return casa_passada_; }
    int lance_do_jogo() const { return lance_do_jogo_; }       // the computer's moves
    int lances_da_pessoa() const { return lances_da_pessoa_; } // the player's moves
    int numero_de_meu_movimento() const { return numero_de_meu_movimento_; }
    int contagem_empate() const { return contagem_empate_; }
    const UltimoLance& ultimo_lance() const { return ultimo_lance_; }
    // The game began from a position set up from outside (a FEN, a chess
    // file or a saved game), not from the ordinary start.
    bool de_posicao_montada() const { return de_posicao_montada_; }
    bool operator==(const Estado&) const = default;

    // What the engine pass reads, for the computer's move on this state's
    // board `t` (tabuleiro()), which the caller keeps while the pass runs.
    Entrada entrada(const Tabuleiro& t) const;
    // The values the pass carries over to the next one.
    void depois_do_passe(const Resultado& r) {
        numero_de_meu_movimento_ = r.numero_de_meu_movimento;
        contagem_empate_ = r.contagem_empate;
        numero_b_inimigo_ = r.numero_b_inimigo;
    }

    // A new game from the ordinary starting position, the player White or
    // not: no move made, every castling right, the opening moves due. The
    // draw counter carries over (only a reset rule clears it), and so does
    // the last move a saved game would show.
    void novo_jogo(bool jogador_tem_brancas);

    // The pieces, side to move and passed square of `x`, who has White and
    // what bars each colour's castling, all at once; the counters and the
    // engine's values are left as they are.
    void poe_posicao(const xadrez::Posicao& x, bool jogador_tem_brancas,
                     const DireitosPorCor& direitos);
    void poe_contadores(int lance_do_jogo, int lances_da_pessoa, int numero_de_meu_movimento);
    void zera_contagem_empate() { contagem_empate_ = 0; }
    // Whether the game began from a position set up from outside; a new
    // game from the ordinary start clears it.
    void poe_posicao_montada(bool montada) { de_posicao_montada_ = montada; }
    // A game set up from outside: the draw counter at 0 and the player's
    // bishops counted as two until a pass sees them.
    void recomeca_contagens() {
        contagem_empate_ = 0;
        numero_b_inimigo_ = 2;
    }
    void poe_ultimo_lance(const UltimoLance& l) { ultimo_lance_ = l; }
    // The computer's move in coordinates ("e7e5"), kept with '&' for 'e'.
    void anota_ultimo_lance(std::string_view coordenadas);

    // A move, in chess squares, checked by the caller: the piece on `de` goes
    // to `para`, with what the move carries on the board: the pawn taken in
    // passing by a pawn's diagonal step onto an empty square, the rook of a
    // king's two-file step from its home square (castling). Notes the
    // castling rights the move loses (a king or rook leaving its home square,
    // a rook taken on its corner; a castling's rook moves with its king), the
    // colour's castling, the square a pawn's double step passes over, and
    // gives the turn to the colour that did not move.
    void move(int de, int para);
    // The computer's pawns on their last rank become queens.
    void promove_peoes_da_maquina();
    // The player's pawn on its last rank becomes the player's piece named by
    // `letra` ('Q', 'R', 'B' or 'N'); any other square or letter is left as
    // it is.
    void promove_peao_do_jogador(int casa, char letra);

    void conta_lance_da_maquina() {
        ++lance_do_jogo_;
        acerta_numero();
    }
    void conta_lance_da_pessoa() {
        ++lances_da_pessoa_;
        acerta_numero();
    }
    // A move of the computer's colour not chosen by the engine (sent by a
    // GUI): it counts for the opening moves as one of the computer's.
    void conta_lance_dado_a_maquina() {
        ++lance_do_jogo_;
        if (numero_de_meu_movimento_ < 2) ++numero_de_meu_movimento_;
        acerta_numero();
    }

    // The side swap: the computer takes the player's pieces and the player
    // the computer's; every piece keeps its chess square.
    void vira();

  private:
    // The position's fields that follow from the game's own: the castling
    // rights from the flags and the pieces, the passed square from the one
    // passed over, the move number from Black's moves.
    void acerta();
    void acerta_numero();
    // The board of a state made with no game: empty.
    static xadrez::Posicao vazia() {
        xadrez::Posicao x;
        x.pecas.fill(xadrez::VAZIA);
        return x;
    }

    xadrez::Posicao posicao_ = vazia();
    bool jogador_tem_brancas_ = true;
    DireitosPorCor direitos_de_roque_{};
    int casa_passada_ = -1;
    int lance_do_jogo_ = 0;
    int lances_da_pessoa_ = 0;
    int numero_de_meu_movimento_ = 0;
    int contagem_empate_ = 0;
    int numero_b_inimigo_ = 2;
    bool de_posicao_montada_ = false;
    UltimoLance ultimo_lance_ = SEM_ULTIMO_LANCE;
};

// The passed square as a chess position states it when `brancas_a_mover` is
// to move: the square passed over, when a pawn of the colour that has just
// moved stands beyond it; else -1.
int en_passant_com_a_vez(const xadrez::Posicao& x, int casa_passada, bool brancas_a_mover);

} // namespace quelmaro
