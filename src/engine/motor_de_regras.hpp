// The computer's move choice: one engine pass per computer move.
//
// A pass tries every candidate move of the computer on the board, every reply
// of the player to it and what the computer could do next, records what each
// line wins or loses in the move-feature tables (marcas.hpp), then walks the
// 55 rules of the cascade (regras.hpp); the first rule that accepts a move
// decides it. The first two moves of a game are fixed opening moves.
#pragma once

#include <array>
#include <span>

#include "board/tabuleiro.hpp"
#include "engine/marcas.hpp"
#include "engine/regras.hpp"

namespace quelmaro {

// What a pass hands to the game driver. The engine never prints.
enum class Desfecho {
    Lance,      // a move was chosen (Resultado::de, Resultado::para)
    Xequemate,  // no move to play and a player's piece attacks the computer's king
    Afogamento, // no move to play and the computer's king is not attacked
};

// What one pass reads: the position with the computer to move, and the
// values that carry over from the passes before it.
struct Entrada {
    const Tabuleiro& tabuleiro;
    int lance_do_jogo = 0;           // computer moves played in this game
    int numero_de_meu_movimento = 2; // opening-move counter 0..2: 2, no fixed move is due
    int contagem_empate = 0;         // draw counter
    int numero_b_inimigo = 2;        // the player's bishops, counted 1 or 2 (two or more)
    // The moves the choice is limited to, when not every candidate (the
    // tables are still those of the whole position).
    const Permitidos* permitidos = nullptr;
    // The game began from a position set up from outside (not reached from
    // the ordinary start in this game): no opening stands behind it, so
    // promotions are watched from its first move instead of after the
    // computer's first six.
    bool de_posicao_montada = false;
};

// What one pass gives back: its choice, and the values for the next pass.
struct Resultado {
    Desfecho desfecho = Desfecho::Afogamento;
    int de = 0, para = 0; // the move when desfecho is Lance, else 0, 0
    int regra = 0;        // the rule 1..54 that chose it; 55 at the end of the game; 0 opening move
    Abertura abertura = Abertura::nenhuma;
    // The values the next pass reads, as this pass leaves them.
    int numero_de_meu_movimento = 2;
    int contagem_empate = 0;
    int numero_b_inimigo = 2;
    // What the rules read besides the tables (the material sum at the start,
    // the draw danger, ...).
    Contexto contexto;
    // The trial positions the pass examined: every candidate, every reply,
    // and every follow-up a mate probe tried, whether played on the board or
    // judged from the attack sets.
    int posicoes_examinadas = 0;
};

class MotorDeRegras {
  public:
    // One engine pass. Works on a board of its own (the input is never
    // written) and allocates nothing. The fixed opening moves are played
    // while the opening-move counter is below 2; the draw counter is updated
    // by the flag of the rule that chose.
    Resultado passe(const Entrada& entrada);

    // The move-feature tables of the last pass: the bits set for the move
    // from square `de` to square `para`.
    Marcas marcas(int de, int para) const;
    // The candidate moves of the last pass in scan order, with their tables.
    std::span<const Candidato> candidatos() const {
        return {candidatos_.data(), static_cast<std::size_t>(numero_de_candidatos_)};
    }
    // Is the move from `de` to `para` one a pass would try on the board: a
    // piece of the computer's going by its movement test to a square that is
    // empty or holds a piece of the player's?
    static bool e_candidato(const Tabuleiro& t, int de, int para) {
        return t[de] > 0 && t[para] <= 0 && t.validade(de, para);
    }

  private:
    // The fixed opening move due by the opening-move counter, when it can be
    // played: true, with the move and its words in `r`. The counter moves on.
    bool abertura_fixa(Resultado& r, const Permitidos* permitidos) const;
    void analisa_candidato(Candidato& candidato);
    void alinha_dama_rei(Marcas& m);
    void segundo_lance(Marcas& m, int i, int j, Casas mudou);
    bool mate();
    bool mate_ele2();
    bool sem_fuga(int rei);
    bool fuga_do_rei(int rei, int k, int l, int codigo);
    bool eh_candidato(int de, int para) const;
    bool rei_da_maquina_atacado() const;

    // The pieces of one side and the squares each attacks (Tabuleiro::alcance)
    // on the board where they were noted. After moves that changed the
    // occupancy of the squares `mudou`, a slider's set is still right unless
    // it holds one of them; the other pieces' sets never change.
    struct Alcances {
        struct Peca {
            int casa, codigo;
            Casas alcance;
            bool deslizante, peao;
            bool diagonal, reta; // a slider along the diagonals, along rows and columns
            // A pawn's moves, right while no move touches a square of `depende`.
            Casas destinos, depende;
        };
        std::array<Peca, 64> lista;
        int n = 0;
        // With `com_destinos`, also the pawns' moves.
        void anota(const Tabuleiro& t, Casas casas, bool com_destinos);
        static Casas atual(const Tabuleiro& t, const Peca& p, Casas mudou) {
            return p.deslizante && (p.alcance & mudou) ? t.alcance(p.casa) : p.alcance;
        }
    };

    Tabuleiro tabuleiro_; // the position of the pass, for its trial moves
    // Are pawns reaching their last row recorded in this pass?
    bool vigia_promocoes_ = false;
    // The player's king: the highest square holding -999, kept if none.
    int posicao_do_rei_dele_ = 0;
    int posicoes_examinadas_ = 0;
    Alcances jogador_; // the player's pieces at the start of the pass
    Alcances maquina_; // the computer's pieces at the start of the pass
    // For each player's piece that the computer attacks after the candidate
    // under trial, the computer's pieces that attack it.
    std::array<Casas, 65> atacantes_{};
    // At most 27 moves for each piece, a queen in the middle of an empty board.
    std::array<Candidato, 64 * 27> candidatos_{};
    int numero_de_candidatos_ = 0;
};

} // namespace quelmaro
