// The game driver: the main procedure `Quelmaro`, whose variables are the
// members below and whose nested procedures are its member functions. It owns
// the one board and the engine, and does all the talking through the console.
#pragma once

#include <array>
#include <string_view>
#include <vector>

#include "board/tabuleiro.hpp"
#include "driver/arquivos.hpp"
#include "driver/console.hpp"
#include "driver/mensagens.hpp"
#include "driver/tradutor.hpp"
#include "driver/xboard.hpp"
#include "engine/quelmaro2.hpp"

namespace quelmaro {

enum Cor { BRANCAS = 0, PRETAS = 1 };

// What a colour has done that bars its castling.
struct DireitosDeRoque {
    bool rei_saiu = false;      // the king has left e1 / e8
    bool torre_a_saiu = false;  // the rook has left a1 / a8
    bool torre_h_saiu = false;  // the rook has left h1 / h8
    bool ja_rocou = false;      // the colour has castled
    bool operator==(const DireitosDeRoque&) const = default;
};

class Quelmaro {
  public:
    Quelmaro(Console& console, Xboard xboard, Arquivos& arquivos);

    // Runs the program to its end; returns the exit status.
    int executa();

    // --- The procedures ---
    // Start-up dialog: language, drawing, who has White; the starting position.
    void Apresentacao();
    // The player's turn: reads, carries out commands, applies the player's move.
    void pos_lance_dele();
    // The computer's turn: the engine pass, then its move printed and applied.
    void meu_lance();
    // May the player castle with this king move now?
    bool roque_hpermitido(int de, int para) const;
    // Would the player's king be capturable after this move?
    bool expoemreidele(int de, int para);
    // Sets `sem_lance_dele` when the player has no move that keeps the king safe.
    void matenele();
    // Prints the board drawing when the player asked for it.
    void escreve_tabuleiro();
    // The computer takes the player's side and the player the computer's.
    void vira_tabuleiro();
    void save();
    void open();

    bool jogador_tem_brancas() const { return resposta == 's' || resposta == 'S'; }
    Cor cor_do_jogador() const { return jogador_tem_brancas() ? BRANCAS : PRETAS; }

    // --- The state ---
    Tabuleiro tabuleiro;
    Quelmaro2 motor{tabuleiro};
    Tradutor tradutor;

    char usaingles = ' ';       // the language key
    char usa_tabuleiro = 'n';   // 's' or 'S': the drawing is printed
    char resposta = 's';        // 's' or 'S': the player has White
    int lances_da_pessoa = 0;   // the player's moves in this game
    bool tabuleironormal = true; // the computer's side at the top of the drawing

    std::array<char, 4> ultimo_lance{'-', '-', '-', '-'}; // the computer's last move, 'e' as '&'
    std::array<DireitosDeRoque, 2> roque{};               // by colour
    bool sem_lance_dele = false;
    int casa_de = 1, casa_para = 1; // the player's move, or command codes
    bool vez_das_brancas = true;    // the colour to move

  private:
    std::ostream& saida() { return console_.saida(); }
    // A message and a line end / without a line end, in the language in force.
    void diz(Mensagem m);
    void poe(Mensagem m);
    void le_lance();
    void pede_lance();
    // The engine pass found no move: the end of the game.
    void fim_do_passe(Desfecho desfecho);
    // Sets the castling flags lost by moving the piece on `de`.
    void nota_lance(int de);
    // The player's move from `casa_de` to `casa_para`, castling and promotion
    // included; false (and nothing changed) when it is refused.
    bool aplica_lance_dele(bool palavra_de_roque);
    void promove_peoes_dele();
    // The board drawing; `inicial` is the starting board of the dialog.
    void desenha(bool inicial);
    bool rei_dele_atacado() const;

    Console& console_;
    Xboard xboard_;
    Arquivos& arquivos_;
};

} // namespace quelmaro
