#!/usr/bin/env node
// Reads PGN files with the chess module's multi-game reader (through the
// test tool quelmaro_xadrez, "le") and each game it finds with chess.js, and
// compares them game by game and position by position. Prints, per file and
// in all: the games found, those the reader reads, those the older reader
// (le_pgn, and le_partida as the console's "open" uses it) reads from the
// same game text, those chess.js reads, and every disagreement. Fails when a
// position differs, or when the reader refuses a game that chess.js reads.
// chess.js 1.4.0 refuses a FEN move number of 0, which the reader takes as
// 1, quotes in a tag value, escaped or not (the reader takes both), two
// comments in a row and escaped lines ("%" first on the line): it is given 1
// there, the quotes as apostrophes, the comments as one and no such lines.
// Each game read is also written again with its annotations kept (comments,
// NAGs, variations): the reader must read that back the same, and chess.js,
// when it read the game, with the same positions.
//   node pgn_files.js --tool build/tests/quelmaro_xadrez FILE...
import fs from "node:fs";
import path from "node:path";
import { spawnSync } from "node:child_process";
import { chessJs, same } from "./pgn_chessjs.js";

const args = process.argv.slice(2);
const at = args.indexOf("--tool");
if (at < 0 || at + 1 >= args.length) {
  console.error("--tool PATH is required");
  process.exit(2);
}
const tool = args[at + 1];
const files = args.filter((_, i) => i !== at && i !== at + 1);

const total = { files: 0, games: 0, read: 0, old: 0, loads: 0, chessjs: 0, positions: 0, again: 0 };
let failed = false;
for (const file of files) {
  const run = spawnSync(tool, ["le", file], { maxBuffer: 1 << 30, encoding: "utf8" });
  if (run.status !== 0) {
    console.log(`${file}: the tool failed (${run.status}) ${run.stderr}`);
    failed = true;
    continue;
  }
  const bytes = fs.readFileSync(file);
  const games = [];
  for (const line of run.stdout.split("\n")) {
    const [kind, ...rest] = line.split(" ");
    if (kind === "game") {
      const [start, end, error, where, , old, loads] = rest;
      games.push({ start: +start, end: +end, error, where: +where, old, loads, fens: [] });
    } else if (kind === "pos") games.at(-1).fens.push(rest.join(" "));
    else if (kind === "move") games.at(-1).move = rest.join(" ");
    else if (kind === "again") games.at(-1).again = JSON.parse(rest.join(" "));
    else if (kind === "reread") games.at(-1).reread = rest[0];
  }
  const count = { games: games.length, read: 0, old: 0, loads: 0, chessjs: 0, positions: 0, again: 0 };
  const notes = [];
  games.forEach((g, n) => {
    const text = bytes.subarray(g.start, g.end).toString("utf8");
    const theirs = chessJs(text);
    const ok = g.error === "none";
    count.read += ok;
    count.old += g.old === "ok";
    count.loads += g.loads === "loads";
    count.chessjs += !theirs.error;
    const name = `game ${n + 1} (byte ${g.start})`;
    if (ok) {
      const again = chessJs(g.again);
      const alike = again.fens && again.fens.length === g.fens.length && again.fens.every((f, i) => same(g.fens[i], f));
      count.again += g.reread === "same" && alike;
      if (g.reread !== "same") notes.push(`${name}: written again, the reader reads it otherwise`);
      else if (!alike) notes.push(`${name}: written again, chess.js reads ${again.error ?? "other positions"}`);
      if (g.reread !== "same" || (theirs.fens && !alike)) failed = true;
    }
    if (ok && theirs.fens) {
      if (g.fens.length !== theirs.fens.length) {
        notes.push(`${name}: ${g.fens.length - 1} half-moves, chess.js ${theirs.fens.length - 1}`);
        failed = true;
      }
      for (let i = 0; i < Math.min(g.fens.length, theirs.fens.length); i++) {
        if (!same(g.fens[i], theirs.fens[i])) {
          notes.push(`${name}, position ${i}: ${g.fens[i]} / chess.js ${theirs.fens[i]}`);
          failed = true;
          break;
        }
        count.positions++;
      }
    } else if (!ok && theirs.fens) {
      notes.push(`${name}: refused (${g.error} at ${g.where}${g.move ? ", " + g.move : ""}), chess.js reads it`);
      failed = true;
    } else if (ok) {
      notes.push(`${name}: read, chess.js refuses it: ${theirs.error}`);
    } else {
      notes.push(`${name}: refused (${g.error} at ${g.where}${g.move ? ", " + g.move : ""}), so does chess.js`);
    }
  });
  total.files++;
  for (const k of Object.keys(count)) total[k] += count[k];
  console.log(
    `${path.basename(file)}: ${count.games} games, read ${count.read}, le_pgn ${count.old}, ` +
      `le_partida ${count.loads}, chess.js ${count.chessjs}, positions agreeing ${count.positions}, ` +
      `written again and read alike ${count.again}`,
  );
  for (const note of notes.slice(0, 10)) console.log(`  ${note}`);
  if (notes.length > 10) console.log(`  ... ${notes.length - 10} more`);
}
console.log(
  `all: ${total.files} files, ${total.games} games, read ${total.read}, le_pgn ${total.old}, ` +
    `le_partida ${total.loads}, chess.js ${total.chessjs}, positions agreeing ${total.positions}, ` +
    `written again and read alike ${total.again}`,
);
console.log(`${failed ? 0 : 1} passed, ${failed ? 1 : 0} failed`);
process.exitCode = failed ? 1 : 0;
