#!/usr/bin/env node
// UCI match: the engine build in UCI against another UCI engine (stockfish
// at its weakest by default), relayed as a GUI runs it: "ucinewgame", then
// before every move "position startpos moves ..." and "go", with chess.js
// judging every move of both sides and the engine build's info lines.
//
//   node uci_match.js --engine PATH [--opponent PATH] [--games N] [--plies P]
//                     [--go LINE] [--jobs J] [--timeout MS] [--verbose]
//
// Game i has the engine build as White when i is even, as Black when odd,
// and starts with up to 8 random moves drawn from the seed i.
import { Foul, Judge } from "./judge.js";
import { EngineFailure } from "./xboard.js";
import { UciEngine, checkBestmove, positionCommand } from "./uci.js";
import { options, random, runAll } from "./run.js";

async function playMatchGame(seed, opt) {
  const transcript = [];
  const quelmaro = new UciEngine(opt.engine, [], "quelmaro", transcript, { timeoutMs: opt.timeout });
  const opponent = new UciEngine(opt.opponent, [], "opponent", transcript, { timeoutMs: opt.timeout });
  const colour = seed % 2 === 0 ? "w" : "b";
  const judge = new Judge();
  const stats = { moves: 0, quelmaroWins: 0, opponentWins: 0, draws: 0, unfinished: 0 };
  const fail = (why) => {
    throw new Foul(why);
  };
  try {
    await Promise.all([quelmaro.handshake(), opponent.handshake()]);
    opponent.send("setoption name Skill Level value 0");
    opponent.send("setoption name Threads value 1");
    opponent.send("setoption name Hash value 1");
    for (const e of [quelmaro, opponent]) {
      e.send("ucinewgame");
      await e.sync();
    }
    const rnd = random(seed);
    for (let n = rnd.int(9); n > 0 && !judge.ending(); n--) judge.play(rnd.pick(judge.legalMoves()));
    while (judge.plies() < opt.plies && !judge.chess.isDraw()) {
      const what = `ply ${judge.plies() + 1}`;
      if (judge.turn() === colour) {
        const move = checkBestmove(judge, colour, await quelmaro.think(positionCommand(judge), "go movetime 10"), what);
        if (!move) break;
      } else {
        if (judge.ending()) break;
        const { best } = await opponent.think(positionCommand(judge), opt.go);
        const m = /^([a-h][1-8])([a-h][1-8])([qrbn]?)$/.exec(best);
        const move = m && judge.find(m[1], m[2], m[3] || "q");
        if (!move) fail(`${what}: the opponent's bestmove ${best} is illegal in ${judge.fen()}`);
        judge.play(move);
      }
      stats.moves++;
    }
    const ending = judge.ending();
    if (ending === "mate") stats[judge.turn() === colour ? "opponentWins" : "quelmaroWins"]++;
    else if (ending === "stalemate" || judge.chess.isDraw()) stats.draws++;
    else stats.unfinished++;
    const q = await quelmaro.quit();
    await opponent.quit();
    if (q !== "exited with status 0") fail(`on "quit" the engine build ${q}`);
    return { ok: true, seed, stats, transcript };
  } catch (e) {
    if (!(e instanceof Foul || e instanceof EngineFailure)) throw e;
    for (const x of [quelmaro, opponent]) if (!x.exited) x.child.kill("SIGKILL");
    return { ok: false, seed, stats, why: e.message, transcript, fen: judge.fen() };
  }
}

const opt = options(process.argv.slice(2), {
  games: 4,
  plies: 200,
  opponent: "/usr/games/stockfish",
  go: "go depth 1 movetime 10",
});
await runAll(opt, playMatchGame, "UCI match games");
