// The game in play: its state, its history and the engine that chooses the
// computer's moves (through the engine's adapter, game/parecer.hpp); every
// change of the game goes through here. Nothing here
// reads or prints: the front ends (console dialog, xboard, UCI) do the
// talking and call these operations.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "chess/lances.hpp"
#include "chess/pgn_leitura.hpp"
#include "engine/motor_de_regras.hpp"
#include "game/analise.hpp"
#include "game/estado.hpp"
#include "game/jogo_salvo.hpp"
#include "game/parecer.hpp"
#include "game/regras_do_jogador.hpp"

namespace quelmaro {

// The state before a move of the game, kept to take the move back, with the
// move that was played from there.
struct Lembranca {
    Estado antes;
    xadrez::Movimento lance; // in chess squares, with the promotion piece
    bool da_maquina = false; // chosen by the engine pass
    Analise analise{};       // what that pass saw and chose
};

// How a game has ended: by the rules of chess on its last position, by the
// engine finding no move for the computer, by a draw the player claimed, by
// the result a file gives a game it holds, or by the GUI's word.
enum class Termino {
    nenhum,
    interrompido,          // the GUI says the game is over ("result"); no result kept
    mate,                  // the side to move is checkmated
    brancas_venceram,      // given: White won with no mate on the board (Black resigned, say)
    pretas_venceram,       // given: the same for Black
    afogamento,            // the side to move has no move and is not in check: a draw
    material_insuficiente, // no series of moves can mate either side: a draw
    repeticao_tripla,      // claimed: the position has stood three times: a draw
    cinquenta_lances,      // claimed: fifty moves each without a capture or pawn move: a draw
    empate_dado,           // given: a draw that no rule of the board makes (agreed, claimed)
    empate_acordado,       // the player offered a draw and the computer took it
};
constexpr bool e_empate(Termino t) { return t >= Termino::afogamento; }
// The computer's turn: the engine's pass, and the move played.
struct LanceDaMaquina {
    // nenhum: a move was played; else the pass found none, the computer mated
    // (mate) or not in check (afogamento), as the engine sees it.
    Termino termino = Termino::afogamento;
    std::string lance;           // in coordinates, as the game prints it
    Pensamento pensamento;       // of the move, before it was played
    bool sem_lance_dele = false; // the player has no move left after it
    bool mate = false;           // ... and is in check
};

// The end a game's result gives ("1-0", "0-1", "1/2-1/2"); nenhum for "*".
Termino termino_do_resultado(std::string_view resultado);

// The piece a pawn of the player's that reaches the last row becomes: 'q',
// 'n', 'b' or 'r', asked of the front end for each such pawn.
using EscolhaDePromocao = std::function<char()>;

class Jogo {
  public:
    const Estado& estado() const { return estado_; }
    const std::vector<Lembranca>& historico() const { return historico_; }
    // The FEN this game started from; empty for the ordinary start.
    const std::string& fen_inicial() const { return fen_inicial_; }
    bool acabou() const { return termino_ != Termino::nenhum; }
    // The game ends so: the GUI says it is over (interrompido), a front end
    // found it over by the rules of chess (a dead position, a finished game
    // loaded) or took the player's claim of a draw. Taking a move back, a new
    // game or a game loaded clears it.
    void encerra(Termino termino) { termino_ = termino; }
    Termino termino() const { return termino_; }
    // How the rules of chess see the game's last position, the side to move
    // as the state has it: mate, stalemate, a position dead by its material
    // (in that order), else nenhum.
    Termino fim_pelas_regras() const;
    // The draw the player may claim now, from the game's positions since its
    // start: the last position standing for the third time, else the
    // fifty-move rule; nenhum when neither holds (or when the history is not
    // all a game of chess, which leaves the positions unknown).
    Termino empate_reclamavel() const;

    // A new game from the ordinary start (the start-up dialog's set-up, and
    // the "new" command's).
    void novo(bool jogador_tem_brancas);
    // A new game from a position given from outside (xboard's setboard, a UCI
    // position): the history starts there, the draw counter at 0, the move
    // counters from its move number, the opening moves due only in the
    // ordinary starting position with White to move.
    void comeca_de_posicao(const xadrez::Posicao& x, bool maquina_tem_brancas);
    // A game loaded from a chess file becomes the game in play: its last
    // position, the player on the side to move, the history holding its
    // moves, each as if played here; a game from another start than the
    // ordinary one is a game set up from outside.
    void instala_partida(const xadrez::Partida& partida);
    // A game from a state set up by hand (tools and tests): the history
    // starts there, from the ordinary start, and the game is not over.
    void poe_estado(const Estado& estado) {
        estado_ = estado;
        historico_.clear();
        fen_inicial_.clear();
        termino_ = Termino::nenhum;
    }
    // A saved game loaded: its board, counters and castling flags; the
    // history starts there and the game is not over, a game set up from
    // outside. The engine's carried values stay.
    void carrega(const JogoSalvo& jogo);
    // The saved game of this state, with the two display settings it keeps.
    JogoSalvo salvo(bool maquina_no_alto, bool ingles) const;

    // The computer's move: the engine pass on the board, then its move
    // played (a pawn on the last row becomes a queen) and kept in the history.
    LanceDaMaquina lance_da_maquina();
    // The player's move: castling, capture in passing and promotion
    // included, checked by the player's rules; false (and nothing changed)
    // when it is refused. The move is kept in the history.
    bool lance_dele(const LanceDoJogador& lance, const EscolhaDePromocao& promocao);
    // A move the GUI sends for the computer's colour (force mode), in squares
    // of the board seen from the computer's colour (as if it were the
    // player's), checked by the same rules: it counts as the computer's.
    bool lance_dado_a_maquina(const LanceDoJogador& lance, const EscolhaDePromocao& promocao);
    // The player's pawns on the last row become what the front end says.
    void promove_peoes_dele(const EscolhaDePromocao& promocao);

    // The side swap: the computer plays the player's side and the player the
    // computer's.
    void vira_tabuleiro() { estado_.vira(); }
    // Takes back the last half-moves of the game, as many as it holds; a game
    // taken back is no longer over.
    void desfaz(int meios_lances);

    // The engine's choice for the side to move, whichever it is, with what it
    // is worth and why, changing nothing in the game (analysis); nullopt when
    // that side has no move. The player's side gets no fixed opening move.
    // In the player's turn it is the hint.
    std::optional<Pensamento> analisa_a_vez();

    // The game from its start, from the history, as far as it is a game of
    // chess.
    xadrez::Partida partida() const;

    // Does the "draw" command get "offer draw": the computer not ahead in
    // material after more than ten of its moves?
    bool oferece_empate() const;

    // The game as a GUI sends it, whole, before each question (UCI).
    // The game becomes `partida` (legal moves from its start). When it is the
    // game in play, not over, followed by further moves, those moves are
    // played; else a new game starts at its start (comeca_de_posicao), the
    // computer on the side to move at its end, and all its moves are played.
    // Each move counts for the side that made it; the computer's choice of
    // the last opina, played as the first new move, takes the values its pass
    // carried. Every move is kept in the history.
    void segue_partida(const xadrez::Partida& partida);
    // The engine's answer for the side to move at the game's last position,
    // the computer taking that side with the game's counters: quelmaro::opina
    // with the moves of `lista` (searchmoves) that are legal there and up to
    // `maximo` lines. The pass runs on a copy, so that the game asked again
    // gets the same answer; its choice waits for segue_partida.
    Parecer opina(const std::vector<xadrez::Movimento>* lista, int maximo);

  private:
    // Keeps in the history the state before the move just played from `de`
    // to `para` (chess squares), with the move and its promotion piece.
    void registra(Lembranca antes, int de, int para);
    // The player's move on the state, or false; `lance` gets the king's
    // squares of a castling word.
    bool aplica_lance_dele(LanceDoJogador& lance, const EscolhaDePromocao& promocao);

    Estado estado_;
    std::vector<Lembranca> historico_; // the state before each move of this game
    std::string fen_inicial_;
    Termino termino_ = Termino::nenhum;
    MotorDeRegras motor_;

    // The choice of the last opina, not played: the state it was made on (a
    // game changed since by any other operation drops it), the state after
    // its pass, and the move.
    struct Proposta {
        Estado antes, depois_do_passe;
        xadrez::Movimento lance;
    };
    std::optional<Proposta> proposta_;
};

} // namespace quelmaro
