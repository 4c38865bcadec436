// The position of a game as the program keeps it: one value. The board stands
// from the computer's side (its pieces positive, on the low rows), whoever
// has White; beside it who has White, whose turn it is, what bars each
// colour's castling, the square a pawn has just passed over, the two move
// counters, the values the engine carries from one pass to the next, and the
// computer's last move as the saved-game file keeps it.
#pragma once

#include <array>
#include <string_view>

#include "board/tabuleiro.hpp"
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
using Roques = std::array<DireitosDeRoque, 2>; // by colour

// The computer's last move as the saved-game file holds it: four characters,
// every 'e' written '&'; "----" before the computer's first move.
using UltimoLance = std::array<char, 4>;
inline constexpr UltimoLance SEM_ULTIMO_LANCE{'-', '-', '-', '-'};

class Estado {
  public:
    const Tabuleiro& tabuleiro() const { return tabuleiro_; }
    bool jogador_tem_brancas() const { return jogador_tem_brancas_; }
    bool maquina_tem_brancas() const { return !jogador_tem_brancas_; }
    Cor cor_do_jogador() const { return jogador_tem_brancas_ ? BRANCAS : PRETAS; }
    bool vez_das_brancas() const { return vez_das_brancas_; }
    bool vez_do_jogador() const { return vez_das_brancas_ == jogador_tem_brancas_; }
    const Roques& roques() const { return roque_; }
    int casa_en_passant() const { return casa_en_passant_; }   // 0 when none
    int lance_do_jogo() const { return lance_do_jogo_; }       // the computer's moves
    int lances_da_pessoa() const { return lances_da_pessoa_; } // the player's moves
    int numero_de_meu_movimento() const { return numero_de_meu_movimento_; }
    int contagem_empate() const { return contagem_empate_; }
    const UltimoLance& ultimo_lance() const { return ultimo_lance_; }
    // The game began from a position set up from outside (a FEN, a chess
    // file or a saved game), not from the ordinary start.
    bool de_posicao_montada() const { return de_posicao_montada_; }
    bool operator==(const Estado&) const = default;

    // What the engine pass reads, for the computer's move on this board.
    Entrada entrada() const {
        return {.tabuleiro = tabuleiro_,
                .lance_do_jogo = lance_do_jogo_,
                .numero_de_meu_movimento = numero_de_meu_movimento_,
                .contagem_empate = contagem_empate_,
                .numero_b_inimigo = numero_b_inimigo_,
                .de_posicao_montada = de_posicao_montada_};
    }
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

    // The pieces, sides, turn, castling and passed square of a position, all
    // at once; the counters and the engine's values are left as they are.
    void poe_posicao(const Tabuleiro& tabuleiro, bool jogador_tem_brancas, bool vez_das_brancas,
                     const Roques& roques, int casa_en_passant);
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

    // Moves the piece on `de` to `para`: a plain transfer. Notes the castling
    // rights the move loses (a king or rook leaving its home square, a rook
    // taken on its corner), the square a pawn's double step passes over, and
    // gives the turn to the colour that did not move.
    void move(int de, int para);
    // A pawn's capture in passing: the pawn behind `para` (the one that has
    // just passed over it) leaves the board, then the move.
    void move_en_passant(int de, int para);
    // The player's castling: the rook first, then the king's move.
    void roca(int rei_de, int rei_para, int torre_de, int torre_para);
    // The computer's pawns on their last row become queens.
    void promove_peoes_da_maquina();
    // The player's pawn on its last row (the computer's first) becomes the
    // player's piece `codigo` (-DAMA, -TORRE, -BISPO or -CAVALO); any other
    // square or piece is left as it is.
    void promove_peao_do_jogador(int casa, int codigo);

    void conta_lance_da_maquina() { ++lance_do_jogo_; }
    void conta_lance_da_pessoa() { ++lances_da_pessoa_; }
    // A move of the computer's colour not chosen by the engine (sent by a
    // GUI): it counts for the opening moves as one of the computer's.
    void conta_lance_dado_a_maquina() {
        ++lance_do_jogo_;
        if (numero_de_meu_movimento_ < 2) ++numero_de_meu_movimento_;
    }

    // The side swap: the computer takes the player's pieces and the player
    // the computer's; every piece keeps its chess square (the board is turned
    // half a turn and every code negated).
    void vira();

  private:
    Tabuleiro tabuleiro_;
    bool jogador_tem_brancas_ = true;
    bool vez_das_brancas_ = true;
    Roques roque_{};
    int casa_en_passant_ = 0;
    int lance_do_jogo_ = 0;
    int lances_da_pessoa_ = 0;
    int numero_de_meu_movimento_ = 0;
    int contagem_empate_ = 0;
    int numero_b_inimigo_ = 2;
    bool de_posicao_montada_ = false;
    UltimoLance ultimo_lance_ = SEM_ULTIMO_LANCE;
};

} // namespace quelmaro
