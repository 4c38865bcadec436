// The file dialogs of the move prompt, which both programs speak (the engine
// build reads the same words from a GUI): "save", "open" (or "load") and
// "pgn", each asking for the file's name on the next line.
#pragma once

#include "game/jogo.hpp"
#include "io/arquivos.hpp"
#include "io/console.hpp"

namespace quelmaro {

// How the game is shown: the language, the drawing and its orientation. The
// saved-game file keeps the language and the orientation.
struct Exibicao {
    bool ingles = false;
    char usa_tabuleiro = 'n';    // 's' or 'S': the drawing is printed
    bool tabuleironormal = true; // the computer's side at the top of the drawing
};

// Writes the saved-game file; says so when it cannot.
void save(Console& console, Arquivos& arquivos, const Jogo& jogo, const Exibicao& exibicao);

enum class Aberto { nada, jogo_salvo, partida };
// Loads a saved game (with its orientation and language, and says the
// computer's last move), else a PGN game or a FEN, which goes on from its
// last position; says so when it cannot, and the game stays as it was.
Aberto open(Console& console, Arquivos& arquivos, Jogo& jogo, Exibicao& exibicao);

// Writes the game from its start as PGN; says so when it cannot.
void grava_pgn(Console& console, Arquivos& arquivos, const Jogo& jogo, bool ingles);

} // namespace quelmaro
