#!/usr/bin/env node
// Annotated games read back by chess.js: writes seeded random games (some
// from a FEN, some with comments of their own) into one PGN file, runs the
// program's --annotate on it for each side choice and both languages, and
// loads every game of the output with chess.js: the same mainline and
// result as the game given, a comment of the program's ("Quelmaro: ...")
// after every move of the side chosen and none after the others'. Prints
// the counts, and the positions the program annotated per second (the
// time of its whole run, file reading and PGN writing included).
// Then the same for the PGN files --files names (comma-separated), with
// their own comments, NAGs and variations: each game annotated reads back in
// chess.js as it is, with the mainline and the result of the game given and
// the program's words in the comment right after every move.
//
//   node annotate.js --program PATH [--games N] [--seed S] [--files A.pgn,B.pgn]
import { execFileSync } from "node:child_process";
import fs from "node:fs";
import os from "node:os";
import path from "node:path";
import { Chess } from "chess.js";
import { random, options } from "./run.js";
import { chessJs } from "./pgn_chessjs.js";

const opt = options(process.argv.slice(2), { program: null, games: 300, files: "" }, "program");
if (!opt.program) {
  console.error("--program PATH is required");
  process.exit(2);
}

// The games: chess.js's own PGN, and the moves and start of each.
const games = [];
for (let g = 0; g < opt.games; g++) {
  const rnd = random(opt.seed + g);
  let chess = new Chess();
  if (g % 4 === 1) {
    for (let k = 5 + rnd.int(30); k > 0 && !chess.isGameOver(); k--) chess.move(rnd.pick(chess.moves()));
    chess = new Chess(chess.isGameOver() ? undefined : chess.fen());
  }
  const start = chess.fen();
  chess.setHeader("Event", `Game ${g + 1}`);
  const plies = 1 + rnd.int(120);
  for (let p = 0; p < plies && !chess.isGameOver(); p++) {
    chess.move(rnd.pick(chess.moves()));
    if (rnd.int(10) === 0) chess.setComment(`a note of the game's own, ply ${p + 1}`);
  }
  const result = chess.isCheckmate() ? (chess.turn() === "w" ? "0-1" : "1-0") : chess.isDraw() ? "1/2-1/2" : "*";
  chess.setHeader("Result", result);
  games.push({ pgn: chess.pgn(), start, moves: chess.history(), result });
}
const dir = fs.mkdtempSync(path.join(os.tmpdir(), "annotate-"));
const file = path.join(dir, "games.pgn");
fs.writeFileSync(file, games.map((g) => g.pgn + "\n").join("\n"));

const fail = (why) => {
  console.error(`FAILED: ${why}`);
  process.exit(1);
};
let comments = 0, variations = 0, positions = 0, seconds = 0;
const rates = [];
const want_positions = games.reduce((n, g) => n + g.moves.length, 0);
for (const [side, lang] of [["both", "en"], ["white", "pt"], ["black", "en"]]) {
  const t0 = process.hrtime.bigint();
  const out = execFileSync(opt.program, ["--annotate", file, "--side", side, "--lang", lang], {
    encoding: "utf8",
    maxBuffer: 1 << 28,
  });
  const run = Number(process.hrtime.bigint() - t0) / 1e9;
  seconds += run;
  rates.push(`${side} ${Math.round(want_positions / run)}`);
  const texts = out.split(/\n(?=\[Event )/).filter((t) => t.trim());
  if (texts.length !== games.length) fail(`${side}: ${texts.length} games written for ${games.length}`);
  texts.forEach((text, g) => {
    const chess = new Chess();
    try {
      chess.loadPgn(text);
    } catch (e) {
      fail(`game ${g + 1} (${side}) does not read back: ${e.message}\n${text}`);
    }
    const want = games[g];
    if (JSON.stringify(chess.history()) !== JSON.stringify(want.moves))
      fail(`game ${g + 1} (${side}): another mainline\n${text}`);
    if (chess.getHeaders().Result !== want.result && !(want.result === "1/2-1/2" && chess.getHeaders().Result === "*"))
      fail(`game ${g + 1} (${side}): result ${chess.getHeaders().Result} for ${want.result}`);
    // Every move of the side chosen gets the program's word; chess.js keys
    // comments by the position after the move, so repeated positions count once.
    const replay = new Chess(want.start);
    const expected = new Set();
    for (const san of want.moves) {
      const mover = replay.turn();
      replay.move(san);
      if (side === "both" || (side === "white") === (mover === "w")) expected.add(replay.fen());
      positions++;
    }
    const ours = chess.getComments().filter((c) => c.comment.includes("Quelmaro: "));
    const keys = new Set(ours.map((c) => c.fen));
    for (const fen of expected) if (!keys.has(fen)) fail(`game ${g + 1} (${side}): no comment after the move to ${fen}\n${text}`);
    if (keys.size !== expected.size) fail(`game ${g + 1} (${side}): comments after moves of the other side\n${text}`);
    comments += ours.length;
    variations += (text.match(/\} \(/g) ?? []).length;
  });
}
fs.rmSync(dir, { recursive: true });

// The files given: every game, annotated for both sides in English and for
// Black in Portuguese.
let file_games = 0;
for (const given of opt.files ? opt.files.split(",") : []) {
  const originals = fs
    .readFileSync(given, "utf8")
    .split(/\n(?=\[Event )/)
    .filter((t) => t.includes("[Event "))
    .map(chessJs);
  originals.forEach((o, g) => {
    if (o.error) fail(`${given}, game ${g + 1}: chess.js does not read the file's own game: ${o.error}`);
  });
  for (const [side, lang] of [["both", "en"], ["black", "pt"]]) {
    const out = execFileSync(opt.program, ["--annotate", given, "--side", side, "--lang", lang], { encoding: "utf8" });
    const texts = out.split(/\n(?=\[Event )/).filter((t) => t.trim());
    if (texts.length !== originals.length) fail(`${given} (${side}): ${texts.length} games written for ${originals.length}`);
    texts.forEach((text, g) => {
      const chess = new Chess();
      try {
        chess.loadPgn(text);
      } catch (e) {
        fail(`${given}, game ${g + 1} (${side}) does not read back: ${e.message.split("\n")[0]}\n${text}`);
      }
      const want = originals[g];
      if (JSON.stringify(chess.history()) !== JSON.stringify(want.moves)) fail(`${given}, game ${g + 1} (${side}): another mainline\n${text}`);
      if (chess.getHeaders().Result !== want.result)
        fail(`${given}, game ${g + 1} (${side}): result ${chess.getHeaders().Result}, the file's ${want.result}\n${text}`);
      const ours = new Set(chess.getComments().filter((c) => c.comment.includes("Quelmaro: ")).map((c) => c.fen));
      want.fens.slice(1).forEach((fen, k) => {
        const black_moved = fen.split(" ")[1] === "w";
        if ((side === "both" || black_moved) && !ours.has(fen))
          fail(`${given}, game ${g + 1} (${side}): no comment of the program's after half-move ${k + 1}\n${text}`);
      });
      file_games++;
    });
  }
}
if (opt.files) console.log(`${file_games} games of the files given annotated and read back by chess.js`);
console.log(`${games.length} games annotated three ways and read back by chess.js: ${positions} positions, ${comments} comments, ${variations} variations`);
console.log(`positions per second, by --side: ${rates.join(", ")} (${seconds.toFixed(2)} s in all)`);
