// The engine build speaking the XBoard protocol, version 2, to a GUI: the
// GUI's commands and moves line by line, the computer's moves as "move"
// lines, the results as the protocol's result lines, and the thinking line
// with the reason after "post".
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "frontend/arquivo.hpp"
#include "frontend/tradutor.hpp"
#include "game/jogo.hpp"
#include "game/procedimento_principal.hpp"
#include "io/arquivos.hpp"
#include "io/console.hpp"
#include "text/mensagens.hpp"

namespace quelmaro {

class SessaoXboard : public Frente {
  public:
    SessaoXboard(Console& console, Arquivos& arquivos);

    // Reads and answers the GUI until "quit" or the end of the input;
    // returns the exit status (0).
    int executa();

    void apresenta() override;
    bool pos_lance_dele() override;
    bool meu_lance(const LanceDaMaquina& lance) override;
    bool fim_do_passe(Termino termino) override;

    const Jogo& jogo() const { return jogo_; }
    // Force mode: the computer plays neither side.
    bool forcado() const { return forcado_; }

  private:
    struct Comando;
    static const Comando COMANDOS[];
    // Carries out the command of the table that `t` names.
    void executa(const Traducao& t);

    std::ostream& saida() { return console_.saida(); }
    void diz(Mensagem m);
    void poe(Mensagem m);
    void pede_lance() { diz(Mensagem::PedidoDeLance); }
    // Reads lines until one is a move or a command of the turn; answers the
    // lines that only ask for an answer ("protover", "ping", "draw") on the
    // way; false when the line ends the program ("quit").
    bool le_lance();
    // The piece a pawn that reaches the last row becomes: the letter typed
    // with the move, else a queen.
    char promocao();
    // The move read, for the player or, in force mode with the computer's
    // colour to move, for the computer's colour; false when it is refused.
    bool lance();

    // The commands: each takes what the parser read.
    void recursos(const Traducao&);
    void pong(const Traducao&);
    void empate(const Traducao&);
    void forca(const Traducao&);
    void volta(const Traducao&);
    void remove(const Traducao&);
    void resultado(const Traducao&);
    void setboard(const Traducao&);
    void post(const Traducao&);
    void nopost(const Traducao&);
    void sugere(const Traducao&);
    void grava_pgn(const Traducao&);
    void analisa(const Traducao&);
    void estado_da_analise(const Traducao&);
    // In analysis, the thinking line for the side to move.
    void mostra_analise();
    // "PLY SCORE TIME NODES MOVE {REASON}".
    void pensamento(const Pensamento& p);
    // Takes back half-moves; across a side swap the position comes back
    // turned to the sides the GUI keeps.
    void desfaz(int meios_lances);

    Console& console_;
    Arquivos& arquivos_;
    Jogo jogo_;
    Traducao lido_;
    std::string linha_lida_; // the line `lido_` was read from
    // English (a saved game loaded may switch it), no drawing; the
    // orientation is kept in saved games.
    Exibicao exibicao_{.ingles = true};
    bool forcado_ = false; // force mode: the computer plays neither side
    bool mostra_pensamento_ = false;
    bool analise_ = false;                // analysis mode
    std::optional<Pensamento> analisada_; // the last analysis shown
};

} // namespace quelmaro
