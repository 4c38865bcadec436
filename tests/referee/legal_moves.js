// Seeded random games judged by chess.js, written as one line per position:
//   FEN <tab> its legal moves in SAN, sorted <tab> the move played <tab> FEN after it
// The chess rules module's test reads these lines and must agree on every one.
// The player prefers castling, captures in passing and promotions, so that
// the rare moves get played too.
//   node legal_moves.js [--games N] [--seed S] [--plies P] > file
import { Chess } from "chess.js";
import { options } from "./run.js";

const { games, plies, seed: first } = options(process.argv.slice(2), { games: 300, plies: 200 }, null);
let seed = first >>> 0;
function random() { // mulberry32
  seed = (seed + 0x6d2b79f5) >>> 0;
  let t = seed;
  t = Math.imul(t ^ (t >>> 15), t | 1);
  t ^= t + Math.imul(t ^ (t >>> 7), t | 61);
  return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
}
const pick = (list) => list[Math.floor(random() * list.length)];

const STARTS = [
  "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1",
  "r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq - 0 1",
  "8/2p5/3p4/KP5r/1R3p1k/8/4P1P1/8 w - - 0 1",
  "r3k2r/Pppp1ppp/1b3nbN/nP6/BBP1P3/q4N2/Pp1P2PP/R2Q1RK1 w kq - 0 1",
  "rnbq1k1r/pp1Pbppp/2p5/8/2B5/8/PPP1NnPP/RNBQK2R w KQ - 1 8",
];

const out = [];
for (let g = 0; g < games; ++g) {
  const chess = new Chess(STARTS[g % STARTS.length]);
  for (let p = 0; p < plies && !chess.isGameOver(); ++p) {
    const moves = chess.moves({ verbose: true });
    const rare = moves.filter((m) => /[ekqp]/.test(m.flags));
    const move = rare.length && random() < 0.7 ? pick(rare) : pick(moves);
    const sans = moves.map((m) => m.san).sort();
    const before = chess.fen();
    chess.move(move.san);
    out.push(`${before}\t${sans.join(" ")}\t${move.san}\t${chess.fen()}`);
  }
}
process.stdout.write(out.join("\n") + "\n");
