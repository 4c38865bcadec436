#!/usr/bin/env node
// The chess module's draw rules against chess.js on seeded random games that
// often move a piece back where it came from (so positions repeat), prefer
// captures (so the material runs out) and go on through draws until mate,
// stalemate or the ply limit. For every position the test tool ("regras")
// gives its repetition key, how often it has occurred, and its judgement of
// threefold repetition, the fifty-move rule and a dead position by material.
// Compared with chess.js:
// - the key, with chess.js's FEN (which writes the passed square only when a
//   capture in passing is legal), and the count, with the positions of the
//   same key so far;
// - threefold repetition with isThreefoldRepetition(); chess.js keeps the
//   passed square in its repetition hash whenever a pawn of the side to move
//   stands beside it, even when that pawn may not take (pinned), so the
//   positions where the two differ for that reason alone are counted apart;
// - fifty moves and material with isDrawByFiftyMoves() and
//   isInsufficientMaterial(), exactly.
//   node draw_rules.js --tool build/tests/quelmaro_xadrez [--games N] [--seed S]
import { spawnSync } from "node:child_process";
import { Chess } from "chess.js";
import { random, options } from "./run.js";

const opt = options(process.argv.slice(2), { tool: null, games: 60 }, "tool");

const STARTS = [
  "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1",
  "4k3/8/8/8/8/8/8/R3K2R w KQ - 0 1",
  "4k3/3p4/8/4P3/8/8/8/4K2R b K - 0 1", // ...d5 lets exd6 happen, or not
  "k7/8/8/2b5/8/8/1B4N1/4K3 w - - 90 70", // near fifty moves, bishops and a knight
  "8/8/8/8/k2Pp2Q/8/8/4K3 b - d3 0 1", // exd3 would open the rank to the king: no capture in passing
];
const uci = (m) => m.from + m.to + (m.promotion ?? "");
const key = (fen) => fen.split(" ").slice(0, 4).join(" ");

const games = [];
for (let g = 0; g < opt.games; g++) {
  const rnd = random(opt.seed + g);
  const chess = new Chess(STARTS[g % STARTS.length]);
  const start = chess.fen();
  const js = [{ fen: start, pseudo: key(chess.fen({ forceEnpassantSquare: true })), three: chess.isThreefoldRepetition(), fifty: chess.isDrawByFiftyMoves(), dead: chess.isInsufficientMaterial() }];
  const moves = [], played = [];
  for (let p = 0; p < 300 && !chess.isCheckmate() && !chess.isStalemate(); p++) {
    const legal = chess.moves({ verbose: true });
    const last = played.at(-2); // our side's last move
    const back = last && legal.find((m) => m.from === last.to && m.to === last.from);
    const captures = legal.filter((m) => m.captured);
    const m = back && rnd.int(3) ? back : captures.length && rnd.int(2) ? rnd.pick(captures) : rnd.pick(legal);
    chess.move({ from: m.from, to: m.to, promotion: m.promotion });
    played.push(m);
    moves.push(uci(m));
    js.push({ fen: chess.fen(), pseudo: key(chess.fen({ forceEnpassantSquare: true })), three: chess.isThreefoldRepetition(), fifty: chess.isDrawByFiftyMoves(), dead: chess.isInsufficientMaterial() });
  }
  games.push({ start, moves, js });
}

const run = spawnSync(opt.tool, ["regras"], {
  input: games.map((g) => `${g.start}\t${g.moves.join(" ")}`).join("\n") + "\n",
  encoding: "utf8",
  maxBuffer: 1 << 30,
});
const blocks = run.stdout.split("end\n").slice(0, -1);
const n = { positions: 0, threefold: 0, pinned: 0, fifty: 0, dead: 0 };
let failed = 0;
if (run.status !== 0 || blocks.length !== games.length) {
  console.log(`the tool failed (status ${run.status}, ${blocks.length} games) ${run.stderr}`);
  failed = games.length;
}
blocks.forEach((block, i) => {
  const g = games[i];
  const ours = block.split("\n").filter(Boolean).map((l) => {
    const [k, rest] = l.split("\t");
    const [count, three, fifty, dead] = rest.split(" ").map(Number);
    return { key: k, count, three: !!three, fifty: !!fifty, dead: !!dead };
  });
  const seen = new Map(), pseudoSeen = new Map();
  const why = (() => {
    if (ours.length !== g.js.length) return `${ours.length} positions, chess.js ${g.js.length}`;
    for (let p = 0; p < ours.length; p++) {
      const o = ours[p], j = g.js[p], k = key(j.fen);
      seen.set(k, (seen.get(k) ?? 0) + 1);
      pseudoSeen.set(j.pseudo, (pseudoSeen.get(j.pseudo) ?? 0) + 1);
      const at = `position ${p} (${j.fen})`;
      if (o.key !== k) return `${at}: key ${o.key}`;
      if (o.count !== seen.get(k)) return `${at}: occurred ${o.count} times, not ${seen.get(k)}`;
      if ((pseudoSeen.get(j.pseudo) >= 3) !== j.three) return `${at}: the script's own count of chess.js's repetitions is wrong`;
      if (o.three !== j.three) {
        if ((seen.get(k) >= 3) === o.three && (pseudoSeen.get(j.pseudo) >= 3) === j.three) n.pinned++;
        else return `${at}: threefold ${o.three}, chess.js ${j.three}`;
      }
      if (o.fifty !== j.fifty) return `${at}: fifty moves ${o.fifty}, chess.js ${j.fifty}`;
      if (o.dead !== j.dead) return `${at}: dead by material ${o.dead}, chess.js ${j.dead}`;
      n.positions++;
      n.threefold += o.three;
      n.fifty += o.fifty;
      n.dead += o.dead;
    }
    return null;
  })();
  if (why) {
    failed++;
    console.log(`FAILED seed ${opt.seed + i}: ${why}\n  ${g.start} ${g.moves.join(" ")}`);
  }
});
console.log(
  `games ${games.length}, positions ${n.positions}: threefold ${n.threefold}, fifty moves ${n.fifty}, ` +
    `dead by material ${n.dead}; threefold where chess.js counts a capture in passing that is not legal: ${n.pinned}`,
);
console.log(`${games.length - failed} passed, ${failed} failed`);
process.exitCode = failed ? 1 : 0;
