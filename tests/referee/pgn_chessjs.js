// chess.js reading PGN text position by position, for the checks of the
// program's PGN files (pgn_files.js, open_files.js): the FEN of every
// position of a game, and whether two FENs are the same position.
// chess.js 1.4.0 refuses a FEN move number of 0, which the program takes as
// 1, quotes in a tag value, escaped or not (the program takes both), two
// comments in a row and escaped lines ("%" first on the line): it is given 1
// there, the quotes as apostrophes, the comments as one and no such lines.
import { Chess } from "chess.js";

// The castling rights that the king and rook on their home squares allow
// (chess.js keeps those of a FEN tag that they do not; the reader drops them).
function allowed(fen) {
  const [board, , rights] = fen.split(" ");
  const rows = board.split("/").map((r) => r.replace(/\d/g, (n) => ".".repeat(+n)));
  const at = (sq) => rows[8 - +sq[1]]["abcdefgh".indexOf(sq[0])];
  const keep = { K: ["e1", "K", "h1", "R"], Q: ["e1", "K", "a1", "R"], k: ["e8", "k", "h8", "r"], q: ["e8", "k", "a8", "r"] };
  const r = [...rights].filter((c) => keep[c] && at(keep[c][0]) === keep[c][1] && at(keep[c][2]) === keep[c][3]);
  return r.length ? r.join("") : "-";
}

// The same position: all fields but the passed square, which chess.js writes
// only when a capture in passing is legal, and then it must be ours.
export function same(ours, theirs) {
  const a = ours.split(" "), b = theirs.split(" ");
  b[2] = allowed(theirs);
  return [0, 1, 2, 4, 5].every((i) => a[i] === b[i]) && (b[3] === "-" || a[3] === b[3]);
}

export function chessJs(text) {
  const chess = new Chess();
  try {
    chess.loadPgn(
      text
        .replace(/(\[FEN "[^"]*) 0"\]/g, '$1 1"]')
        .replace(/^\[(\w+)\s+"(.*)"\s*\]\s*$/gm, (_, name, value) => `[${name} "${value.replace(/\\?"/g, "'")}"]`)
        .replace(/\}\s*\{/g, " ")
        .replace(/^%.*$/gm, ""),
    );
  } catch (e) {
    return { error: e.message.split("\n")[0].slice(0, 100) };
  }
  const history = chess.history({ verbose: true });
  return {
    fens: history.length ? [history[0].before, ...history.map((m) => m.after)] : [chess.fen()],
    moves: history.map((m) => m.san),
    result: chess.getHeaders().Result,
  };
}
