// The file dialogs of the move prompt, which both programs speak (the engine
// build reads the same words from a GUI): "save", "open" (or "load") and
// "pgn", each asking for the file's name on the next line.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "game/jogo.hpp"
#include "game/jogo_salvo.hpp"
#include "io/arquivos.hpp"
#include "io/console.hpp"

namespace quelmaro {

// How the game is shown: the language, the drawing and its orientation. The
// saved-game file keeps the language and the orientation.
struct Exibicao {
    bool ingles = false;
    char usa_tabuleiro = 'n';    // 's' or 'S': the drawing is printed
    bool maquina_no_alto = true; // the computer's side at the top of the drawing
    bool san = false;            // the computer's moves in SAN too (--san)
};

// Writes the saved-game file; says so when it cannot, with a line that
// tells why (and when it took the name from a file of several names).
void grava_jogo(Console& console, Arquivos& arquivos, const Jogo& jogo, const Exibicao& exibicao);

enum class Aberto { nada, jogo_salvo, partida };
// Loads a saved game (with its orientation and language, and says the
// computer's last move), else a game of chess of the file (a FEN, or a PGN
// game: when the file holds several, they are listed with their tags and
// the number read from the next line picks one), which goes on from its
// last position, even when that ends the game; says so when it cannot, with
// a line that tells why, and the game stays as it was. A file that is not
// text is refused at once. `fim_dado`, when given, gets the end that a PGN
// game's result says ("1-0", "0-1", "1/2-1/2") when it has moves; nenhum for
// "*", for a position with no moves (a puzzle) and for anything else loaded.
Aberto abre_jogo(Console& console, Arquivos& arquivos, Jogo& jogo, Exibicao& exibicao,
                 Termino* fim_dado = nullptr);

// Writes the game from its start as PGN; says so when it cannot, and why.
void grava_pgn(Console& console, Arquivos& arquivos, const Jogo& jogo, bool ingles);

// Why a file could not be written, in words.
std::string_view motivo_da_gravacao(FalhaDeGravacao falha, bool ingles);
// Why a file could not be read, in words.
std::string_view motivo_da_falha(FalhaDeLeitura falha, bool ingles);
// Why a game read from a file was refused, in words; empty when it was not.
std::string motivo_do_jogo(const xadrez::JogoLido& jogo, bool ingles);
// Why game n (from 1) of the file cannot be loaded, in words, `pedido`
// naming it as it was asked for; empty when it can be.
std::string motivo_da_recusa(const ArquivoDeJogo& arquivo, std::size_t n, std::string_view pedido,
                             bool ingles);

// What tells one game of a file from the others: the values of its Event,
// White and Black, Date, ECO, Opening, Variation and Result tags that are
// known.
std::string descricao_da_partida(const xadrez::JogoLido& jogo, bool ingles);

} // namespace quelmaro
