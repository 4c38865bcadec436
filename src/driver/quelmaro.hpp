// The game driver: the main procedure `Quelmaro`, whose variables are the
// members below and whose nested procedures are its member functions. It owns
// the one board and the engine, and does all the talking through the console.
#pragma once

#include <array>
#include <string_view>
#include <vector>

#include "board/tabuleiro.hpp"
#include "chess/pgn_leitura.hpp"
#include "chess/san.hpp"
#include "io/arquivos.hpp"
#include "io/console.hpp"
#include "driver/explicacao.hpp"
#include "driver/mensagens.hpp"
#include "driver/pgn.hpp"
#include "driver/tradutor.hpp"
#include "driver/xboard.hpp"
#include "engine/quelmaro2.hpp"

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

// Everything that a move changes, kept to take moves back; and the move that
// was played from there.
struct Lembranca {
    Tabuleiro tabuleiro;
    int lance_do_jogo, lances_da_pessoa, numero_de_meu_movimento, contagem_empate;
    std::array<DireitosDeRoque, 2> roque;
    std::array<char, 4> ultimo_lance;
    char resposta;
    bool vez_das_brancas;
    int casa_en_passant;

    pgn::Lance lance{};      // in chess squares, with the promotion piece
    bool da_maquina = false; // chosen by the engine pass
    Analise analise{};       // what that pass saw and chose
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

    // Takes back the last half-moves of the current game, as many as it holds.
    void desfaz(int meios_lances);

    // --- Commands beyond the game's own ---
    // Which rule chose the computer's last move in this game; with a move
    // word, what that pass saw in the move named and which rule it meets.
    void porque(std::string_view palavra);
    // The move the cascade would choose in the player's place; changes nothing.
    void sugere();
    // Takes back the computer's last moves and the player's move before them.
    void desfaz_rodada();
    // Asks for a file name and writes the game from its start as PGN.
    void grava_pgn();
    // The castling rights of both colours as a position record states them.
    pgn::Roques roques() const;
    // "setboard": a new game from the FEN, in force mode; a bad FEN changes nothing.
    void setboard(const std::string& fen);

    // --- Chess notation ---
    // The game on the board as a chess position (the half-move clock 0).
    xadrez::Posicao posicao_atual() const;
    // The game from its start, from the history.
    xadrez::Partida partida_atual() const;
    // A word in SAN with the game's piece letters, in the current position.
    xadrez::LeituraSan le_palavra_san(std::string_view palavra) const;
    // Shows the game's moves numbered in SAN, after its FEN when it did not
    // start from the ordinary starting position.
    void mostra_lances();
    // Makes a game loaded from a file the game in play: its last position,
    // the player on the side to move, the history holding its moves. The
    // language and the drawing stay as they are.
    void instala_partida(const xadrez::Partida& partida);

    bool jogador_tem_brancas() const { return resposta == 's' || resposta == 'S'; }
    Cor cor_do_jogador() const { return jogador_tem_brancas() ? BRANCAS : PRETAS; }
    bool vez_do_jogador() const { return vez_das_brancas == jogador_tem_brancas(); }

    // --- The state ---
    Tabuleiro tabuleiro;
    Quelmaro2 motor{tabuleiro};
    Tradutor tradutor;

    char usaingles = ' ';        // the language key
    char usa_tabuleiro = 'n';    // 's' or 'S': the drawing is printed
    char resposta = 's';         // 's' or 'S': the player has White
    int lances_da_pessoa = 0;    // the player's moves in this game
    bool tabuleironormal = true; // the computer's side at the top of the drawing

    std::array<char, 4> ultimo_lance{'-', '-', '-', '-'}; // the computer's last move, 'e' as '&'
    std::array<DireitosDeRoque, 2> roque{};               // by colour
    bool sem_lance_dele = false;
    int casa_de = 1, casa_para = 1;   // the player's move, or command codes
    bool vez_das_brancas = true;      // the colour to move
    int casa_en_passant = 0;          // the square a pawn has just passed over, or 0
    bool forcado = false;             // force mode: the computer plays neither side
    std::vector<Lembranca> historico; // the state before each move of this game
    std::string fen_inicial;          // where this game started; empty: the usual start
    char promocao_san = 0;            // the piece a move typed in SAN promotes to, or 0
    bool mostra_pensamento = false;   // "post": a thinking line before each computer move

  private:
    std::ostream& saida() { return console_.saida(); }
    // A message and a line end / without a line end, in the language in force.
    void diz(Mensagem m);
    void poe(Mensagem m);
    void le_lance();
    // A SAN word read by the parser: true when it names one move, which then
    // stands in the parser's output as coordinates; else its answer printed.
    bool lance_san(const xadrez::LeituraSan& lido);
    // Board, side to move, castling, capture in passing and counters of a
    // position of the game in play, with the sides as `resposta` has them.
    void poe_posicao(const xadrez::Posicao& x);
    // The squares or command codes of the parser's four characters.
    void converte();
    // The words that are no move and are carried out in place (protocol
    // words, help, why, hint, undo, pgn); false for any other line.
    bool outro_comando();
    void novo_jogo();
    Lembranca lembra() const;
    // A move sent in force mode for the computer's colour.
    bool aplica_lance_forcado();
    void pede_lance();
    // The engine pass found no move: the end of the game.
    void fim_do_passe(Desfecho desfecho);
    // Moves the piece on `de` to `para`, noting the castling flags it loses
    // and the square a pawn's double step passes over.
    void move(int de, int para);
    // The player's move from `casa_de` to `casa_para` (or the castling word's
    // code in `casa_de`), castling and promotion included; false (and nothing
    // changed) when it is refused.
    bool aplica_lance_dele();
    void anota_ultimo_lance(const std::string& lance);
    // Keeps the state before a move just played, with the move, in the history.
    void registra(Lembranca antes, const std::string& lance);
    void promove_peoes_dele();
    // The board drawing; `inicial` is the starting board of the dialog.
    void desenha(bool inicial);
    bool rei_dele_atacado() const;

    Console& console_;
    Xboard xboard_;
    Arquivos& arquivos_;
};

} // namespace quelmaro
