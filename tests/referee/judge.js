// The independent judge: a chess.js position plus the few facts about the
// program's own rules that the referee and the match relay need.
import { Chess } from "chess.js";

// Piece values the program uses for its material sum ("draw" answer).
const VALUE = { p: 1, b: 3, n: 4, r: 7, q: 20, k: 0 };
// Centipawns on the scale GUIs read, the program's scores.
const CENTIPAWNS = { p: 100, b: 300, n: 300, r: 500, q: 900, k: 0 };

export class Judge {
  // `fen`: the position to start from; the usual start when omitted.
  constructor(fen) {
    this.chess = new Chess(fen);
    this.played = []; // the moves of the game, as legalMoves() lists them
  }

  turn() {
    return this.chess.turn();
  }

  fen() {
    return this.chess.fen();
  }

  // The legal moves as { from, to, piece, promotion, flags }, flags in
  // chess.js's letters. Listing them is the judge's costly step: the list is
  // kept until the position changes, and taken from chess.js's own move
  // generator, since its public list also writes every move's notation
  // (which looks for mate after each move).
  legalMoves() {
    if (!this.cached) {
      const internal = this.chess._moves?.({ legal: true });
      this.cached = internal ? internal.map(fromInternal) : this.chess.moves({ verbose: true });
    }
    return this.cached;
  }

  // The legal move from `from` to `to`, or null. A pawn reaching the last
  // rank promotes to `promotion`.
  find(from, to, promotion = "q") {
    return (
      this.legalMoves().find(
        (m) => m.from === from && m.to === to && (!m.promotion || m.promotion === promotion),
      ) ?? null
    );
  }

  play(move) {
    this.cached = null;
    this.chess.move({ from: move.from, to: move.to, promotion: move.promotion });
    this.played.push(move);
  }

  undo() {
    this.cached = null;
    this.chess.undo();
    this.played.pop();
  }

  // The last move played. (chess.js's own history replays the whole game.)
  last() {
    return this.played.at(-1);
  }

  plies() {
    return this.played.length;
  }

  // Material of `colour` minus that of the other side, by the program's values.
  material(colour) {
    let sum = 0;
    for (const row of this.chess.board())
      for (const sq of row) if (sq) sum += (sq.color === colour ? 1 : -1) * VALUE[sq.type];
    return sum;
  }

  // The same in centipawns on the scale GUIs read: the program's scores.
  centipawns(colour) {
    let sum = 0;
    for (const row of this.chess.board())
      for (const sq of row) if (sq) sum += (sq.color === colour ? 1 : -1) * CENTIPAWNS[sq.type];
    return sum;
  }

  // When the side to move has no legal move: "mate" or "stalemate".
  ending() {
    if (this.legalMoves().length) return null;
    return this.inCheck() ? "mate" : "stalemate";
  }

  inCheck() {
    return this.chess.inCheck();
  }

  // The program never castles for itself and its rules never look at a
  // capture in passing (nor at a pawn's double step beside an opposing
  // pawn); when its side's only legal moves are such moves, it plays one of
  // them all the same. Is this move one the program may play here?
  programMay(move) {
    if (!isExotic(move)) return true;
    const outside = (m) => m.flags.includes("e") || m.flags.includes("b");
    return move.flags.includes("e") && this.legalMoves().every(outside);
  }
}

// chess.js's board is 0x88: file in the low nibble, rank 8 at row 0.
const square = (i) => "abcdefgh"[i & 15] + (8 - (i >> 4));
const FLAG_LETTERS = [[1, "n"], [2, "c"], [4, "b"], [8, "e"], [16, "p"], [32, "k"], [64, "q"]];
function fromInternal(m) {
  const flags = FLAG_LETTERS.filter(([bit]) => m.flags & bit).map(([, l]) => l).join("");
  return { from: square(m.from), to: square(m.to), piece: m.piece, promotion: m.promotion, flags };
}

// Castling or a capture in passing: the moves where the program's rules are
// allowed to be stricter than chess.
export function isExotic(move) {
  return /[kqe]/.test(move.flags);
}

export function other(colour) {
  return colour === "w" ? "b" : "w";
}

// A line the program printed that chess, or its own rules, do not allow.
export class Foul extends Error {}

// The program's result lines, by who has no move and the computer's colour.
export const RESULT = {
  computerMated: (computer) => (computer === "b" ? "1-0 {White Mates}" : "0-1 {Black Mates}"),
  computerStalemated: () => "1/2-1/2 {Draw by stalemate}",
  playerMated: (computer) => (computer === "b" ? "0-1 {Black mates}" : "1-0 {White mates}"),
  playerStalemated: () => "1/2-1/2 {Stalemate}",
};

// Checks what the program printed when it was its turn to move (after the
// other side's move, or "go"): a result line when it has no move, else
// "move XXXX" ("move XXXXq" for a promotion), followed by a result line exactly when that move leaves the
// other side without one. Plays the move on the judge's board.
// Returns { move, result }: the move played (null when none) and the name
// in RESULT of the result line (null when the game goes on). `play` applies
// the move to the judge.
export function checkComputerTurn(judge, computer, out, what, play = (m) => judge.play(m)) {
  const fail = (why) => {
    throw new Foul(`${what}: ${why}`);
  };
  const ending = judge.ending();
  if (ending) {
    const want = ending === "mate" ? RESULT.computerMated(computer) : RESULT.computerStalemated();
    if (out.length !== 1 || out[0] !== want)
      fail(`the computer has no move (${ending}); expected "${want}", got ${JSON.stringify(out)}`);
    return { move: null, result: ending === "mate" ? "computerMated" : "computerStalemated" };
  }
  const m = /^move ([a-h][1-8])([a-h][1-8])(q?)$/.exec(out[0] ?? "");
  if (!m) fail(`expected the computer's move, got ${JSON.stringify(out)}`);
  const move = judge.find(m[1], m[2], "q");
  if (!move) fail(`the computer's move ${m[1]}${m[2]} is illegal in ${judge.fen()}`);
  // A promotion (always to a queen) carries its letter, as the protocol writes it.
  if (Boolean(move.promotion) !== Boolean(m[3]))
    fail(`the computer's move ${m[1]}${m[2]}${m[3]}: the promotion letter`);
  if (!judge.programMay(move)) fail(`the computer played ${m[1]}${m[2]}, a move it never makes`);
  play(move);
  // The other side's castling and captures in passing are its moves too.
  const after = judge.ending();
  const rest = out.slice(1);
  if (after) {
    const want = after === "mate" ? RESULT.playerMated(computer) : RESULT.playerStalemated();
    if (rest.length !== 1 || rest[0] !== want)
      fail(`after "move ${m[1]}${m[2]}" the other side has no move (${after}); expected "${want}", got ${JSON.stringify(rest)}`);
    return { move, result: after === "mate" ? "playerMated" : "playerStalemated" };
  }
  if (rest.length) fail(`unexpected lines after "move ${m[1]}${m[2]}": ${JSON.stringify(rest)}`);
  return { move, result: null };
}
