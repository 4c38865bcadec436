#!/usr/bin/env node
// The words of the analysis table (--explain) against chess.js, on positions
// of seeded random games (mates and stalemates among them) and a few chosen
// ones, in English and Portuguese by turns:
// - the table's moves are the moves chess.js allows (castling and captures in
//   passing aside, which the computer's rules do not look at, and its pawn's
//   double step to a square beside an opposing pawn), and the moves
//   named apart as forbidden are the others its pieces could make, each
//   leaving its own king in check;
// - with no move allowed, the table says checkmate or stalemate, as chess.js
//   sees the position, and says neither otherwise;
// - a move carries the words of the king left open ("reply exposes your king")
//   exactly when, after it, some move of the other side with a piece other
//   than its king would leave that king in check (a move chess.js refuses).
//   A pawn move to the last row is left out: the analysis keeps it a pawn.
// Prints the counts; fails at the first disagreement, with the position.
//
//   node feature_words.js --program PATH [--positions N] [--seed S]
import { execFileSync } from "node:child_process";
import fs from "node:fs";
import os from "node:os";
import path from "node:path";
import { Chess } from "chess.js";
import { random, options } from "./run.js";

const opt = options(process.argv.slice(2), { program: null, positions: 300 }, "program");

const WORDS = {
  en: {
    exposes: "reply exposes your king",
    forbidden: "Moves the rules of chess forbid",
    mate: "checkmate.",
    stalemate: "stalemate, a draw.",
  },
  pt: {
    exposes: "resposta expõe seu rei",
    forbidden: "Lances que as regras do xadrez proíbem",
    mate: "xeque-mate.",
    stalemate: "afogamento, empate.",
  },
};

// Every move the pieces of `color` could make by their own movement, the
// king's safety aside: no castling, no capture in passing, a pawn on the
// last row still a pawn move ("e7e8").
function pseudo(chess, color) {
  const board = chess.board(); // board[0] is rank 8
  const at = (f, r) => (f < 0 || f > 7 || r < 0 || r > 7 ? undefined : board[7 - r][f]);
  const name = (f, r) => "abcdefgh"[f] + (r + 1);
  const moves = [];
  for (let r = 0; r < 8; r++)
    for (let f = 0; f < 8; f++) {
      const p = at(f, r);
      if (!p || p.color !== color) continue;
      const add = (tf, tr) => {
        const q = at(tf, tr);
        if (q === undefined || (q && q.color === color)) return false;
        moves.push({ from: name(f, r), to: name(tf, tr), piece: p.type });
        return !q;
      };
      const slide = (dirs) => {
        for (const [df, dr] of dirs) for (let k = 1; add(f + k * df, r + k * dr); k++);
      };
      const diag = [[1, 1], [1, -1], [-1, 1], [-1, -1]], line = [[1, 0], [-1, 0], [0, 1], [0, -1]];
      if (p.type === "p") {
        const d = color === "w" ? 1 : -1;
        if (at(f, r + d) === null) {
          moves.push({ from: name(f, r), to: name(f, r + d), piece: "p" });
          if (r === (color === "w" ? 1 : 6) && at(f, r + 2 * d) === null)
            moves.push({ from: name(f, r), to: name(f, r + 2 * d), piece: "p" });
        }
        for (const df of [-1, 1]) {
          const q = at(f + df, r + d);
          if (q && q.color !== color) moves.push({ from: name(f, r), to: name(f + df, r + d), piece: "p" });
        }
      } else if (p.type === "n") {
        for (const [df, dr] of [[1, 2], [2, 1], [2, -1], [1, -2], [-1, -2], [-2, -1], [-2, 1], [-1, 2]]) add(f + df, r + dr);
      } else if (p.type === "k") {
        for (const [df, dr] of [...diag, ...line]) add(f + df, r + dr);
      } else {
        slide(p.type === "b" ? diag : p.type === "r" ? line : [...diag, ...line]);
      }
    }
  return moves;
}

const key = (m) => m.from + m.to;
// A pawn's double step to a square beside an opposing pawn, which the
// computer's movement test does not allow itself.
function beside(chess, m) {
  if (m.piece !== "p" || Math.abs(+m.from[1] - +m.to[1]) !== 2) return false;
  const f = "abcdefgh".indexOf(m.to[0]);
  return [f - 1, f + 1].some((g) => {
    const q = g >= 0 && g < 8 ? chess.get("abcdefgh"[g] + m.to[1]) : null;
    return q && q.type === "p" && q.color !== chess.turn();
  });
}
// The moves of the computer (the side to move) that its rules look at: those
// chess.js allows but castling, captures in passing and those double steps.
const allowed = (chess) =>
  new Set(chess.moves({ verbose: true }).filter((m) => !/[kqe]/.test(m.flags) && !beside(chess, m)).map(key));

// After the move, could the side to move leave its own king in check with a
// move of another piece?
function exposes(chess) {
  const legal = new Set(chess.moves({ verbose: true }).map(key));
  return pseudo(chess, chess.turn()).some((m) => m.piece !== "k" && !legal.has(key(m)));
}

// The table: its rows (move, rule, words), the moves named apart, the end said.
function parse(text, w) {
  const lines = text.split("\n");
  const rows = new Map();
  let forbidden = null, last = null;
  for (let i = 0; i < lines.length; i++) {
    const l = lines[i];
    const row = l.match(/^([a-h][1-8][a-h][1-8])\s+(\d+|-)\s+(.*)$/);
    if (row) {
      last = { rule: row[2], words: row[3] };
      rows.set(row[1], last);
    } else if (last && /^\s{4,}\S/.test(l)) {
      last.words += " " + l.trim();
    } else if (l.startsWith(w.forbidden)) {
      let list = l.slice(l.indexOf(":") + 1);
      while (i + 1 < lines.length && /^([a-h][1-8][a-h][1-8] ?)+$/.test(lines[i + 1])) list += " " + lines[++i];
      forbidden = new Set(list.trim().split(/\s+/));
      last = null;
    } else {
      last = null;
    }
  }
  return {
    rows,
    forbidden: forbidden ?? new Set(),
    mate: lines.some((l) => l.endsWith(w.mate) && !l.startsWith(" ")),
    stalemate: lines.some((l) => l.endsWith(w.stalemate) && !l.startsWith(" ")),
  };
}

const positions = ["8/8/4B3/1P1P4/8/5R2/8/K5k1 w - - 0 1", "k7/1Q6/1K6/8/8/8/8/8 b - - 0 1", "k7/2Q5/1K6/8/8/8/8/8 b - - 0 1"];
for (let g = 0; positions.length < opt.positions; g++) {
  const rnd = random(opt.seed + g);
  const chess = new Chess();
  // Some games to their end, for mates and stalemates; the others cut short.
  const plies = g % 3 === 0 ? 400 : 4 + rnd.int(120);
  for (let p = 0; p < plies && !chess.isGameOver(); p++) {
    chess.move(rnd.pick(chess.moves()));
    if (p > 3 && rnd.int(25) === 0 && positions.length < opt.positions) positions.push(chess.fen());
  }
  if (positions.length < opt.positions && !chess.isInsufficientMaterial()) positions.push(chess.fen());
}

const dir = fs.mkdtempSync(path.join(os.tmpdir(), "feature-words-"));
const file = path.join(dir, "position.fen");
const fail = (why, fen, text) => {
  console.error(`FAILED: ${why}\nposition: ${fen}\n${text}`);
  fs.rmSync(dir, { recursive: true });
  process.exit(1);
};
const count = { positions: 0, rows: 0, exposes: 0, forbidden: 0, mates: 0, stalemates: 0, promotions: 0 };
positions.forEach((fen, n) => {
  const lang = n % 2 ? "pt" : "en";
  const w = WORDS[lang];
  fs.writeFileSync(file, fen + "\n");
  const text = execFileSync(opt.program, ["--explain", file, "--lang", lang], { encoding: "utf8" });
  const table = parse(text, w);
  const chess = new Chess(fen);
  const legal = allowed(chess);
  const others = new Set(
    pseudo(chess, chess.turn())
      .filter((m) => !beside(chess, m))
      .map(key)
      .filter((m) => !legal.has(m)),
  );
  const same = (a, b) => a.size === b.size && [...a].every((x) => b.has(x));
  if (!same(new Set(table.rows.keys()), legal))
    fail(`the table's moves ${[...table.rows.keys()]} are not the legal moves ${[...legal]}`, fen, text);
  if (!same(table.forbidden, others))
    fail(`the moves named forbidden ${[...table.forbidden]} are not ${[...others]}`, fen, text);
  const none = chess.moves().length === 0;
  if (table.mate !== (none && chess.isCheckmate()) || table.stalemate !== (none && chess.isStalemate()))
    fail(`mate said ${table.mate}, stalemate said ${table.stalemate}`, fen, text);
  count.positions++;
  count.forbidden += table.forbidden.size;
  count.mates += table.mate;
  count.stalemates += table.stalemate;
  for (const [move, row] of table.rows) {
    count.rows++;
    const after = new Chess(fen);
    const m = after.move({ from: move.slice(0, 2), to: move.slice(2), promotion: "q" });
    if (m.promotion) {
      count.promotions++;
      continue;
    }
    const said = row.words.split(", ").includes(w.exposes);
    const truth = exposes(after);
    if (said !== truth)
      fail(`${move}: "${w.exposes}" ${said ? "said" : "not said"}, but after it ${truth ? "some" : "no"} move of another piece leaves the king in check`, fen, text);
    count.exposes += said;
  }
});
fs.rmSync(dir, { recursive: true });
console.log(
  `${count.positions} positions, ${count.rows} moves agree with chess.js: ${count.exposes} leave the king open to a reply, ` +
    `${count.promotions} promotions not judged; ${count.forbidden} forbidden moves named apart; ${count.mates} mates, ${count.stalemates} stalemates said`,
);
