#!/usr/bin/env node
// The chess module's PGN writer against chess.js: seeded random games, from
// the start or from a position some random moves in (either side to move),
// with random tags, comments (braces, line breaks, tabs, semicolons and the
// like inside) before the first move and after any half-move, and random
// variations (legal lines from the position before the half-move, some with
// a comment). The test tool writes each game ("quelmaro_xadrez escreve");
// chess.js must read it back with the same mainline, the same final
// position, the comments of the mainline (as the writer states it: braces
// as parentheses, blanks as single spaces), the tags and the result.
// (Tag values have no quotes or backslashes: chess.js 1.4.0 reads no escaped
// quote, which the writer writes as PGN has it.)
//   node pgn_writer.js --tool build/tests/quelmaro_xadrez [--games N] [--seed S]
import { spawnSync } from "node:child_process";
import { Chess } from "chess.js";
import { random, options } from "./run.js";

const opt = options(process.argv.slice(2), { tool: null, games: 200 }, "tool");

const CHARS = "abcdefghij XYZ 0123456789 {}{}()[];%$!?.,\"'\\\n\t\r é";
const uci = (m) => m.from + m.to + (m.promotion ?? "");
const escape = (s) => s.replace(/\\/g, "\\\\").replace(/\n/g, "\\n");
// A comment as the writer puts it: braces as parentheses, every run of
// blanks and control characters one space.
const written = (s) => s.replace(/{/g, "(").replace(/}/g, ")").replace(/[\x00-\x20\x7f]+/g, " ").trim();
const squeeze = (s) => s.replace(/\s+/g, " ").trim();

function game(seed) {
  const rnd = random(seed);
  const text = (n) => Array.from({ length: 1 + rnd.int(n) }, () => CHARS[rnd.int(CHARS.length)]).join("");
  let chess = new Chess();
  if (rnd.int(3) === 0) {
    for (let k = 1 + rnd.int(30); k > 0 && !chess.isGameOver(); k--) chess.move(rnd.pick(chess.moves()));
    if (chess.isGameOver()) chess = new Chess();
    chess = new Chess(chess.fen());
  }
  const start = chess.fen();
  const lines = [];
  if (start !== new Chess().fen()) lines.push(`fen ${start}`);
  const tags = { Event: `Game ${seed}`, Site: "Here", White: `W${rnd.int(100)}`, Black: `B${rnd.int(100)}`, Annotator: "random" };
  for (const [k, v] of Object.entries(tags)) lines.push(`tag ${k}\t${v}`);
  const comments = {}; // by the FEN after the move (the start for the first)
  if (rnd.int(4) === 0) {
    const c = text(30);
    lines.push(`comment0 ${escape(c)}`);
    if (written(c)) comments[start] = written(c);
  }
  const plies = 1 + rnd.int(150);
  for (let p = 0; p < plies && !chess.isCheckmate() && !chess.isStalemate(); p++) {
    const move = rnd.pick(chess.moves({ verbose: true }));
    // Variations from the position before the move.
    const variations = [];
    for (let v = rnd.int(6) === 0 ? 1 + rnd.int(2) : 0; v > 0; v--) {
      const side = new Chess(chess.fen());
      const line = [];
      for (let k = 1 + rnd.int(8); k > 0 && !side.isCheckmate() && !side.isStalemate(); k--) {
        const m = rnd.pick(side.moves({ verbose: true }));
        side.move({ from: m.from, to: m.to, promotion: m.promotion });
        line.push(uci(m));
      }
      variations.push(line.join(" ") + (rnd.int(2) ? `\t${escape(text(20))}` : ""));
    }
    chess.move({ from: move.from, to: move.to, promotion: move.promotion });
    lines.push(`move ${uci(move)}`);
    if (rnd.int(5) === 0) {
      const c = text(40);
      lines.push(`comment ${escape(c)}`);
      if (written(c)) comments[chess.fen()] = written(c);
    }
    for (const v of variations) lines.push(`var ${v}`);
  }
  const given = rnd.pick(["1-0", "0-1", "1/2-1/2", "*"]);
  lines.push(`result ${given}`, "end");
  const result = chess.isCheckmate() ? (chess.turn() === "w" ? "0-1" : "1-0") : chess.isStalemate() ? "1/2-1/2" : given;
  return { lines, history: chess.history(), fen: chess.fen(), comments, tags, result };
}

const games = Array.from({ length: opt.games }, (_, g) => game(opt.seed + g));
const run = spawnSync(opt.tool, ["escreve"], {
  input: games.map((g) => g.lines.join("\n")).join("\n") + "\n",
  encoding: "utf8",
  maxBuffer: 1 << 30,
});
const texts = run.stdout.split("\n").filter(Boolean).map((l) => JSON.parse(l));
let failed = 0, plies = 0, comments = 0, variations = 0;
if (run.status !== 0 || texts.length !== games.length) {
  console.log(`the tool failed (status ${run.status}, ${texts.length} games written) ${run.stderr}`);
  failed = games.length;
}
texts.forEach((pgn, i) => {
  const g = games[i];
  const seed = opt.seed + i;
  const chess = new Chess();
  const fail = (why) => {
    failed++;
    console.log(`FAILED seed ${seed}: ${why}\n${pgn}`);
  };
  try {
    chess.loadPgn(pgn);
  } catch (e) {
    return fail(`chess.js refuses it: ${e.message.split("\n")[0]}`);
  }
  if (chess.history().join(" ") !== g.history.join(" ")) return fail("another mainline");
  if (chess.fen() !== g.fen) return fail(`final position ${chess.fen()}, not ${g.fen}`);
  const theirs = Object.fromEntries(chess.getComments().map((c) => [c.fen, squeeze(c.comment)]));
  if (JSON.stringify(theirs, Object.keys(theirs).sort()) !== JSON.stringify(g.comments, Object.keys(g.comments).sort()))
    return fail(`comments ${JSON.stringify(theirs)}, not ${JSON.stringify(g.comments)}`);
  const headers = chess.getHeaders();
  for (const [k, v] of Object.entries(g.tags)) if (headers[k] !== v) return fail(`tag ${k} is ${headers[k]}`);
  if (headers.Result !== g.result) return fail(`result ${headers.Result}, not ${g.result}`);
  plies += g.history.length;
  comments += Object.keys(g.comments).length;
  variations += g.lines.filter((l) => l.startsWith("var ")).length;
});
console.log(`games ${games.length}, half-moves ${plies}, comments ${comments}, variations ${variations}`);
console.log(`${games.length - failed} passed, ${failed} failed`);
process.exitCode = failed ? 1 : 0;
