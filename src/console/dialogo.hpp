// The console dialog with a person: the start-up questions, the board
// drawing, the player's turn with its commands, the computer's moves and the
// end of the game, in English or Portuguese.
#pragma once

#include <string>
#include <string_view>

#include "chess/san.hpp"
#include "frontend/arquivo.hpp"
#include "frontend/tradutor.hpp"
#include "game/jogo.hpp"
#include "game/procedimento_principal.hpp"
#include "io/arquivos.hpp"
#include "io/console.hpp"
#include "text/mensagens.hpp"

namespace quelmaro {

// What the console game's own options ask of it.
struct OpcoesDoConsole {
    bool san = false;              // --san: the computer's moves in SAN too
    std::string registro;          // --record FILE: every game added to FILE; empty: none
    bool sem_tecla_no_fim = false; // --no-exit-key: the end of a game waits for no key
};

class Dialogo : public Frente {
  public:
    Dialogo(Console& console, Arquivos& arquivos) : console_(console), arquivos_(arquivos) {}

    // Plays the game to its end; returns the exit status.
    int executa();

    void apresenta() override;
    bool pos_lance_dele() override;
    bool meu_lance(const LanceDaMaquina& lance) override;
    bool fim_do_passe(Termino termino) override;

    // Prints the board drawing when the player asked for it.
    void escreve_tabuleiro();

    // The help: the ways to type moves and every command at the move prompt.
    static std::string ajuda(bool ingles);

    Jogo& jogo() { return jogo_; }
    Exibicao& exibicao() { return exibicao_; }
    // Takes the options: --san for the display, the rest for the dialog.
    void usa_opcoes(const OpcoesDoConsole& opcoes) {
        opcoes_ = opcoes;
        exibicao_.san = opcoes.san;
    }

  private:
    // The words of the console's own commands and what each does.
    struct Comando;
    static const Comando COMANDOS[];
    // Carries out the command of the table that `t` names.
    void executa(const Traducao& t);

    std::ostream& saida() { return console_.saida(); }
    // A message and a line end / without a line end, in the language in force.
    void diz(Mensagem m);
    void poe(Mensagem m);
    // The move prompt; while the game is over, the line that says so.
    void pede_lance() { diz(jogo_.acabou() ? Mensagem::PartidaAcabou : Mensagem::PedidoDeLance); }
    // The end of the game, as Jogo::termino has it, in words.
    void anuncia_fim();
    // After a move: a position dead by its material ends the game, said.
    bool fim_por_material();
    // The computer's move in SAN in the position it was played from.
    std::string san_do_meu_lance() const;

    // Reads lines until one is a move (coordinates or SAN) or a command
    // word, left in `lido_`; answers "draw" on the way. False when the line
    // is "quit".
    bool le_lance();
    // The words turn, save and open read, carried out in place, in this
    // order, each followed by the next line read (so that two of them typed
    // one after the other show the board once more between); false when a
    // line is "quit".
    bool palavras_no_lugar();
    // "open": a game loaded from a file, the game left recorded (--record);
    // one over by its rules or its file's result is said to be over.
    void abre_partida();
    // A word of SAN in the game's piece letters: true when it names one move,
    // which then stands in `lido_` as coordinates; else its answer printed.
    bool lance_san(std::string_view palavra);
    xadrez::LeituraSan le_palavra_san(std::string_view palavra) const;
    // The piece the player's pawn becomes: the one a SAN move named, else the
    // numbered dialog's answer.
    char promocao();
    // The board drawing; `inicial` is the starting board of the dialog.
    void desenha(bool inicial);
    void novo_jogo();
    // With --record: the game as PGN (`pgn`, else the game in play) added to
    // the file, when a move has been played since the game began, was
    // loaded or was last added; a failure is said, with why.
    void registra_partida(const std::string& pgn = {});
    // A computer move with no pass of its own to tell (a game loaded).
    static bool sem_escolha(const Analise& analise);

    // The console's commands at the move prompt.
    void empate(const Traducao&);
    void ajuda(const Traducao&);
    void porque(const Traducao&);
    void sugere(const Traducao&);
    void desfaz_rodada(const Traducao&);
    void grava_pgn(const Traducao&);
    void mostra_lances(const Traducao&);

    Console& console_;
    Arquivos& arquivos_;
    Jogo jogo_;
    Exibicao exibicao_;
    Traducao lido_;         // the last move or command read
    LanceDoJogador lance_;  // the move of that line, in chess squares (SAN or coordinates)
    char promocao_san_ = 0; // the piece a move typed in SAN promotes to, or 0
    OpcoesDoConsole opcoes_;
    bool por_registrar_ = false; // a move played since the game was last recorded
};

} // namespace quelmaro
