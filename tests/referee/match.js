#!/usr/bin/env node
// Match: the engine build against another XBoard engine, relayed the way a
// GUI runs an engine-against-engine match ("new", "force", the opponent's
// moves, "go"), with chess.js judging every move of both sides.
//
//   node match.js --engine PATH --opponent PATH [--games N] [--plies P]
//                 [--depth D] [--jobs J] [--timeout MS] [--verbose]
//
// Game i has the engine build as White when i is even, as Black when odd,
// and starts from an opening of up to 8 random moves drawn from the seed i.
// The opponent searches to a fixed depth, so every game is reproducible.
import { Foul, Judge, checkComputerTurn, other } from "./judge.js";
import { EngineFailure, XBoardEngine } from "./xboard.js";
import { options, random, runAll } from "./run.js";

const RESULT_LINE = /^(1-0|0-1|1\/2-1\/2) \{[^}]*\}$/;

async function playMatchGame(seed, opt) {
  const transcript = [];
  const quelmaro = new XBoardEngine(opt.engine, [], "quelmaro", transcript, { timeoutMs: opt.timeout });
  const opponent = new XBoardEngine(opt.opponent, [], "opponent", transcript, { timeoutMs: opt.timeout });
  const colour = seed % 2 === 0 ? "w" : "b"; // the engine build's colour
  const judge = new Judge();
  const stats = { moves: 0, quelmaroWins: 0, opponentWins: 0, draws: 0, unfinished: 0, opponentClaims: 0 };
  const fail = (why) => {
    throw new Foul(why);
  };
  const engineOf = (c) => (c === colour ? quelmaro : opponent);

  // The opponent's next move, or null when it ends the game (a result line,
  // "resign"); whatever it claims is checked against the judge.
  const opponentMove = async () => {
    const { line } = await opponent.until((l) => /^move |^resign|^Illegal move|^Error/.test(l) || RESULT_LINE.test(l));
    if (line.startsWith("Illegal move") || line.startsWith("Error"))
      fail(`the opponent refused the last move: "${line}" in ${judge.fen()}`);
    if (!line.startsWith("move ")) return { end: line };
    const m = /^move ([a-h][1-8])([a-h][1-8])([qrbn]?)$/.exec(line);
    const move = m && judge.find(m[1], m[2], m[3] || "q");
    if (!move) fail(`the opponent's "${line}" is illegal in ${judge.fen()}`);
    return { move };
  };

  try {
    await Promise.all([quelmaro.handshake(), opponent.handshake()]);
    for (const e of [quelmaro, opponent]) for (const l of ["new", "easy", "nopost", "force"]) e.send(l);
    opponent.send(`sd ${opt.depth}`);
    opponent.send("st 10");
    // An opening of a few random moves from the seed, sent to both engines
    // in force mode, as a GUI plays a match from an opening book.
    const rnd = random(seed);
    for (let n = rnd.int(9); n > 0; n--) {
      const move = rnd.pick(judge.legalMoves());
      judge.play(move);
      for (const e of [quelmaro, opponent]) e.send(move.from + move.to + (move.promotion ?? ""));
    }
    const silent = await quelmaro.sync();
    if (silent.length) fail(`the opening in force mode was answered: ${JSON.stringify(silent)}`);
    await opponent.sync();
    if (judge.ending()) return { ok: true, seed, stats, transcript };
    engineOf(judge.turn()).send("go");
    let waiting = engineOf(other(judge.turn())); // still in force mode until its first move
    let over = false;
    while (!over && judge.plies() < opt.plies) {
      if (judge.turn() === colour) {
        const out = await quelmaro.sync();
        const { move, result } = checkComputerTurn(judge, colour, out, `ply ${judge.plies() + 1}`);
        if (result) over = true;
        if (!move) break;
      } else {
        const r = await opponentMove();
        if (r.end) {
          // The opponent ends the game (a draw claim, resignation) while
          // the judge sees no decision.
          stats.opponentClaims++;
          break;
        }
        judge.play(r.move);
      }
      stats.moves++;
      if (over) break;
      const last = judge.last();
      const receiver = engineOf(judge.turn());
      receiver.send(last.from + last.to + (last.promotion ?? ""));
      if (receiver === waiting) {
        receiver.send("go");
        waiting = null;
      }
      // The engine build's answer to a mating move comes from its next
      // sync; nothing more is asked of the opponent once it is mated.
      if (receiver === opponent && judge.ending()) break;
    }
    const ending = judge.ending();
    if (ending === "mate") stats[judge.turn() === colour ? "opponentWins" : "quelmaroWins"]++;
    else if (ending === "stalemate") stats.draws++;
    else if (!stats.opponentClaims) stats.unfinished++;
    // The engine build must still be alive and answering at the end.
    await quelmaro.sync();
    for (const e of [quelmaro, opponent]) e.send("result *");
    const [q] = await Promise.all([quelmaro.quit(), opponent.quit()]);
    if (q !== "exited with status 0") fail(`on "quit" the engine build ${q}`);
    return { ok: true, seed, stats, transcript };
  } catch (e) {
    if (!(e instanceof Foul || e instanceof EngineFailure)) throw e;
    for (const x of [quelmaro, opponent]) if (!x.exited) x.child.kill("SIGKILL");
    return { ok: false, seed, stats, why: e.message, transcript, fen: judge.fen() };
  }
}

const opt = options(process.argv.slice(2), { games: 6, plies: 120, depth: 3, opponent: "/usr/games/fairymax" });
await runAll(opt, playMatchGame, "match games");
