#!/usr/bin/env node
// UCI referee: whole games of the engine build in UCI against a seeded random
// player, each "position" sent as GUIs send it (the whole list from the start
// or from a FEN), with chess.js judging every bestmove and its info lines,
// and lines the engine must read past in between.
//
//   node uci_referee.js --engine PATH [--games N] [--seed S] [--plies P]
//                       [--jobs J] [--timeout MS] [--verbose] [--transcript]
import { Foul, Judge, isExotic } from "./judge.js";
import { UciEngine, checkBestmove, positionCommand } from "./uci.js";
import { judged, options, random, runAll } from "./run.js";

const READ_PAST = [
  "debug on", "debug off", "setoption name Hash value 16", "setoption name Ponder value false",
  "register later", "stop", "ponderhit", "", "   ", "hello", "xyzzy 1 2 3", "position", "position moves e2e4",
  "go", // with no position sent yet in a fresh process it plays from the start; here one always is
];
const GO = ["go", "go wtime 60000 btime 60000 winc 0 binc 0", "go movetime 50", "go depth 5", "go infinite", "go nodes 100", "go ponder wtime 1000 btime 1000"];

async function playGame(seed, opt) {
  const rnd = random(seed);
  const transcript = [];
  const engine = new UciEngine(opt.engine, [], "quelmaro", transcript, { timeoutMs: opt.timeout });
  const stats = { moves: 0, bestmoves: 0, mates: 0, stalemates: 0, noMove: 0, fenStarts: 0, refusedLists: 0 };
  let judge = new Judge();
  const fail = (why) => {
    throw new Foul(why);
  };

  return judged(engine, { seed, stats, transcript, fen: () => judge.fen() }, async () => {
    await engine.handshake();
    if (!/^Quelmaro \S+$/.test(engine.id)) fail(`id name "${engine.id}"`);
    // Half the games start from a position a few random moves in, as a FEN.
    let fen = null;
    if (rnd.next() < 0.5) {
      for (let n = 1 + rnd.int(12); n > 0 && !judge.ending(); n--) judge.play(rnd.pick(judge.legalMoves()));
      if (judge.ending()) judge = new Judge();
      else {
        fen = judge.fen();
        judge = new Judge(fen);
        stats.fenStarts++;
      }
    }
    engine.send("ucinewgame");
    const colour = rnd.next() < 0.5 ? "w" : "b";
    while (judge.plies() < opt.plies) {
      if (rnd.next() < 0.1) {
        engine.send(rnd.pick(READ_PAST.slice(0, -1)));
        const out = await engine.sync();
        if (out.length) fail(`a line to read past was answered: ${JSON.stringify(out)}`);
      }
      if (rnd.next() < 0.05) {
        // A list with an illegal move: reported, and the rest dropped.
        engine.send(positionCommand(judge, fen, ["e1e1", "e2e4"]));
        const out = await engine.sync();
        if (JSON.stringify(out) !== JSON.stringify(["info string Illegal move: e1e1"]))
          fail(`an illegal move in the list: ${JSON.stringify(out)}`);
        stats.refusedLists++;
      }
      if (judge.turn() === colour) {
        const go = rnd.pick(GO);
        const answer = await engine.think(positionCommand(judge, fen), go, go.includes("ponder") && rnd.next() < 0.5 ? "ponderhit" : "stop");
        const move = checkBestmove(judge, colour, answer, `ply ${judge.plies() + 1}`);
        stats.bestmoves++;
        if (!move) {
          stats.noMove++;
          break;
        }
      } else {
        const rare = judge.legalMoves().filter(isExotic);
        judge.play(rnd.pick(rare.length && rnd.next() < 0.5 ? rare : judge.legalMoves()));
      }
      stats.moves++;
      const end = judge.ending();
      if (end) {
        stats[end === "mate" ? "mates" : "stalemates"]++;
        break;
      }
    }
    const out = await engine.sync();
    if (out.length) fail(`unexpected lines at the end: ${JSON.stringify(out)}`);
  });
}

const opt = options(process.argv.slice(2), { games: 100, plies: 160 });
await runAll(opt, playGame, "UCI games");
