#!/usr/bin/env node
// The engine build through a real UCI client library, node-uci (pinned in
// package-lock.json), as a program built on it would use it: one session a
// position, the positions taken from seeded random games (half sent as a FEN,
// half as the moves from the start). In each session, through the library:
//
//   init                 the id and the MultiPV spin option (1..64)
//   goInfinite + stop    the info lines at once, no bestmove before stop
//   stop, nothing held   no answer at all
//   go ponder            no bestmove before ponderhit
//   go searchmoves       the choice among the moves given; a list with no
//                        legal move answers "bestmove 0000"
//   setoption MultiPV 3  goInfinite + stop and go searchmoves: one line a
//                        legal move, the candidates ranked first, each after
//                        its reason, the score the material after the move,
//                        the first line the bestmove
//   quit                 while a bestmove is held, half the time: status 0
//
// chess.js judges every object the library hands back (the moves legal, the
// scores the material after each move), the same position gets the same
// choice every time it is asked, and the lines the library handed back are
// all the lines the program printed.
//
// The library's ponderhit() and the engine's immediate answer do not mix:
// ponderhit() sends "isready" after it, and the library's reader looks only
// at the last line of each read from the pipe, so a "bestmove" read together
// with the "readyok" after it is never seen and go() waits for ever. The
// session sends ponderhit with the library's write() and takes the bestmove
// from go(), as a program on the library would have to.
//
//   node uci_client.js --engine PATH [--games N] [--seed S] [--jobs J]
//                      [--timeout MS] [--verbose] [--transcript]
import nodeUci from "node-uci";
import { Foul, Judge, isExotic } from "./judge.js";
import { options, random, runAll } from "./run.js";

const { Engine } = nodeUci;
const REASON = /^(Rule ([1-9]|[1-4]\d|5[0-4]): .+|Opening move: .+|My only legal moves are ones my rules do not look at.+)$/;
const NOT_WEIGHED = /^Not weighed: .+/; // a legal move no rule looks at
const NO_LEGAL_MOVE = "None of the moves of searchmoves is legal here";

const coordinates = (m) => m.from + m.to + (m.promotion ?? "");
const sameKeys = (o, keys) => JSON.stringify(Object.keys(o).sort()) === JSON.stringify([...keys].sort());

// The position of a seeded random game: a few plies (so the opening moves
// are due) one session in four, else up to 64; never one where the game is
// over. Castling and captures in passing are played when they can be.
function seededPosition(seed) {
  const rnd = random(seed);
  const judge = new Judge();
  const plies = seed % 4 === 0 ? rnd.int(4) : 4 + rnd.int(60);
  for (let n = 0; n < plies; n++) {
    const rare = judge.legalMoves().filter(isExotic);
    judge.play(rnd.pick(rare.length && rnd.next() < 0.5 ? rare : judge.legalMoves()));
    if (judge.ending()) {
      judge.undo();
      break;
    }
  }
  return { rnd, judge, asFen: rnd.next() < 0.5 };
}

// The moves the program's rules look at, one for each from-to pair (a
// promotion is one candidate).
function candidates(judge, among = null) {
  const seen = new Map();
  for (const m of judge.legalMoves())
    if (!isExotic(m) && (!among || among.includes(coordinates(m)))) seen.set(m.from + m.to, m);
  return [...seen.values()];
}

// The legal move written `text` in coordinates (promotion letter written
// exactly when it promotes), or null.
function legal(judge, text) {
  const m = /^([a-h][1-8])([a-h][1-8])([qrbn]?)$/.exec(text ?? "");
  const move = m && judge.find(m[1], m[2], m[3] || "q");
  return move && Boolean(move.promotion) === Boolean(m[3]) ? move : null;
}

function scoreAfter(judge, move) {
  const colour = judge.turn();
  const after = new Judge(judge.fen());
  after.play(move);
  return after.ending() === "mate" ? { unit: "mate", value: 1 } : { unit: "cp", value: after.centipawns(colour) };
}


class Session {
  constructor(seed, opt) {
    this.opt = opt;
    this.transcript = [];
    this.stats = { sessions: 1, linesJudged: 0, multipvLines: 0, searchmoves: 0, quitWhileHolding: 0 };
    this.engine = new Engine(opt.engine);
    this.printed = { info: 0, bestmove: 0 }; // lines the program printed
    this.handed = { info: 0, bestmove: 0 }; // objects the library handed back
    const write = this.engine.write.bind(this.engine);
    this.engine.write = (command) => {
      this.transcript.push(`> ${command}`);
      write(command);
    };
  }

  fail(why) {
    throw new Foul(why);
  }

  // A library promise, bounded in time; the program's end while waiting is a foul.
  async timed(promise, what) {
    let timer;
    const limit = new Promise((_, reject) => {
      timer = setTimeout(() => reject(new Foul(`${what}: no answer in ${this.opt.timeout} ms`)), this.opt.timeout);
    });
    try {
      return await Promise.race([promise, limit]);
    } catch (e) {
      if (e instanceof Foul) throw e;
      // The library rejects with the exit status when the program ends while it waits.
      throw new Foul(`${what}: ${e instanceof Error ? e.message : `the program ended (${e})`}`);
    } finally {
      clearTimeout(timer);
    }
  }

  async start() {
    await this.timed(this.engine.init(), "init");
    const proc = this.engine.proc;
    let partial = "";
    proc.stdout.on("data", (chunk) => {
      const parts = (partial + chunk).split("\n");
      partial = parts.pop();
      for (const line of parts) {
        this.transcript.push(`< ${line}`);
        const word = line.split(" ")[0];
        if (word in this.printed) this.printed[word]++;
      }
    });
    this.exit = new Promise((resolve) => proc.on("exit", (code, signal) => resolve(signal ?? code)));
    const { name } = this.engine.id;
    if (!/^Quelmaro \S+$/.test(name ?? "")) this.fail(`id name ${JSON.stringify(name)}`);
    const multipv = this.engine.options.get("MultiPV");
    if (JSON.stringify(multipv) !== JSON.stringify({ type: "spin", default: 1, min: 1, max: 64 }))
      this.fail(`the MultiPV option as the library read it: ${JSON.stringify(multipv)}`);
  }

  // Everything the library handed back for one go: info objects and the bestmove.
  took(infos, best) {
    this.handed.info += infos.length;
    if (best !== undefined) this.handed.bestmove++;
    this.stats.linesJudged += infos.length + (best !== undefined ? 1 : 0);
  }

  // One choice, MultiPV 1: the reason, then the score line (material after
  // the move, or mate 1); the move legal, one the program makes, among
  // `allowed` when given.
  judgeChoice(judge, infos, best, what, allowed = null) {
    this.took(infos, best);
    const say = (why) => this.fail(`${what}: ${why}; got ${JSON.stringify({ infos, best })}`);
    if (allowed && !candidates(judge, allowed).length && !allowed.some((t) => legal(judge, t))) {
      if (best !== "0000" || infos.length !== 1 || infos[0].string !== NO_LEGAL_MOVE)
        say(`no legal move in the list: expected "info string ${NO_LEGAL_MOVE}" and bestmove 0000`);
      return best;
    }
    if (infos.length !== 2 || !sameKeys(infos[1], [ "depth", "score", "nodes", "time", "pv" ]) ||
        !sameKeys(infos[0], [ "string" ]))
        say("expected a reason and a score line");
    const [reason, line] = infos;
    const move = legal(judge, best);
    if (!move) say(`bestmove ${best} is illegal in ${judge.fen()}`);
    if (!judge.programMay(move)) say(`bestmove ${best}, a move the program never makes`);
    if (allowed && !allowed.includes(best)) say(`bestmove ${best} is not among the searchmoves ${allowed.join(" ")}`);
    if (line.pv !== best || line.depth !== 1 || !(line.nodes > 0)) say("the score line names another move");
    if (line.time !== 1) say("time 1 expected (GUIs show no line of time 0)");
    if (!REASON.test(reason.string)) say("no reason");
    const want = scoreAfter(judge, move);
    if (JSON.stringify(line.score) !== JSON.stringify(want)) say(`score ${JSON.stringify(want)} expected`);
    return best;
  }

  // MultiPV n: pairs of a reason and its score line "multipv k", for the
  // first n legal moves (among `allowed` when given): the candidates in the
  // cascade's order, then those no rule looks at ("Not weighed: ...");
  // every score the material after its move, as with one line; the moves
  // legal and distinct; the bestmove the first line's.
  judgeLines(judge, infos, best, n, what, allowed = null) {
    this.took(infos, best);
    const say = (why) => this.fail(`${what}: ${why}; got ${JSON.stringify({ infos, best })}`);
    const legalMoves = judge.legalMoves().filter((m) => !allowed || allowed.includes(coordinates(m)));
    const lines = Math.min(n, legalMoves.length);
    if (infos.length !== 2 * lines) say(`${lines} lines expected`);
    const moves = new Set();
    let weighed = true;
    for (let k = 1; k <= lines; k++) {
      const line = infos[2 * k - 1];
      const reason = infos[2 * k - 2].string ?? "";
      if (!sameKeys(line, [ "multipv", "depth", "score", "nodes", "time", "pv" ]) ||
          !sameKeys(infos[2 * k - 2], [ "string" ]))
          say(`line ${k}: a reason and a score line expected`);
      if (line.multipv !== k || line.depth !== 1 || !(line.nodes > 0) || line.time !== 1)
          say(`line ${k}: multipv ${k}, depth 1, time 1 expected`);
      const move = legal(judge, line.pv);
      if (!move) say(`line ${k}: ${line.pv} is not legal in ${judge.fen()}`);
      if (moves.has(line.pv)) say(`line ${k}: ${line.pv} twice`);
      if (allowed && !allowed.includes(line.pv)) say(`line ${k}: ${line.pv} is not among the searchmoves`);
      moves.add(line.pv);
      const opening = /^Opening move: /.test(reason);
      const outside = NOT_WEIGHED.test(reason);
      if (!(REASON.test(reason) || outside) || (opening && k !== 1)) say(`line ${k}: the reason`);
      if (!outside && !weighed) say(`line ${k}: a ranked move after one no rule looks at`);
      weighed = weighed && !outside;
      const want = scoreAfter(judge, move);
      if (JSON.stringify(line.score) !== JSON.stringify(want)) say(`line ${k}: score ${JSON.stringify(want)} expected`);
      this.stats.multipvLines++;
    }
    if (best !== undefined && best !== infos[1].pv) say("the bestmove is not the first line's move");
    return best;
  }

  // goInfinite(): its info at once, no bestmove until stop().
  async infinite(what) {
    const emitted = [];
    const emitter = this.engine.goInfinite();
    emitter.on("data", (d) => emitted.push(d));
    await this.timed(this.engine.isready(), `${what}: isready while analysing`);
    if (emitted.some((d) => "bestmove" in d)) this.fail(`${what}: bestmove before stop: ${JSON.stringify(emitted)}`);
    const result = await this.timed(this.engine.stop(), `${what}: stop`);
    return { infos: [...emitted, ...result.info], best: result.bestmove };
  }

  async run(seed) {
    const { rnd, judge, asFen } = seededPosition(seed);
    this.judge = judge;
    await this.start();
    const engine = this.engine;
    await this.timed(engine.ucinewgame(), "ucinewgame");
    if (asFen) await this.timed(engine.position(judge.fen()), "position fen");
    else await this.timed(engine.position("startpos", judge.played.map(coordinates)), "position startpos");
    this.transcript.push(`(position ${judge.fen()})`);

    const first = await this.infinite("go infinite");
    const free = this.judgeChoice(judge, first.infos, first.best, "go infinite");
    const same = (best, what) => {
      if (best !== free) this.fail(`${what}: bestmove ${best}, where go infinite chose ${free} in the same position`);
    };

    // stop with nothing held: silent.
    engine.write("stop");
    engine.write("isready");
    const quiet = await this.timed(engine.getBufferUntil((l) => l === "readyok"), "stop with nothing held");
    if (JSON.stringify(quiet) !== '["readyok"]') this.fail(`stop with nothing held answered ${JSON.stringify(quiet)}`);

    // go ponder: held until ponderhit.
    let pondered = null;
    const ponder = engine.go({ ponder: true }).then((r) => (pondered = r));
    await this.timed(engine.isready(), "isready while pondering");
    if (pondered) this.fail(`go ponder: bestmove before ponderhit: ${JSON.stringify(pondered)}`);
    engine.write("ponderhit");
    await this.timed(ponder, "go ponder, ponderhit");
    same(this.judgeChoice(judge, pondered.info, pondered.bestmove, "go ponder"), "go ponder");

    // searchmoves: a few of the candidates, the free choice among them half
    // the time (unless the rules look at no move here: castling or a capture
    // in passing is all there is).
    const pool = candidates(judge).map(coordinates).filter((t) => t !== free);
    const list = Array.from({ length: 1 + rnd.int(4) }, () => rnd.pick(pool)).filter(Boolean);
    if (rnd.next() < 0.5 || !list.length) list.splice(rnd.int(list.length + 1), 0, free);
    const allowed = candidates(judge).length ? [...new Set(list)] : null;
    let chosen = null;
    if (allowed) {
      const limited = await this.timed(engine.go({ searchmoves: allowed }), "go searchmoves");
      chosen = this.judgeChoice(judge, limited.info, limited.bestmove, `go searchmoves ${allowed.join(" ")}`, allowed);
      if (allowed.includes(free)) same(chosen, `go searchmoves ${allowed.join(" ")}`);
      this.stats.searchmoves++;
    }
    // Moves from empty squares: none is legal.
    const squares = [];
    for (const file of "abcdefgh") for (const r of "12345678") if (!judge.chess.get(file + r)) squares.push(file + r);
    const none = [`${rnd.pick(squares)}${rnd.pick(squares)}`, `${squares[0]}${squares.at(-1)}`];
    const refused = await this.timed(engine.go({ searchmoves: none }), "go searchmoves of no legal move");
    this.judgeChoice(judge, refused.info, refused.bestmove, `go searchmoves ${none.join(" ")}`, none);
    this.stats.searchmoves++;

    // MultiPV 3 through the library's setoption.
    await this.timed(engine.setoption("MultiPV", 3), "setoption MultiPV 3");
    const multi = await this.infinite("MultiPV 3, go infinite");
    same(this.judgeLines(judge, multi.infos, multi.best, 3, "MultiPV 3, go infinite"), "MultiPV 3, go infinite");
    if (allowed) {
      const what = `MultiPV 3, go searchmoves ${allowed.join(" ")}`;
      const r = await this.timed(engine.go({ searchmoves: allowed }), what);
      const lines = this.judgeLines(judge, r.info, r.bestmove, 3, what, allowed);
      if (lines !== chosen) this.fail(`${what}: bestmove ${lines}, with MultiPV 1 ${chosen}`);
    }

    // quit, half the time while a bestmove is held: no bestmove, status 0.
    let held = [];
    if (rnd.next() < 0.5) {
      const emitter = engine.goInfinite();
      emitter.on("data", (d) => held.push(d));
      await this.timed(engine.isready(), "isready while analysing");
      this.judgeLines(judge, held.filter((d) => !("bestmove" in d)), undefined, 3, "MultiPV 3, go infinite, then quit");
      this.stats.quitWhileHolding++;
    }
    const printedBefore = this.printed.bestmove;
    await this.timed(engine.quit(), "quit");
    const status = await this.exit;
    if (status !== 0) this.fail(`on quit the program ended with ${status}`);
    if (held.some((d) => "bestmove" in d) || this.printed.bestmove !== printedBefore)
      this.fail(`a bestmove after quit: ${JSON.stringify(held)}`);
    for (const word of ["info", "bestmove"])
      if (this.printed[word] !== this.handed[word])
        this.fail(`the program printed ${this.printed[word]} ${word} lines, the library handed back ${this.handed[word]}`);
  }
}

async function session(seed, opt) {
  const s = new Session(seed, opt);
  try {
    await s.run(seed);
    return { ok: true, seed, stats: s.stats, transcript: s.transcript };
  } catch (e) {
    if (!(e instanceof Foul)) throw e;
    s.engine.proc?.kill("SIGKILL");
    return { ok: false, seed, stats: s.stats, why: e.message, transcript: s.transcript, fen: s.judge?.fen() ?? "" };
  }
}

// A session that failed leaves the library's promises to reject when its
// program is killed (with the exit status, not an error): no more is said of them.
process.on("unhandledRejection", (e) => {
  if (e instanceof Error) throw e;
});

const opt = options(process.argv.slice(2), { games: 40, timeout: 5000 });
await runAll(opt, session, "UCI client sessions");
