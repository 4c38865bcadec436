#!/usr/bin/env node
// Referee: plays whole games of the engine build against a seeded random
// player through its standard input and output, with chess.js judging every
// line the program prints.
//
//   node referee.js --engine PATH [--games N] [--seed S] [--plies P]
//                   [--jobs J] [--timeout MS] [--verbose]
//
// A game is reproducible from its seed alone (the program has no randomness
// and every game runs in a fresh process): a failing game prints its seed
// and its transcript, and `--games 1 --seed S` replays it.
import { Foul, Judge, checkComputerTurn, isExotic } from "./judge.js";
import { XBoardEngine } from "./xboard.js";
import { judged, options, random, runAll } from "./run.js";

const FILES = "abcdefgh";
const SQUARES = [...FILES].flatMap((f) => [..."12345678"].map((r) => f + r));
const PIECE_LETTERS = "NKQBPRDC"; // one is dropped before a move, whatever it is
const THINKING = /^1 (-?\d+) 0 (\d+) ([a-h][1-8][a-h][1-8][qrbn]?) \{(Rule ([1-9]|[1-4]\d|5[0-4]): .+|Opening move: .+)\}$/;

// Lines the program reads past without a word: protocol lines it has no use
// for ("post" and "nopost" only turn the thinking lines on and off), and
// text that is neither a move nor a command.
const PROTOCOL_NOISE = [
  "random", "level 40 5 0", "level 0 2 12", "post", "nopost", "hard", "easy", "computer",
  "time 30000", "otim 29500", "white", "black", "name Someone", "rating 2100 1800",
  "accepted ping", "rejected san", "st 5", "sd 4", "?", "ics -", "bogus", "bk",
];
const JUNK = [
  "", " ", "hello", "E2E4", "e2e9", "i2i4", "Ta1a3", "gone", "gO", "0-0-0", "nova", "proq",
  "groq", "e2", "e2e", " e2e4", "\te2e4", "e2 e4", "e2=e4", "e2\u0000e4", "\u00e9\u00e8",
  "\u0001\u0002\u0003\u001b[2J", "\u00ff\u00fe", "movee2e4", "Draw", "NEW", "SAVE",
];

// A junk line: first character from a set that starts no move and no
// command, the rest any byte but a line end.
function randomJunk(rnd) {
  if (rnd.next() < 0.5) return rnd.pick(JUNK);
  let s = rnd.pick([..."9#%&*+,./:;<=>@[]^_`{|}~Zjlmuvwyz"]);
  const n = rnd.int(rnd.next() < 0.1 ? 99 : 20);
  for (let i = 0; i < n; i++) {
    let c = rnd.int(256);
    if (c === 10 || c === 13) c = 32;
    s += String.fromCharCode(c);
  }
  return s;
}

// How the player writes a legal move. Returns the text and the promotion
// piece the program must make of it (the letter typed right after a plain
// move, else a queen).
function writeMove(rnd, move) {
  const plain = move.from + move.to;
  if (/[kq]/.test(move.flags) && rnd.next() < 0.7) {
    const words = move.flags.includes("k") ? ["O-O", "0-0", "o-o"] : ["O-O-O", "o-o-o"];
    return { text: rnd.pick(words), promotion: undefined };
  }
  const form = rnd.weighted({ plain: 5, dash: 2, cross: 2, letter: 2, long: 1, crlf: 1 });
  let text;
  if (form === "plain") text = plain;
  else if (form === "dash") text = `${move.from}-${move.to}`;
  else if (form === "cross") text = `${move.from}x${move.to}`;
  else if (form === "letter") text = rnd.pick([...PIECE_LETTERS]) + rnd.pick([plain, `${move.from}-${move.to}`]);
  else if (form === "long") text = "~".repeat(100) + plain; // read as two lines: junk, then the move
  else text = plain + "\r";
  if (!move.promotion) return { text: rnd.next() < 0.1 ? text.replace(/\r$/, "") + "  ok" : text, promotion: undefined };
  if (form === "plain" && rnd.next() < 0.8) {
    const letter = rnd.pick(["q", "r", "b", "n"]);
    return { text: plain + letter, promotion: letter };
  }
  if (form === "plain" && rnd.next() < 0.5) return { text: plain + "Q", promotion: "q" };
  return { text, promotion: "q" };
}

// A move the judge refuses in every form: a move of the wrong side, a
// square pair no piece can go, or a castling word that is not allowed now.
function refusedMove(rnd, judge) {
  const legal = new Set(judge.legalMoves().map((m) => m.from + m.to));
  const castlingLegal = (side) => judge.legalMoves().some((m) => m.flags.includes(side));
  if (rnd.next() < 0.15) {
    const long = rnd.next() < 0.5;
    // Refused, the castling word comes back as it was sent.
    if (!castlingLegal(long ? "q" : "k")) {
      const word = long ? "O-O-O" : "O-O";
      return { text: word, squares: word };
    }
  }
  for (;;) {
    const from = rnd.pick(SQUARES);
    const to = rnd.pick(SQUARES);
    if (!legal.has(from + to))
      return { text: rnd.pick([from + to, `${from}-${to}`, `N${from}${to}`]), squares: from + to };
  }
}

// One game: a fresh engine process, a fresh judge, moves until the game
// ends or the ply cap.
async function playGame(seed, opt) {
  const rnd = random(seed);
  const transcript = [];
  const engine = new XBoardEngine(opt.engine, [], "quelmaro", transcript, { timeoutMs: opt.timeout });
  const stats = {
    moves: 0, lines: 0, castlings: 0, enPassant: 0, promotions: 0, forceMoves: 0, swaps: 0,
    takeBacks: 0, drawOffers: 0, computerMated: 0, computerStalemated: 0, playerMated: 0,
    playerStalemated: 0, refusedLegal: 0, thinkingLines: 0,
  };
  let judge = new Judge();
  let computer = "b"; // the GUI (the player) starts as White
  let computerMoves = 0; // the program's own count of its moves in this game
  let counts = []; // computerMoves before each move of the game, for take-backs
  let force = false;
  let post = false; // thinking lines asked for

  const fail = (why) => {
    throw new Foul(why);
  };
  const expectNothing = (out, what) => {
    if (out.length) fail(`${what}: expected no answer, got ${JSON.stringify(out)}`);
  };
  // Plays a move on the judge's board; a move of the computer's colour
  // counts as the computer's, whoever sent it.
  const apply = (move) => {
    counts.push(computerMoves);
    if (judge.turn() === computer) computerMoves++;
    judge.play(move);
    stats.moves++;
    if (/[kq]/.test(move.flags)) stats.castlings++;
    if (move.flags.includes("e")) stats.enPassant++;
    if (move.promotion) stats.promotions++;
  };
  const takeBack = (plies) => {
    for (let i = 0; i < plies && judge.plies() > 0; i++) {
      judge.undo();
      computerMoves = counts.pop();
    }
  };

  // The program's answer when the computer is to move. Returns true when
  // the game ended. After "post" a move comes after its thinking line: the
  // move with its promotion letter, the material after it from the
  // computer's side in centipawns (100001 when it mates), and the rule that
  // chose it.
  const computerTurn = (out, what) => {
    let thought = null;
    if (post && out.length > 1 && out[1].startsWith("move ")) {
      thought = THINKING.exec(out[0]);
      const move = out[1].slice(5);
      if (!thought || thought[3] !== move)
        fail(`${what}: thinking line ${JSON.stringify(out[0])} before "${out[1]}"`);
      out = out.slice(1);
      stats.thinkingLines++;
    }
    const { move, result } = checkComputerTurn(judge, computer, out, what, apply);
    if (post && move && !thought) fail(`${what}: "post" is on, and no thinking line came before the move`);
    if (thought) {
      const want = result === "playerMated" ? 100001 : judge.centipawns(computer);
      if (Number(thought[1]) !== want) fail(`${what}: thinking line ${JSON.stringify(thought[0])}: the score is not ${want}`);
    }
    if (result) stats[result]++;
    return result !== null;
  };

  // Sends one move (legal or not) for the side to move and checks the
  // answer. Returns true when the game ended.
  const sendMove = async (text, expected) => {
    engine.send(text);
    const out = await engine.sync();
    stats.lines++;
    if (!expected.move) {
      if (out.length !== 1 || !out[0].startsWith("Illegal move: "))
        fail(`"${text}" is not a legal move; expected "Illegal move: ...", got ${JSON.stringify(out)}`);
      if (expected.squares && out[0] !== `Illegal move: ${expected.squares}`)
        fail(`"${text}" was refused as "${out[0]}"`);
      return false;
    }
    if (out.length && out[0].startsWith("Illegal move: ")) {
      if (!isExotic(expected.move)) fail(`the legal move "${text}" was refused in ${judge.fen()}`);
      if (out.length !== 1) fail(`unexpected lines after a refusal: ${JSON.stringify(out)}`);
      stats.refusedLegal++; // stricter than chess: the judge takes the move back
      return false;
    }
    apply(expected.move);
    if (force) {
      // Force mode: the move is applied, nothing answered.
      stats.forceMoves++;
      expectNothing(out, `"${text}" in force mode`);
      return judge.ending() !== null;
    }
    return computerTurn(out, `after "${text}"`);
  };

  // Sends a line that must change nothing the judge sees and get no answer.
  const silent = async (line) => {
    engine.send(line);
    expectNothing(await engine.sync(), JSON.stringify(line));
    stats.lines++;
  };

  const newGame = async () => {
    await silent("new");
    judge = new Judge();
    computer = "b";
    computerMoves = 0;
    counts = [];
    force = false;
  };

  const legalMoveAction = async () => {
    // Castling and captures in passing are rare in random play: when one is
    // legal, it is played half the time.
    const rare = judge.legalMoves().filter(isExotic);
    const move = rnd.pick(rare.length && rnd.next() < 0.5 ? rare : judge.legalMoves());
    const { text, promotion } = writeMove(rnd, move);
    const wanted = promotion ? judge.find(move.from, move.to, promotion) : move;
    return sendMove(text, { move: wanted });
  };

  return judged(engine, { seed, stats, transcript, fen: () => judge.fen() }, async () => {
    await engine.handshake();
    const start = ["new", "random", "level 40 5 0", "post", "hard", "easy"];
    for (const l of start.slice(0, 1 + rnd.int(start.length))) {
      engine.send(l);
      if (l === "post") post = true;
    }
    expectNothing(await engine.sync(), "start-up");

    let over = false;
    for (let step = 0; step < opt.plies * 3 && judge.plies() < opt.plies; step++) {
      if (over) {
        // After a result the program waits for "new".
        await newGame();
        over = false;
        if (rnd.next() < 0.5) break;
        continue;
      }
      const plies = judge.plies();
      const action = rnd.weighted({
        move: 60,
        refused: force ? 5 : 8,
        junk: force ? 3 : 6,
        noise: 3,
        draw: force ? 1 : 3,
        go: force ? 10 : plies < 4 ? 4 : 2,
        new: 0.5,
        force: force ? 0 : 2,
        undo: force ? 4 : 1.5,
        remove: plies >= 2 ? (force ? 2 : 1.5) : 0,
        result: 0.3,
        hint: force ? 0 : 2,
      });
      if (action === "move") over = await legalMoveAction();
      else if (action === "refused") {
        const r = refusedMove(rnd, judge);
        over = await sendMove(r.text, { move: null, squares: r.squares });
      } else if (action === "junk") await silent(randomJunk(rnd));
      else if (action === "noise") {
        const line = rnd.pick(PROTOCOL_NOISE);
        await silent(line);
        if (line === "post" || line === "nopost") post = line === "post";
      }
      else if (action === "draw") {
        engine.send("draw");
        const offer = judge.material(computer) <= 0 && computerMoves > 10;
        const out = await engine.sync();
        const want = offer ? ["offer draw"] : [];
        if (JSON.stringify(out) !== JSON.stringify(want))
          fail(`"draw" with material ${judge.material(computer)} after ${computerMoves} computer moves: expected ${JSON.stringify(want)}, got ${JSON.stringify(out)}`);
        if (offer) stats.drawOffers++;
        stats.lines++;
      } else if (action === "go") {
        // The computer takes over the side to move and moves at once.
        if (judge.turn() !== computer) stats.swaps++;
        computer = judge.turn();
        force = false;
        engine.send("go");
        over = computerTurn(await engine.sync(), '"go"');
        stats.lines++;
      } else if (action === "new") await newGame();
      else if (action === "force") {
        await silent("force");
        force = true;
      } else if (action === "undo" || action === "remove") {
        // "undo" takes back one half-move and enters force mode; "remove"
        // takes back two and leaves force mode as it was.
        await silent(action);
        stats.takeBacks++;
        takeBack(action === "undo" ? 1 : 2);
        if (action === "undo") force = true;
      } else if (action === "result") {
        await silent(rnd.pick(["result 1-0 {White mates}", "result 1/2-1/2 {Draw}", "result 0-1 {White resigns}"]));
        over = true;
      } else if (action === "hint") {
        // A move for the player, who is to move: legal, and never one the
        // program does not make itself.
        engine.send("hint");
        const out = await engine.sync();
        const m = /^Hint: ([a-h][1-8])([a-h][1-8])(q?)$/.exec(out[0] ?? "");
        const move = m && judge.find(m[1], m[2], "q");
        if (out.length !== 1 || !move || isExotic(move) || Boolean(m[3]) !== Boolean(move.promotion))
          fail(`"hint" in ${judge.fen()}: expected one "Hint: " line with a legal move, got ${JSON.stringify(out)}`);
        stats.lines++;
      }
    }
  });
}

const opt = options(process.argv.slice(2), { games: 300, plies: 160 });
await runAll(opt, playGame, "games");
