#!/usr/bin/env node
// Judges a UCI GUI's session with the engine build from a log of both
// directions ("> " what the GUI sent, "< " what the engine printed, in
// order), as tests/chessx_analysis.sh writes it: after every "go" the
// engine's info lines and bestmove are checked by chess.js in the position
// the GUI last sent (the judge of the referee's UCI games, uci.js), and
// nothing but "readyok" answers anything else ("stop" with nothing held is
// silent). Prints the positions analysed.
//
//   node uci_log.js LOG [--at-least N]
import fs from "node:fs";
import { Foul, Judge } from "./judge.js";
import { checkBestmove } from "./uci.js";

// "position startpos|fen FEN [moves M1 M2 ...]" as a Judge, or null.
function parse(line) {
  const m = /^position (startpos|fen (.+?))(?: moves (.+))?$/.exec(line);
  if (!m) return null;
  let judge;
  try {
    judge = new Judge(m[2]);
  } catch {
    return null;
  }
  for (const t of m[3]?.split(/\s+/) ?? []) {
    const move = judge.find(t.slice(0, 2), t.slice(2, 4), t[4] ?? "q");
    if (!move) return null;
    judge.play(move);
  }
  return judge;
}

const [file, flag, count] = process.argv.slice(2);
const atLeast = flag === "--at-least" ? Number(count) : 1;
const failures = [];
let position = null; // the Judge of the last position sent
let go = null; // { judge, info, n } while a go waits for its bestmove
const positions = new Set();
let analysed = 0;

fs.readFileSync(file, "latin1").split("\n").forEach((raw, i) => {
  const n = i + 1;
  const line = raw.slice(2).trim();
  if (raw.startsWith("> ")) {
    if (line.startsWith("position ")) {
      const p = parse(line);
      if (!p) failures.push(`line ${n}: a position chess.js does not take: ${line}`);
      position = p;
    } else if (line.startsWith("go")) {
      if (go) failures.push(`line ${n}: "go" before the bestmove of the one at line ${go.n}`);
      if (!position) failures.push(`line ${n}: "go" with no position`);
      else go = { judge: new Judge(position.fen()), info: [], n };
    }
    return;
  }
  if (!raw.startsWith("< ")) return;
  if (go && line.startsWith("bestmove ")) {
    try {
      checkBestmove(go.judge, go.judge.turn(), { info: go.info, best: line.split(/\s+/)[1] ?? "" }, `line ${n}`);
      analysed++;
      positions.add(position.fen());
    } catch (e) {
      if (!(e instanceof Foul)) throw e;
      failures.push(`${e.message} (position ${position.fen()})`);
    }
    go = null;
  } else if (go && line.startsWith("info ")) go.info.push(line);
  else if (!/^(id |option |uciok$|readyok$)/.test(line)) failures.push(`line ${n}: "${line}" answers nothing`);
});
if (go) failures.push(`the "go" of line ${go.n} never got its bestmove`);
if (analysed < atLeast) failures.push(`${analysed} positions analysed, fewer than ${atLeast}`);
console.log(`UCI log: ${analysed} analyses judged, ${positions.size} positions`);
for (const f of failures.slice(0, 20)) console.log(`FAILED ${f}`);
console.log(`${failures.length ? 0 : 1} passed, ${failures.length ? 1 : 0} failed`);
process.exitCode = failures.length ? 1 : 0;
