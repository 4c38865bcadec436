#!/usr/bin/env node
// PGN round trip: plays seeded games with the engine build (moves of the
// player, the computer's answers, "go", force mode with moves of both
// colours, "undo" and "remove", and games continued from a saved file), has
// the program write its PGN file ("pgn" and a file name) along the way and at
// the end, and loads each file with chess.js: every move must be in standard
// algebraic notation as chess.js writes it, and every position must be the
// game's own. The game's positions are the judge's, which follows every move
// the program accepts or prints; the program's own board is read back from
// its saved-game file ("save") after each step and compared with them.
//
//   node pgn.js --engine PATH [--games N] [--seed S] [--plies P]
//               [--jobs J] [--timeout MS] [--verbose] [--transcript]
import fs from "node:fs";
import os from "node:os";
import path from "node:path";
import { Chess } from "chess.js";
import { Foul, Judge, checkComputerTurn, isExotic, other } from "./judge.js";
import { XBoardEngine } from "./xboard.js";
import { judged, options, random, runAll } from "./run.js";

const CODES = { 1: "p", 3: "b", 4: "n", 7: "r", 20: "q", 999: "k" };
const ROSTER = ["Event", "Site", "Date", "Round", "White", "Black", "Result"];

// Fields of a FEN that two positions must share: the pieces, the side to
// move and the square passed over (chess.js writes it only when a capture in
// passing is possible); with `castling`, the castling rights too.
function essence(fen, castling) {
  const f = fen.split(" ");
  return [f[0], f[1], castling ? f[2] : "", f[3]].join(" ");
}

// The piece placement of a saved-game file, the board being stored from the
// computer's side (square 1 is a8 when the player has White, h1 otherwise).
function placementOfSavedGame(text, computer) {
  const rows = Array.from({ length: 8 }, () => Array(8).fill(""));
  for (let n = 1; n <= 64; n++) {
    const code = Number(text.slice((n - 1) * 11, n * 11));
    if (code === 0) continue;
    const r = Math.floor((n - 1) / 8), c = (n - 1) % 8;
    const [rank, file] = computer === "b" ? [8 - r, c] : [r + 1, 7 - c];
    const colour = code > 0 ? computer : other(computer);
    const letter = CODES[Math.abs(code)];
    rows[8 - rank][file] = colour === "w" ? letter.toUpperCase() : letter;
  }
  return rows.map((row) => row.map((p) => p || "1").join("").replace(/1+/g, (s) => String(s.length))).join("/");
}

// The result that chess gives the last position.
function resultOf(chess) {
  if (chess.isCheckmate()) return chess.turn() === "w" ? "0-1" : "1-0";
  if (chess.isStalemate()) return "1/2-1/2";
  return "*";
}

async function playGame(seed, opt) {
  const rnd = random(seed);
  const transcript = [];
  const engine = new XBoardEngine(opt.engine, [], "quelmaro", transcript, { timeoutMs: opt.timeout });
  const dir = fs.mkdtempSync(path.join(os.tmpdir(), "quelmaro-pgn-"));
  const stats = { plies: 0, pgnFiles: 0, loadedGames: 0, castlings: 0, promotions: 0, enPassant: 0, enPassantInForceMode: 0, captures: 0 };
  let judge = new Judge();
  let computer = "b";
  let force = false;
  let loaded = false;
  let files = 0;

  const fail = (why) => {
    throw new Foul(why);
  };
  const expectLines = (out, want, what) => {
    if (JSON.stringify(out) !== JSON.stringify(want))
      fail(`${what}: expected ${JSON.stringify(want)}, got ${JSON.stringify(out)}`);
  };
  const noteMove = (move) => {
    stats.plies++;
    if (/[kq]/.test(move.flags)) stats.castlings++;
    if (move.promotion) stats.promotions++;
    if (move.flags.includes("e")) stats[force ? "enPassantInForceMode" : "enPassant"]++;
    if (move.flags.includes("c")) stats.captures++;
  };
  const computerTurn = (out, what) => {
    const { move, result } = checkComputerTurn(judge, computer, out, what);
    if (move) noteMove(move);
    return result !== null;
  };

  // A file name typed after a command, and the two lines that answer it.
  const withFile = async (command, ext) => {
    const file = path.join(dir, `${files++}.${ext}`);
    engine.send(command);
    engine.send(file);
    expectLines(await engine.sync(), ["Enter the name of the file.", "What is your move?"], `"${command}"`);
    return file;
  };

  // The program's board, read from its saved game, is the judge's.
  const checkBoard = async () => {
    const text = fs.readFileSync(await withFile("save", "sav"), "latin1");
    const board = placementOfSavedGame(text, computer);
    if (board !== judge.fen().split(" ")[0])
      fail(`the program's board ${board} is not the game's ${judge.fen()}`);
    return text;
  };

  const checkPgn = async () => {
    const file = await withFile("pgn", "pgn");
    const text = fs.readFileSync(file, "latin1");
    stats.pgnFiles++;
    const what = (why) => fail(`PGN ${file}: ${why}\n${text}`);
    const tags = [...text.matchAll(/^\[(\w+) "([^"]*)"\]$/gm)].map((m) => [m[1], m[2]]);
    const names = tags.map(([k]) => k).join(" ");
    const want = [...ROSTER, ...(loaded ? ["SetUp", "FEN"] : [])].join(" ");
    if (names !== want) what(`tags ${names}, expected ${want}`);
    const tag = Object.fromEntries(tags);
    const player = computer === "w" ? "b" : "w";
    const expected = {
      Event: "Quelmaro game",
      Site: "?",
      Round: "-",
      White: player === "w" ? "Player" : "Quelmaro",
      Black: player === "b" ? "Player" : "Quelmaro",
    };
    for (const [k, v] of Object.entries(expected)) if (tag[k] !== v) what(`${k} is "${tag[k]}", expected "${v}"`);
    if (!/^\d{4}\.\d{2}\.\d{2}$/.test(tag.Date)) what(`Date "${tag.Date}"`);
    if (text.split("\n").some((l) => l.length >= 80)) what("a line of 80 characters or more");

    const game = judge.chess.history({ verbose: true });
    const positions = game.length ? [game[0].before, ...game.map((m) => m.after)] : [judge.fen()];
    const read = new Chess();
    try {
      read.loadPgn(text, { strict: true });
    } catch (e) {
      what(`chess.js cannot load it: ${e.message}`);
    }
    if (loaded && essence(tag.FEN, false) !== essence(positions[0], false))
      what(`FEN ${tag.FEN} is not the loaded position ${positions[0]}`);
    const moves = read.history({ verbose: true });
    if (moves.length !== game.length) what(`${moves.length} moves, the game has ${game.length}`);
    const readPositions = moves.length ? [moves[0].before, ...moves.map((m) => m.after)] : [read.fen()];
    positions.forEach((p, i) => {
      if (essence(readPositions[i], !loaded) !== essence(p, !loaded))
        what(`position ${i} is ${readPositions[i]}, the game's is ${p}`);
    });
    // The move text as chess.js writes it, checks and mates included.
    const body = text.slice(text.indexOf("\n\n") + 2).trim().split(/\s+/);
    const result = body.pop();
    const sans = body.filter((t) => !/^\d+\.(\.\.)?$/.test(t));
    if (sans.join(" ") !== read.history().join(" ")) what(`moves "${sans.join(" ")}", chess.js writes "${read.history().join(" ")}"`);
    if (result !== resultOf(read) || tag.Result !== result) what(`result ${tag.Result} / ${result}, expected ${resultOf(read)}`);
  };

  // A legal move of the side to move, castling and captures in passing
  // preferred when there are some, and pawns' double steps (which make
  // captures in passing possible) often; the text and the promotion it asks for.
  const chooseMove = () => {
    const legal = judge.legalMoves();
    const exotic = legal.filter(isExotic);
    const double = legal.filter((m) => m.flags.includes("b"));
    const move =
      exotic.length && rnd.next() < 0.7 ? rnd.pick(exotic) : double.length && rnd.next() < 0.3 ? rnd.pick(double) : rnd.pick(legal);
    if (!move.promotion) return { move, text: move.from + move.to };
    const letter = rnd.pick(["q", "r", "b", "n"]);
    return { move: judge.find(move.from, move.to, letter), text: move.from + move.to + letter };
  };

  // Sends a move of the side to move. In force mode nothing answers; else
  // the computer answers. The program may refuse castling or a capture in
  // passing (its rules are stricter there). Returns true when the game ended.
  const sendMove = async () => {
    const { move, text } = chooseMove();
    engine.send(text);
    const out = await engine.sync();
    if (out.length && out[0].startsWith("Illegal move: ")) {
      if (!isExotic(move) || out.length !== 1) fail(`"${text}" was refused in ${judge.fen()}: ${JSON.stringify(out)}`);
      return false;
    }
    judge.play(move);
    noteMove(move);
    if (force) {
      expectLines(out, [], `"${text}" in force mode`);
      return judge.ending() !== null;
    }
    return computerTurn(out, `after "${text}"`);
  };

  // The sides stay as they are.
  const takeBack = async (word, plies) => {
    engine.send(word);
    expectLines(await engine.sync(), [], `"${word}"`);
    for (let i = Math.min(plies, judge.plies()); i > 0; i--) judge.undo();
    if (word === "undo") force = true;
  };

  // Saves the game and, when the program will read the file back as this
  // game (it tells the sides by the move counters, and expects the player
  // to move), starts a new game from it.
  const saveAndLoad = async () => {
    const text = await checkBoard();
    const playerWhite = Number(text.slice(704, 715)) === Number(text.slice(715, 726));
    if (playerWhite !== (computer === "b")) return;
    const file = path.join(dir, `${files - 1}.sav`);
    const fen = judge.fen().split(" ");
    fen[3] = "-"; // the program keeps no square passed over in the file
    engine.send("new");
    engine.send("open");
    engine.send(file);
    const out = await engine.sync();
    if (out.length !== 3 || out[0] !== "Enter the name of the file" || !out[1].startsWith("My last move was: ") || out[2] !== "What is your move?")
      fail(`"open": ${JSON.stringify(out)}`);
    judge = new Judge(fen.join(" "));
    force = false;
    loaded = true;
    stats.loadedGames++;
  };

  try {
    return await judged(engine, { seed, stats, transcript, fen: () => judge.fen() }, async () => {
      await engine.handshake();
      engine.send("new");
      expectLines(await engine.sync(), [], '"new"');
      let over = false;
      for (let step = 0; !over && step < opt.plies * 2 && judge.plies() < opt.plies; step++) {
        let action;
        if (force) action = rnd.weighted({ move: 40, go: 4, undo: 2, remove: 2, pgn: 1 });
        else if (judge.turn() === computer) action = "go"; // after a take-back
        else action = rnd.weighted({ move: 40, go: 2, force: 4, undo: 2, remove: 2, pgn: 1, load: 1 });
        if (action === "move") over = await sendMove();
        else if (action === "go") {
          computer = judge.turn();
          force = false;
          engine.send("go");
          over = computerTurn(await engine.sync(), '"go"');
        } else if (action === "force") {
          force = true;
          engine.send("force");
          expectLines(await engine.sync(), [], '"force"');
        } else if (action === "undo") await takeBack("undo", 1);
        else if (action === "remove") await takeBack("remove", 2);
        else if (action === "pgn") await checkPgn();
        else if (action === "load") await saveAndLoad();
        if (rnd.next() < 0.3) await checkBoard();
      }
      await checkBoard();
      await checkPgn();
    });
  } finally {
    fs.rmSync(dir, { recursive: true, force: true });
  }
}

const opt = options(process.argv.slice(2), { games: 40, plies: 80 });
await runAll(opt, playGame, "games");
