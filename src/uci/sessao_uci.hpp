// The engine build speaking UCI: the GUI's commands line by line, answered on
// the console's output. A UCI session holds the game's state and the engine
// and nothing else: the GUI sends the whole position before every "go".
// The counters the engine reads (its own moves made, the opening moves, the
// draw counter) carry over while each position extends the last one, so a
// UCI game and an xboard game with the same moves get the same answers.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "chess/lances.hpp"
#include "engine/motor_de_regras.hpp"
#include "game/estado.hpp"
#include "game/parecer.hpp"
#include "io/console.hpp"

namespace quelmaro::uci {

class SessaoUci {
  public:
    explicit SessaoUci(Console& console) : console_(console) {}

    // Reads and carries out commands until "quit" or the end of the input;
    // returns the exit status (0).
    int executa();
    // One line of the GUI; false after "quit".
    bool comando(std::string_view linha);
    // The position of the last "position" accepted (the start before any).
    const xadrez::Posicao& posicao() const { return atual_; }

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

    // The moves after the game's last position, counted for the side that
    // made each: the computer's colour or the player's.
    void aplica(const std::vector<xadrez::Movimento>& lances, std::size_t desde);

    struct Comando {
        std::string_view nome;
        void (SessaoUci::*executa)(Argumentos);
    };
    static const Comando COMANDOS[];

    Console& console_;
    Estado estado_;
    Estado estado_do_passe_; // the last go's pass ran on it, with the values it carries over
    MotorDeRegras motor_;
    bool tem_jogo_ = false;                 // a game is going on: later positions may extend it
    xadrez::Posicao inicio_{};              // where the game's last position started
    std::vector<xadrez::Movimento> lances_; // and the moves after it
    xadrez::Posicao atual_ = xadrez::Posicao::inicial();
    bool maquina_tem_brancas_ = false;
    std::optional<xadrez::Movimento> meu_lance_; // the last bestmove, not yet in the list

    static constexpr int MAXIMO_DE_LINHAS = 64;
    int linhas_ = 1; // MultiPV
    // What the bestmove waits for: nothing, "stop" (go infinite), or
    // "ponderhit" or "stop" (go ponder).
    enum class Espera { nada, infinito, ponder } pensando_ = Espera::nada;
    std::string melhor_lance_; // the bestmove line that waits
};

} // namespace quelmaro::uci
