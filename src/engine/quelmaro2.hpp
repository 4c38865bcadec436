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
    Lance,      // a move was chosen: (cc, dd)
    Xequemate,  // no move to play and a player's piece attacks the computer's king
    Afogamento, // no move to play and the computer's king is not attacked
};

// The cascade's choice for one pass.
struct Escolha {
    Desfecho desfecho = Desfecho::Afogamento;
    int de = 0, para = 0; // the move when desfecho is Lance, else 0, 0
    int regra = 0;        // the rule 1..54 that chose it; 55 at the end of the game; 0 opening move
    Abertura abertura = Abertura::nenhuma;
};

class Quelmaro2 {
  public:
    explicit Quelmaro2(Tabuleiro& tabuleiro) : tabuleiro_(tabuleiro) {}

    // One engine pass on the board with the computer to move. Leaves the board
    // exactly as it found it and allocates nothing. On a move: cc, dd hold it;
    // otherwise the game is over, acabou is set and cc = dd = 0. Updates the
    // opening-move counter, the player's bishop count and the draw counter.
    Desfecho passe();

    // The same analysis and cascade without the fixed opening moves, and
    // without writing any state that lasts between passes (cc, dd, regra,
    // abertura, numero_de_meu_movimento, contagem_empate, numero_b_inimigo,
    // acabou): the move the computer would choose for the side it plays on
    // this board. Used on a side-swapped board to suggest a move to the player.
    Escolha sugestao();

    // The move-feature tables of the last pass: the bits set for the move
    // from square `de` to square `para`.
    Marcas marcas(int de, int para) const;
    // The candidate moves of the last pass in scan order, with their tables.
    std::span<const Candidato> candidatos() const {
        return {candidatos_.data(), static_cast<std::size_t>(numero_de_candidatos_)};
    }

    // State that carries meaning between passes.
    int cc = 1, dd = 1;                    // the chosen move
    int numero_de_meu_movimento = 0;       // opening-move counter, 0..2
    int contagem_empate = 0;               // draw counter
    int numero_b_inimigo = 2;              // player's bishops: 1 or 2 (two or more)
    int lance_do_jogo = 0;                 // computer moves played in this game
    bool acabou = false;                   // the game is over
    bool ingles = false;                   // English messages
    int regra = 0;                         // rule that chose the last move; 0: opening move
    Abertura abertura = Abertura::nenhuma; // the opening move played, when regra is 0

    // Values of the last pass.
    int posicao_do_rei_dele = 0; // the player's king (highest square holding -999); kept if none
    int soma0l = 0;              // material sum at the start of the pass
    bool perigo_empate = false;  // draw danger: contagem_empate > 2 and the computer ahead
    bool zerar_contagem_empate = false;
    bool somar_contagem_empate = false;
    // Trial positions the last pass examined: candidates, replies and the
    // follow-ups of its mate probes.
    int posicoes_examinadas = 0;

  private:
    enum class Modo { Jogo, Sugestao };
    Escolha analisa(Modo modo);
    void analisa_candidato(Candidato& candidato);
    void alinha_dama_rei(Marcas& m);
    void segundo_lance(Marcas& m, int j, Casas mudou);
    bool mate();
    bool mate_ele2();
    bool eh_candidato(int de, int para) const;
    bool rei_da_maquina_atacado() const;

    // The pieces of one side and the squares each attacks (Tabuleiro::alcance)
    // on the board where they were noted. After moves that changed the
    // occupancy of the squares `mudou`, a slider's set is still right unless
    // it holds one of them; the other pieces' sets never change.
    struct Alcances {
        struct Peca {
            int casa;
            Casas alcance;
            bool deslizante, rei, peao;
        };
        std::array<Peca, 64> lista;
        int n = 0;
        // The sliders among them, and the union of the other pieces' sets:
        // of those other than the king, and of the king.
        std::array<Peca, 64> deslizantes;
        int nd = 0;
        Casas fixo = 0, fixo_do_rei = 0;
        void anota(const Tabuleiro& t, Casas casas);
        static Casas atual(const Tabuleiro& t, const Peca& p, Casas mudou) {
            return p.deslizante && (p.alcance & mudou) ? t.alcance(p.casa) : p.alcance;
        }
    };

    Tabuleiro& tabuleiro_;
    Alcances jogador_; // the player's pieces at the start of the pass
    Alcances maquina_; // the computer's pieces after the candidate under trial
    // At most 27 moves for each piece, a queen in the middle of an empty board.
    std::array<Candidato, 64 * 27> candidatos_{};
    int numero_de_candidatos_ = 0;
};

} // namespace quelmaro
