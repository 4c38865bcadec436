// The web page's questions to the program, each answered as one JSON text
// for the page's script: a game is its starting FEN and its moves in
// coordinates, separated by blanks, as UCI's "position" writes them. The
// rules, the notation, the files, the explanations and the words are the
// program's own; the page only draws and asks.
#pragma once

#include <string>
#include <string_view>

namespace quelmaro::web {

// The game's last position: its FEN, the side to move, check, every legal
// move (coordinates and SAN in the language's letters), the moves played in
// SAN, and how the game has ended ("mate", "afogamento", "material",
// "repeticao", "cinquenta"; "" while it goes on) with the words that say so.
// {"erro": ...} when the FEN or a move is refused.
std::string estado(std::string_view fen, std::string_view lances, bool ingles);

// A FEN or the first game of a PGN text, pasted or dropped on the page: its
// starting FEN and its moves, or the reason it was refused.
std::string carrega(std::string_view texto, bool ingles);

// The PGN of the game; `anotada`: with the program's move and reason after
// every move of the computer's side (the one of `computador_brancas`), as
// --annotate writes them. `resultado` is "1-0", "0-1", "1/2-1/2" or "*".
std::string pgn(std::string_view fen, std::string_view lances, std::string_view resultado,
                bool anotada, bool computador_brancas, bool ingles);

// The engine pass on the game's last position for the side to move, with the
// fixed opening moves due as in a game from the start: the --explain table
// (its text, and its rows: move, rule, features in words, the arrows of the
// move), its legend, the rule that chose and the choice (a hint, in the
// player's turn).
std::string analise(std::string_view fen, std::string_view lances, bool ingles);

// "why MOVE" for a move in coordinates on the same pass, and the replies that
// would take a piece after it (arrows).
std::string porque(std::string_view fen, std::string_view lances, std::string_view lance,
                   bool ingles);

// Every message of the program's tables in one language, by number, and the
// numbers of those the page uses, by name.
std::string mensagens(bool ingles);

} // namespace quelmaro::web
