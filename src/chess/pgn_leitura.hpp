// Reading a game from PGN text: the first game of the text, its tags, its
// moves in standard algebraic notation (comments, NAGs, variations and move
// numbers skipped) and its result; the moves replayed by the rules of chess
// from the FEN tag or the ordinary start. Also the numbered move list that
// the console shows.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "chess/lances.hpp"
#include "chess/posicao.hpp"
#include "chess/san.hpp"

namespace quelmaro::xadrez {

// A game: where it started and the moves played from there, all legal.
struct Partida {
    Posicao inicio = Posicao::inicial();
    std::vector<Movimento> lances;
    bool operator==(const Partida&) const = default;
};

// Why a PGN text was refused.
enum class ErroPgn {
    nenhum,
    vazio,         // no game in the text
    tag,           // a tag pair that is not [Name "value"]
    fen,           // the FEN tag is no sound position
    simbolo,       // a character that has no place in move text
    comentario,    // a comment "{" without its "}"
    variacao,      // a ")" without its "(", or a "(" left open
    lance,         // a move that is unreadable, illegal or ambiguous
    sem_resultado, // the move text ends without "1-0", "0-1", "1/2-1/2" or "*"
    longo,         // more moves than any game can have
};

struct LeituraPgn {
    Partida partida;
    std::vector<std::pair<std::string, std::string>> tags; // in the order of the text
    std::string resultado;                                 // the game termination marker
    ErroPgn erro = ErroPgn::nenhum;
    std::size_t onde = 0; // offset in the text of what was refused
    bool ok() const { return erro == ErroPgn::nenhum; }
};

// No game of chess has more half-moves than this (the 50-move rule bounds it
// well below).
inline constexpr std::size_t MAXIMO_DE_MEIOS_LANCES = 12000;

// Reads the first game of the text. The moves are read with the English
// piece letters, as PGN files write them (and the letters only Portuguese
// uses). Linear in the length of the text, with no recursion: variations
// nest to any depth.
LeituraPgn le_pgn(std::string_view texto);

// How the games of a file are read (le_jogos): what is taken beyond le_pgn.
struct OpcoesPgn {
    // A FEN tag whose move number is 0 starts the game at move 1.
    bool numero_zero_e_um = true;
    // Keep the comments, NAGs and variations of the mainline (JogoLido::anotacoes).
    bool guarda_anotacoes = false;
};

// One game of a text, read or refused.
struct JogoLido {
    std::size_t inicio = 0, fim = 0; // its text: [inicio, fim) of the whole text
    // The tags, the game and the result as far as they were read; `erro` and
    // `onde` (an offset in the whole text) say why it was refused. A game that
    // ends in mate or stalemate is read like any other (see `fim`).
    LeituraPgn leitura;
    // ErroPgn::fen: why the FEN tag was refused (`onde` is the tag's offset).
    ErroFen erro_fen = ErroFen::nenhum;
    // ErroPgn::lance: the half-move refused, as "12..." names it (its move
    // number and whose it is), its text, and whether it is no SAN at all,
    // names no legal move or names two or more (LeituraSan's answer).
    struct {
        int numero = 0;
        bool das_brancas = true;
        std::string texto;
        LeituraSan::Resultado lido = LeituraSan::ilegivel;
    } lance;
    // With OpcoesPgn::guarda_anotacoes: the annotations of the text before
    // the first move ([0]) and after each half-move of the mainline ([k]
    // after the k-th), as PGN move text for Anotacao::original: comments
    // between braces with their blanks as single spaces (a rest-of-line
    // comment too, its braces as parentheses), NAGs, the marks glued to a
    // move as NAGs ("e4!?" gives "$5"), and variations as they stand (their
    // moves unchecked, results left out), one space between words.
    std::vector<std::string> anotacoes;
    bool ok() const { return leitura.ok(); }
};

// The games of a text in order, each read as le_pgn reads the first, from
// where the one before ended, but for a FEN move number of 0 (see the
// options) and a tag value with quotes that are not escaped (`[White ""A""]`,
// its value `"A"`: the value ends at the quote the closing bracket follows). A game refused does
// not stop the reading: the next game starts at the next line beginning with '[' after it (after
// the rest of its tag section, when it was refused there). Text that holds no game (blanks and
// comments after the last one) is no game. Linear in the length of the
// text, with no recursion.
std::vector<JogoLido> le_jogos(std::string_view texto, const OpcoesPgn& opcoes = {});
// The same, one game at a time, without keeping them: `faz` gets each game
// in turn and returns false to stop.
void para_cada_jogo(std::string_view texto, const OpcoesPgn& opcoes,
                    const std::function<bool(JogoLido&&)>& faz);

// Does the file's content look like text, which a PGN file or a FEN is:
// no NUL byte, few control characters (tab, line ends, form feed and a DOS
// end-of-file mark aside) and mostly UTF-8 (Latin-1 letters here and there
// are text too)? A program or a picture is not. Linear in its length.
bool e_texto(std::string_view conteudo);

// A game from the text of a file: a FEN on its first line, else the first
// PGN game. nullopt when it is neither, or when the side to move at the end
// has no move (mate or stalemate), since such a game cannot go on.
std::optional<Partida> le_partida(std::string_view texto);

// The position after all the game's moves.
Posicao posicao_final(const Partida& partida);

// The moves numbered, in SAN with the given piece letters: "1. e4 e6 2. d4",
// or "5... Nf6 6. Bg5" when the game starts with Black to move. Empty when
// there is no move.
std::string lances_numerados(const Partida& partida, const Letras& letras = INGLES);

} // namespace quelmaro::xadrez
