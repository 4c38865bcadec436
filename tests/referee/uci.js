// A UCI engine as a child process (the same pipes, waits and transcript as
// the XBoard driver), and the judge of one "go" of the engine build.
import { Foul } from "./judge.js";
import { XBoardEngine } from "./xboard.js";

export class UciEngine extends XBoardEngine {
  // "uci", then everything up to "uciok"; the "id name" line is kept.
  async handshake() {
    this.send("uci");
    const { before } = await this.until((l) => l.trim() === "uciok");
    this.id = before.find((l) => l.startsWith("id name "))?.slice(8) ?? "";
  }

  // Everything printed since the last call: the lines before "readyok".
  async sync() {
    this.send("isready");
    const { before } = await this.until((l) => l.trim() === "readyok");
    return before.filter((l) => l.trim() !== "");
  }

  // Sends the position and the go line; returns the lines before
  // "bestmove" and the move it names. After "go infinite" or "go ponder"
  // the bestmove must wait: the lines up to "readyok" hold none, and it
  // comes after "stop" (or, pondering, "ponderhit").
  async think(position, go = "go", release = "stop") {
    this.send(position);
    this.send(go);
    if (/\b(infinite|ponder)\b/.test(go)) {
      const info = await this.sync();
      if (info.some((l) => l.startsWith("bestmove")))
        throw new Foul(`"${go}" answered bestmove before "${release}": ${JSON.stringify(info)}`);
      this.send(release);
      const { before, line } = await this.until((l) => l.startsWith("bestmove"));
      return { info: [...info, ...before], best: line.split(/\s+/)[1] ?? "" };
    }
    const { before, line } = await this.until((l) => l.startsWith("bestmove"));
    return { info: before, best: line.split(/\s+/)[1] ?? "" };
  }
}

// The moves of the judge's game as a "position" command: from the start, or
// from `fen` when the game began elsewhere.
export function positionCommand(judge, fen, extra = []) {
  const moves = [...judge.played.map((m) => m.from + m.to + (m.promotion ?? "")), ...extra];
  return `position ${fen ? `fen ${fen}` : "startpos"}${moves.length ? ` moves ${moves.join(" ")}` : ""}`;
}

const SCORE =
    /^info depth 1 score (cp (-?\d+)|mate 1) nodes (\d+) time 1 pv ([a-h][1-8][a-h][1-8][qrbn]?)$/;
const REASON = /^info string (Rule ([1-9]|[1-4]\d|5[0-4]): .+|Opening move: .+|My only legal moves are ones my rules do not look at.+)$/;

// Checks the engine build's answer to "go" with `colour` to move and plays
// its move on the judge's board. No move ("0000", after the words of rule
// 55) exactly when the program sees none; else a legal move it makes (no castling, no capture in
// passing), its promotion letter written, after exactly two info lines: the
// rule that chose it, then the score (material after the move from its
// side, in centipawns on the usual scale; "mate 1" for a mating move) with
// the move as pv. Returns the move, or null.
export function checkBestmove(judge, colour, { info, best }, what) {
  const fail = (why) => {
    throw new Foul(`${what}: ${why}`);
  };
  const ending = judge.ending();
  if (ending) {
    if (best !== "0000" || info.length !== 1 || !/^info string Rule 55: /.test(info[0]))
      fail(`no move (${ending}): expected "info string Rule 55: ..." and "bestmove 0000", got ${JSON.stringify([...info, best])}`);
    return null;
  }
  const m = /^([a-h][1-8])([a-h][1-8])([qrbn]?)$/.exec(best);
  const move = m && judge.find(m[1], m[2], m[3] || "q");
  if (!move) fail(`bestmove ${best} is illegal in ${judge.fen()}`);
  if (!judge.programMay(move)) fail(`bestmove ${best}, a move the program never makes`);
  if (Boolean(move.promotion) !== Boolean(m[3])) fail(`bestmove ${best}: the promotion letter`);
  const s = info.length === 2 && SCORE.exec(info[1]);
  if (!s || s[4] !== best || !REASON.test(info[0])) fail(`info lines ${JSON.stringify(info)} for bestmove ${best}`);
  judge.play(move);
  const mate = judge.ending() === "mate";
  const cp = judge.centipawns(colour);
  if (mate ? s[1] !== "mate 1" : s[2] !== String(cp))
    fail(`"${info[1]}": expected ${mate ? "mate 1" : `cp ${cp}`} after ${best}`);
  return move;
}
