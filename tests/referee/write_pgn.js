#!/usr/bin/env node
// Writes PGN files of seeded random games with chess.js, for the test that
// loads them with the program's PGN reader and checks them position by
// position. For game N it writes N.pgn (chess.js's own PGN text, with the
// seven-tag roster, comments on some moves, and a FEN tag for the games that
// start from a position reached by random moves) and N.txt: the start
// position's FEN, then for each move one line "SAN<TAB>FEN after it", then
// the line "end" (the file is complete) and, for a game that ends in mate or
// stalemate, the line "over".
//
//   node write_pgn.js --out DIR [--games N] [--seed S]
import fs from "node:fs";
import path from "node:path";
import { Chess } from "chess.js";
import { random, options } from "./run.js";

const opt = options(process.argv.slice(2), { out: null, games: 40 }, "out");
fs.mkdirSync(opt.out, { recursive: true });
// The files of an earlier run go, so that the folder holds this run only.
for (const f of fs.readdirSync(opt.out)) if (/^\d+\.(pgn|txt)$/.test(f)) fs.rmSync(path.join(opt.out, f));

for (let g = 0; g < opt.games; g++) {
  const rnd = random(opt.seed + g);
  let chess = new Chess();
  // Every third game starts from a position some random moves in.
  if (g % 3 === 1) {
    for (let k = 10 + rnd.int(30); k > 0 && !chess.isGameOver(); k--) chess.move(rnd.pick(chess.moves()));
    if (chess.isGameOver()) chess = new Chess();
    else chess = new Chess(chess.fen());
  }
  chess.setHeader("Event", `Random game ${opt.seed + g}`);
  chess.setHeader("Site", "chess.js");
  chess.setHeader("White", "Random");
  chess.setHeader("Black", "Random");
  const lines = [chess.fen()];
  // Up to 300 plies; most games end by the ply limit, some in mate, stalemate
  // or a draw by the rules of chess.js (which the file does not record).
  const plies = 1 + rnd.int(300);
  for (let p = 0; p < plies && !chess.isCheckmate() && !chess.isStalemate(); p++) {
    const move = chess.move(rnd.pick(chess.moves()));
    if (rnd.int(8) === 0) chess.setComment(`ply ${p + 1}; a {comment}`.replace(/[{}]/g, ""));
    lines.push(`${move.san}\t${chess.fen()}`);
  }
  const over = chess.isCheckmate() || chess.isStalemate();
  chess.setHeader("Result", chess.isCheckmate() ? (chess.turn() === "w" ? "0-1" : "1-0") : chess.isStalemate() ? "1/2-1/2" : "*");
  lines.push("end");
  if (over) lines.push("over");
  // (chess.js 1.4.0 with maxWidth glues a move to the next move number at
  // some line breaks, "c55.", so the move text stays on one line.)
  fs.writeFileSync(path.join(opt.out, `${g}.pgn`), chess.pgn() + "\n");
  fs.writeFileSync(path.join(opt.out, `${g}.txt`), lines.join("\n") + "\n");
}
console.log(`${opt.games} games written to ${opt.out}`);
