#!/usr/bin/env node
// The two halves of the xboard analysis test (tests/xboard_analysis.sh):
//
//   node xboard_analysis.js --write GAME.pgn [--seed S] [--plies P]
//     writes a seeded random game with chess.js (castling, captures in
//     passing and promotions played whenever they can be), for xboard to
//     load, and prints the number of its half-moves;
//
//   node xboard_analysis.js --check DEBUG.txt --pgn GAME.pgn [--forward F --back B]
//     reads xboard's debug log of the session and replays, with chess.js,
//     every command xboard sent the engine (moves, undo, new, setboard,
//     analyze, exit). Each time the position changes in analysis, and on
//     entering it, the engine must print exactly one thinking line
//     "1 SCORE 0 NODES MOVE {reason}" for that position: the move legal for
//     the side to move, the score the material after it (by the program's
//     piece values, in centipawns; 100001 for mate), none when the side to
//     move has no move; each "." is answered "stat01: 0 NODES 1 0 LEGAL" with
//     the last line's nodes and the number of legal moves. The moves xboard
//     sends must be the game's, in order (it steps forward and back through
//     it), F moves forward and B back in analysis when given, and the session
//     end at the game's last position. Prints the positions stepped through
//     and the lines judged.
import fs from "node:fs";
import { Chess } from "chess.js";
import { Judge, isExotic } from "./judge.js";
import { random, options } from "./run.js";

const opt = options(process.argv.slice(2), { write: null, check: null, pgn: null, plies: 40, forward: -1, back: -1 }, null);

if (opt.write) {
  const rnd = random(opt.seed);
  const chess = new Chess();
  for (let n = 0; n < opt.plies && !chess.isGameOver(); n++) {
    const moves = chess.moves({ verbose: true });
    const rare = moves.filter((m) => isExotic(m) || m.promotion);
    chess.move(rnd.pick(rare.length ? rare : moves));
  }
  for (const [k, v] of [["Event", "Analysis"], ["Site", "?"], ["Date", "2026.01.01"], ["Round", "1"], ["White", "White"], ["Black", "Black"]])
    chess.setHeader(k, v);
  fs.writeFileSync(opt.write, `${chess.pgn()}\n`);
  console.log(chess.history().length);
  process.exit(0);
}

if (!opt.check || !opt.pgn) {
  console.error("--write GAME.pgn, or --check DEBUG.txt --pgn GAME.pgn");
  process.exit(2);
}
const game = new Chess();
game.loadPgn(fs.readFileSync(opt.pgn, "utf8"));
const gameMoves = game.history({ verbose: true }).map((m) => m.from + m.to + (m.promotion ?? ""));

const failures = [];
const fail = (n, why) => failures.push(`debug line ${n}: ${why}`);
let judge = new Judge();
let analysing = false;
const expected = []; // positions whose thinking line is due, in order
let lastNodes = null;
const stats = { positions: 0, forward: 0, back: 0, thinkingLines: 0, statLines: 0 };

// A position reached in analysis: its thinking line is due, unless the side to move has none.
const due = () => {
  stats.positions++;
  if (!judge.ending()) expected.push({ fen: judge.fen(), legal: judge.legalMoves().length });
  else expected.push({ fen: judge.fen(), none: true });
};
const THINKING = /^(-?\d+) (-?\d+) (\d+) (\d+) (\S+) \{(.+)\}$/;
const REASON = /^(Rule ([1-9]|[1-4]\d|5[0-4]): .+|Opening move: .+|My only legal moves are ones my rules do not look at.+)$/;

const lines = fs.readFileSync(opt.check, "latin1").split("\n");
lines.forEach((raw, i) => {
  const n = i + 1;
  const sent = /^\d+ >first : (.*)$/.exec(raw);
  const got = /^\d+ <first : (.*)$/.exec(raw);
  if (sent) {
    const c = sent[1].trim();
    if (c === "new") judge = new Judge();
    else if (c.startsWith("setboard ")) judge = new Judge(c.slice(9));
    else if (c === "analyze") {
      analysing = true;
      return due();
    } else if (c === "exit") analysing = false;
    else if (c === "undo" || c === "remove") {
      for (let k = c === "undo" ? 1 : 2; k > 0; k--) judge.undo();
      if (analysing) stats.back++;
    } else if (c === ".") {
      if (analysing) expected.push({ stat: true, legal: judge.legalMoves().length });
      return;
    } else if (/^[a-h][1-8][a-h][1-8][qrbn]?$/.test(c)) {
      const move = judge.find(c.slice(0, 2), c.slice(2, 4), c[4] ?? "q");
      if (!move) return fail(n, `xboard sent ${c}, illegal in ${judge.fen()}`);
      if (c !== gameMoves[judge.plies()]) fail(n, `xboard sent ${c}, not the game's move ${gameMoves[judge.plies()]}`);
      judge.play(move);
      if (analysing) stats.forward++;
    } else return;
    if (analysing && (c === "undo" || c === "remove" || c === "new" || c.startsWith("setboard ") || /^[a-h][1-8]/.test(c))) due();
    return;
  }
  if (!got) return;
  const text = got[1].trimEnd();
  const stat = /^stat01: 0 (\d+) 1 0 (\d+)$/.exec(text);
  const think = THINKING.exec(text);
  if (!stat && !think) {
    if (/^(Illegal move|Error|tellusererror|move )/.test(text)) fail(n, `the engine printed "${text}"`);
    return;
  }
  // Positions the engine has no move for print nothing (and leave no nodes).
  while (expected.length && expected[0].none) {
    expected.shift();
    lastNodes = 0;
  }
  const want = expected.shift();
  if (!want) return fail(n, `"${text}" answers nothing xboard sent`);
  if (stat) {
    stats.statLines++;
    if (!want.stat) return fail(n, `"${text}" where a thinking line was due for ${want.fen}`);
    if (Number(stat[2]) !== want.legal || (lastNodes !== null && Number(stat[1]) !== lastNodes))
      fail(n, `"${text}": expected ${lastNodes} nodes and ${want.legal} legal moves`);
    return;
  }
  stats.thinkingLines++;
  if (want.stat) return fail(n, `"${text}" where stat01 was due`);
  const [, depth, score, time, nodes, mv, reason] = think;
  lastNodes = Number(nodes);
  const position = new Judge(want.fen);
  const m = /^([a-h][1-8])([a-h][1-8])([qrbn]?)$/.exec(mv);
  const move = m && position.find(m[1], m[2], m[3] || "q");
  if (!move || Boolean(move.promotion) !== Boolean(m[3])) return fail(n, `thinking move ${mv} is illegal in ${want.fen}`);
  if (!position.programMay(move)) fail(n, `thinking move ${mv}, a move the program never makes, in ${want.fen}`);
  if (depth !== "1" || time !== "0" || !(lastNodes > 0) || !REASON.test(reason)) fail(n, `thinking line "${text}"`);
  const colour = position.turn();
  position.play(move);
  const points = position.ending() === "mate" ? 100001 : position.centipawns(colour);
  if (Number(score) !== points) fail(n, `score ${score} for ${mv} in ${want.fen}, expected ${points}`);
});
while (expected.length && expected[0].none) expected.shift();
if (expected.length) failures.push(`${expected.length} answers never came, the first for ${JSON.stringify(expected[0])}`);
if (!stats.forward || !stats.back || (opt.forward >= 0 && stats.forward !== opt.forward) || (opt.back >= 0 && stats.back !== opt.back))
  failures.push(`xboard stepped ${stats.forward} moves forward and ${stats.back} back in analysis`);
if (judge.plies() !== gameMoves.length) failures.push(`the session ended ${judge.plies()} half-moves into the game, not at its end`);

console.log(`xboard analysis: ${stats.positions} positions stepped to (${stats.forward} forward, ${stats.back} back, the rest on entering analysis), ` +
  `${stats.thinkingLines} thinking lines and ${stats.statLines} stat01 lines judged; the game has ${gameMoves.length} moves`);
for (const f of failures.slice(0, 20)) console.log(`FAILED ${f}`);
console.log(`${failures.length ? 0 : 1} passed, ${failures.length ? 1 : 0} failed`);
process.exitCode = failures.length ? 1 : 0;
