#!/usr/bin/env node
// PGN files opened with the console game's "open", every game of each: the
// game is picked by its number from the list the console shows when the file
// holds several, written again with "pgn", and that file read by chess.js
// position by position against chess.js's reading of the game's own text
// (cut out of the file by the chess module's multi-game reader, through the
// test tool quelmaro_xadrez "le"). Prints, per file and in all: the games
// the console lists, those it loads, those that load as finished games, those
// chess.js reads, the positions agreeing, and every disagreement. Fails when
// the console's list has another number of games than the reader, a position
// differs, a game's result is not written back as the file gave it, or the
// console refuses a game that chess.js reads.
//   node open_files.js --program build/quelmaro --tool build/tests/quelmaro_xadrez FILE...
import fs from "node:fs";
import os from "node:os";
import path from "node:path";
import { spawnSync } from "node:child_process";
import { chessJs, same } from "./pgn_chessjs.js";

const args = process.argv.slice(2);
const value = (name) => {
  const at = args.indexOf(name);
  if (at < 0 || at + 1 >= args.length) {
    console.error(`${name} PATH is required`);
    process.exit(2);
  }
  const v = args[at + 1];
  args.splice(at, 2);
  return v;
};
const program = path.resolve(value("--program"));
const tool = path.resolve(value("--tool"));
const files = args.map((f) => path.resolve(f));
const folder = fs.mkdtempSync(path.join(os.tmpdir(), "open-files-"));

// The console game on these lines after the start-up answers (English, no
// board, the player White); what it printed and the PGN file it wrote.
function console_(lines) {
  fs.rmSync(path.join(folder, "out.pgn"), { force: true });
  const run = spawnSync(program, [], {
    cwd: folder,
    input: ["e", "n", "y", ...lines, "quit", ""].join("\n"),
    encoding: "utf8",
    maxBuffer: 1 << 30,
  });
  const out = path.join(folder, "out.pgn");
  return { status: run.status, text: run.stdout, pgn: fs.existsSync(out) ? fs.readFileSync(out, "utf8") : null };
}

const total = { files: 0, games: 0, loads: 0, over: 0, chessjs: 0, positions: 0 };
let failed = false;
try {
  for (const file of files) {
    const read = spawnSync(tool, ["le", file], { maxBuffer: 1 << 30, encoding: "utf8" });
    if (read.status !== 0) {
      console.log(`${file}: the tool failed (${read.status}) ${read.stderr}`);
      failed = true;
      continue;
    }
    const games = read.stdout
      .split("\n")
      .filter((l) => l.startsWith("game "))
      .map((l) => l.split(" ").slice(1, 3).map(Number));
    const bytes = fs.readFileSync(file);
    const notes = [];
    // The list, with no game named.
    const list = console_(["open", file, ""]).text.match(/The file holds (\d+) games:/);
    const listed = list ? +list[1] : 1;
    if (listed !== games.length) {
      notes.push(`the console lists ${listed} games, the reader reads ${games.length}`);
      failed = true;
    }
    const count = { games: games.length, loads: 0, over: 0, chessjs: 0, positions: 0 };
    games.forEach(([start, end], i) => {
      const name = `game ${i + 1} (byte ${start})`;
      const theirs = chessJs(bytes.subarray(start, end).toString("utf8"));
      count.chessjs += !theirs.error;
      const run = console_(["open", file, ...(games.length > 1 ? [String(i + 1)] : []), "pgn", "out.pgn"]);
      const loaded = run.status === 0 && !run.text.includes("The game could not be loaded.") && run.pgn;
      if (!loaded) {
        const why = run.text.match(/could not be loaded\.\n(.*)\n/);
        notes.push(`${name}: not loaded (${why ? why[1] : "status " + run.status})${theirs.fens ? ", chess.js reads it" : ""}`);
        if (theirs.fens) failed = true;
        return;
      }
      count.loads++;
      count.over += run.text.includes("The game is over: ") || run.text.includes("This game is over, as the file says");
      if (!theirs.fens) {
        notes.push(`${name}: loaded, chess.js refuses it: ${theirs.error}`);
        return;
      }
      const ours = chessJs(run.pgn);
      if (!ours.fens) {
        notes.push(`${name}: chess.js refuses the game written again: ${ours.error}`);
        failed = true;
        return;
      }
      // A game with a result loads as finished with it, and "pgn" writes it back.
      if (theirs.result && theirs.result !== "*" && ours.result !== theirs.result) {
        notes.push(`${name}: written again with the result ${ours.result}, the file's ${theirs.result}`);
        failed = true;
      }
      if (ours.fens.length !== theirs.fens.length) {
        notes.push(`${name}: ${ours.fens.length - 1} half-moves loaded, chess.js ${theirs.fens.length - 1}`);
        failed = true;
      }
      for (let k = 0; k < Math.min(ours.fens.length, theirs.fens.length); k++) {
        if (!same(ours.fens[k], theirs.fens[k])) {
          notes.push(`${name}, position ${k}: ${ours.fens[k]} / chess.js ${theirs.fens[k]}`);
          failed = true;
          break;
        }
        count.positions++;
      }
    });
    total.files++;
    for (const k of Object.keys(count)) total[k] += count[k];
    console.log(
      `${path.basename(file)}: ${count.games} games, the console loads ${count.loads} ` +
        `(${count.over} finished), chess.js reads ${count.chessjs}, positions agreeing ${count.positions}`,
    );
    for (const note of notes.slice(0, 10)) console.log(`  ${note}`);
    if (notes.length > 10) console.log(`  ... ${notes.length - 10} more`);
  }
} finally {
  fs.rmSync(folder, { recursive: true, force: true });
}
console.log(
  `all: ${total.files} files, ${total.games} games, the console loads ${total.loads} ` +
    `(${total.over} finished), chess.js reads ${total.chessjs}, positions agreeing ${total.positions}`,
);
console.log(`${failed ? 0 : 1} passed, ${failed ? 1 : 0} failed`);
process.exitCode = failed ? 1 : 0;
