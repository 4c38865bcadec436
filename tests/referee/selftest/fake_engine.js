#!/usr/bin/env node
// A stand-in for the engine build, for testing the referee itself: it speaks
// the same protocol with the same rules (built on chess.js), and with
// FAULT=<kind> in its environment it makes one kind of mistake a faulty
// program could make, which the referee must catch.
import readline from "node:readline";
import { Judge, RESULT, isExotic } from "../judge.js";

const FAULT = process.env.FAULT ?? "";
let judge, computer, moves, counts, force, over, computerTurns;
let post = false; // thinking lines before the moves
const out = (line) => process.stdout.write(line + "\n");

function newGame() {
  judge = new Judge();
  computer = "b";
  moves = 0;
  counts = [];
  force = false;
  over = false;
  computerTurns = 0;
}

function apply(move) {
  counts.push(moves);
  if (judge.turn() === computer) moves++;
  judge.play(move);
}

function computerMove() {
  computerTurns++;
  if (FAULT === "crash" && computerTurns === 5) process.exit(3);
  if (FAULT === "hang" && computerTurns === 5) for (;;); // thinks for ever
  // No castling; a capture in passing only when it is all there is.
  const legal = judge.legalMoves();
  const candidates = legal.some((m) => !isExotic(m)) ? legal.filter((m) => !isExotic(m)) : legal;
  if (!candidates.length) {
    out(judge.inCheck() ? RESULT.computerMated(computer) : RESULT.computerStalemated());
    over = true;
    return;
  }
  const m = candidates[(judge.plies() * 7) % candidates.length];
  if (FAULT === "illegal" && computerTurns === 6) {
    out(`move ${m.from}${m.from === "a1" ? "a2" : "a1"}`);
    return;
  }
  apply({ ...m, promotion: m.promotion ? "q" : undefined });
  if (post) {
    // The material after the move from the computer's side; a mate is 100001.
    let score = judge.ending() === "mate" ? 100001 : judge.centipawns(computer);
    if (FAULT === "thinking" && computerTurns === 3) score += 100;
    out(`1 ${score} 0 1 ${m.from}${m.to}${m.promotion ? "q" : ""} {Rule 9: a stand-in's reason.}`);
  }
  out(`move ${m.from}${m.to}${m.promotion ? "q" : ""}`);
  if (FAULT === "false-mate" && computerTurns === 4) out(RESULT.playerMated(computer));
  if (!judge.legalMoves().length)
    out(judge.inCheck() ? RESULT.playerMated(computer) : RESULT.playerStalemated());
}

// A move line as the program reads it; returns true when it was a move.
function move(s) {
  let promotion = /^[a-h][1-8][a-h][1-8][qrbn]/.test(s) ? s[4] : "q";
  let castling = null;
  if (/^(O-O-O|o-o-o)/.test(s)) castling = "q";
  else if (/^(O-O|o-o|0-0)( |$)/.test(s)) castling = "k";
  if (castling) {
    const m = judge.legalMoves().find((x) => x.flags.includes(castling));
    if (!m) out("Illegal move: " + s.trimEnd());
    else played(m);
    return true;
  }
  if (/^[NKQBPRDC]/.test(s)) s = s.slice(1);
  const sq = /^([a-h][1-8])([a-h][1-8])/.exec(s) ?? /^([a-h][1-8])[-x]([a-h][1-8])/.exec(s);
  if (!sq) return false;
  if (over) return true;
  const m = judge.find(sq[1], sq[2], promotion);
  const refuse = FAULT === "refuse" && m && !isExotic(m) && judge.plies() === 6;
  if (!m || refuse) out(`Illegal move: ${sq[1]}${sq[2]}`);
  else played(m);
  return true;
}

function played(m) {
  apply(m);
  if (!force) computerMove();
}

function line(raw) {
  if (raw.length > 100) {
    line(raw.slice(0, 100));
    line(raw.slice(100));
    return;
  }
  const s = raw.replace(/\r$/, "");
  const word = (w) => s === w || s.startsWith(w + " ");
  if (s.startsWith("protover")) out('feature myname="Fake" ping=1 done=1');
  else if (s.startsWith("ping ")) out("pong " + s.slice(5));
  else if (s === "quit") process.exit(0);
  else if (word("new")) newGame();
  else if (s === "force") force = true;
  else if (s === "post" || s === "nopost") post = s === "post";
  else if (/^(go|GO|Go)( |$)/.test(s)) {
    computer = judge.turn();
    force = false;
    if (!over) computerMove();
  } else if (s.startsWith("draw")) {
    if (judge.material(computer) <= 0 && (FAULT === "draw" || moves > 10)) out("offer draw");
  } else if (s.startsWith("undo") || s.startsWith("remove")) {
    for (let n = s.startsWith("undo") ? 1 : 2; n > 0 && judge.plies() > 0; n--) {
      judge.undo();
      moves = counts.pop();
    }
    if (s.startsWith("undo")) force = true;
    over = false;
  } else if (s.startsWith("result")) over = true;
  else if (s.startsWith("hint")) {
    const legal = judge.legalMoves();
    const m = legal.find((x) => !isExotic(x)) ?? legal[0];
    if (m) out(`Hint: ${m.from}${m.to}${m.promotion ? "q" : ""}`);
  } else move(s);
}

newGame();
readline.createInterface({ input: process.stdin }).on("line", line);
