#!/usr/bin/env node
// The same game twice: a seeded random opponent plays the engine build once
// in the XBoard protocol and once in UCI (a fresh process each, every
// "position" repeating the whole list from the start, as GUIs send it). The
// engine must answer every position with the same move in both.
//
//   node uci_same_moves.js --engine PATH [--games N] [--seed S] [--plies P]
import { Foul, Judge } from "./judge.js";
import { EngineFailure, XBoardEngine } from "./xboard.js";
import { UciEngine, positionCommand } from "./uci.js";
import { options, random, runAll } from "./run.js";

async function sameGame(seed, opt) {
  const transcript = [];
  const xb = new XBoardEngine(opt.engine, [], "xboard", transcript, { timeoutMs: opt.timeout });
  const uci = new UciEngine(opt.engine, [], "uci", transcript, { timeoutMs: opt.timeout });
  const colour = seed % 2 === 0 ? "w" : "b";
  const judge = new Judge();
  const rnd = random(seed);
  const stats = { compared: 0 };
  try {
    await Promise.all([xb.handshake(), uci.handshake()]);
    xb.send("new");
    uci.send("ucinewgame");
    let first = true;
    while (judge.plies() < opt.plies && !judge.ending()) {
      if (judge.turn() !== colour) {
        judge.play(rnd.pick(judge.legalMoves()));
        continue;
      }
      const last = judge.last();
      xb.send(first && colour === "w" ? "go" : last.from + last.to + (last.promotion ?? ""));
      first = false;
      const out = await xb.sync();
      const { best } = await uci.think(positionCommand(judge));
      const byXboard = /^move (\S+)$/.exec(out.find((l) => l.startsWith("move ")) ?? "")?.[1] ?? "0000";
      if (byXboard !== best)
        throw new Foul(`ply ${judge.plies() + 1}: xboard "${byXboard}", UCI "${best}" in ${judge.fen()}`);
      stats.compared++;
      if (best === "0000") break;
      judge.play(judge.find(best.slice(0, 2), best.slice(2, 4), best[4] ?? "q"));
    }
    await Promise.all([xb.quit(), uci.quit()]);
    return { ok: true, seed, stats, transcript };
  } catch (e) {
    if (!(e instanceof Foul || e instanceof EngineFailure)) throw e;
    for (const x of [xb, uci]) if (!x.exited) x.child.kill("SIGKILL");
    return { ok: false, seed, stats, why: e.message, transcript, fen: judge.fen() };
  }
}

const opt = options(process.argv.slice(2), { games: 20, plies: 160 });
await runAll(opt, sameGame, "games played both ways");
