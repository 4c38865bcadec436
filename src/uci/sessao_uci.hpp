// The engine build speaking UCI: the GUI's commands line by line, answered on
// the console's output. A UCI session holds the game (game/jogo.hpp), which
// the GUI sends whole before every "go" (Jogo::segue_partida): the counters
// the engine reads (its own moves made, the opening moves, the draw counter)
// carry over while each position extends the last one, so a UCI game and an
// xboard game with the same moves get the same answers.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "chess/lances.hpp"
#include "game/jogo.hpp"
#include "io/console.hpp"

namespace quelmaro::uci {

class SessaoUci {
  public:
    // No game yet: the first position starts one.
    explicit SessaoUci(Console& console) : console_(console) {
        jogo_.encerra(Termino::interrompido);
    }

    // Reads and carries out commands until "quit" or the end of the input;
    // returns the exit status (0).
    int executa();
    // One line of the GUI; false after "quit".
    bool comando(std::string_view linha);
    // The position of the last "position" accepted (the start before any).
    xadrez::Posicao posicao() const { return xadrez::posicao_final(jogo_.partida()); }

  private:
    using Argumentos = const std::vector<std::string_view>&;
    void uci(Argumentos);
    void isready(Argumentos);
    void ucinewgame(Argumentos);
    void position(Argumentos);
    void go(Argumentos);
    void setoption(Argumentos);
    void stop(Argumentos);
    void ponderhit(Argumentos);
    void nada(Argumentos) {}

    // The engine's choice, its info lines printed; empty when there is none.
    // With `lista` (searchmoves) the choice is a move of it.
    std::string escolhe(const std::vector<xadrez::Movimento>* lista);
    // Prints the bestmove that waits, if one does.
    void responde();

    struct Comando {
        std::string_view nome;
        void (SessaoUci::*executa)(Argumentos);
    };
    static const Comando COMANDOS[];

    Console& console_;
    Jogo jogo_; // over after "ucinewgame": the next position starts a new game

    static constexpr int MAXIMO_DE_LINHAS = 64;
    int linhas_ = 1; // MultiPV
    // What the bestmove waits for: nothing, "stop" (go infinite), or
    // "ponderhit" or "stop" (go ponder).
    enum class Espera { nada, infinito, ponder } pensando_ = Espera::nada;
    std::string melhor_lance_; // the bestmove line that waits
};

} // namespace quelmaro::uci
