// The UCI judge catches each kind of faulty answer to "go" and passes the
// right ones.
import { test } from "node:test";
import assert from "node:assert/strict";
import { Foul, Judge } from "../judge.js";
import { checkBestmove } from "../uci.js";

const START = "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1";
const reason = "info string Rule 9: I threaten your king.";
const cases = [
    // [name, fen, info, best, foul expected (a pattern) or null]
    [
        "a right opening move", START,
        [ "info string Opening move: a pawn.", "info depth 1 score cp 0 nodes 20 time 1 pv e2e3" ],
        "e2e3", null
    ],
    [
        "a capture scored by the material after it", "4k3/8/8/8/8/8/3r4/3QK3 w - - 0 1",
        [ reason, "info depth 1 score cp 900 nodes 9 time 1 pv d1d2" ], "d1d2", null
    ],
    [
        "a mate", "7k/8/6K1/8/8/8/8/1Q6 w - - 0 1",
        [ reason, "info depth 1 score mate 1 nodes 9 time 1 pv b1b8" ], "b1b8", null
    ],
    [
        "no move when mated", "7k/6Q1/6K1/8/8/8/8/8 b - - 0 1",
        [ "info string Rule 55: the game is over." ], "0000", null
    ],
    [ "no move without its reason", "7k/6Q1/6K1/8/8/8/8/8 b - - 0 1", [], "0000", /Rule 55/],
    [
        "an illegal move", START, [ reason, "info depth 1 score cp 0 nodes 20 time 1 pv e2e5" ],
        "e2e5", /illegal/
    ],
    [ "no move while it has one", START, [], "0000", /info lines|illegal/],
    [
        "a move when mated", "7k/6Q1/6K1/8/8/8/8/8 b - - 0 1", [ reason ], "h8g8",
        /no move \(mate\)/
    ],
    [
        "castling, which it never plays", "4k3/8/8/8/8/8/8/4K2R w K - 0 1",
        [ reason, "info depth 1 score cp 500 nodes 9 time 1 pv e1g1" ], "e1g1", /never makes/
    ],
    [
        "a promotion without its letter", "8/2P5/8/8/8/k7/8/7K w - - 0 1",
        [ reason, "info depth 1 score cp 900 nodes 9 time 1 pv c7c8" ], "c7c8", /promotion letter/
    ],
    [
        "a wrong score", START, [ reason, "info depth 1 score cp 100 nodes 20 time 1 pv e2e3" ],
        "e2e3", /expected cp 0/
    ],
    [
        "a mate not scored as one", "7k/8/6K1/8/8/8/8/1Q6 w - - 0 1",
        [ reason, "info depth 1 score cp 900 nodes 9 time 1 pv b1b8" ], "b1b8", /expected mate 1/
    ],
    [
        "another move as pv", START, [ reason, "info depth 1 score cp 0 nodes 20 time 1 pv e2e4" ],
        "e2e3", /info lines/
    ],
    // The reason first: an adapter shows the last line, which must hold the move.
    [
        "the reason after its score line", START,
        [ "info depth 1 score cp 0 nodes 20 time 1 pv e2e3", reason ], "e2e3", /info lines/
    ],
    [
        "no reason", START, [ "info depth 1 score cp 0 nodes 20 time 1 pv e2e3" ], "e2e3",
        /info lines/
    ],
    // GUIs drop an analysis line without a time above 0.
    [
        "no time", START, [ reason, "info depth 1 score cp 0 nodes 20 pv e2e3" ], "e2e3",
        /info lines/
    ],
    [
        "time 0", START, [ reason, "info depth 1 score cp 0 nodes 20 time 0 pv e2e3" ], "e2e3",
        /info lines/
    ],
];
for (const [name, fen, info, best, foul] of cases) {
  test(name, () => {
    const judge = new Judge(fen);
    const check = () => checkBestmove(judge, judge.turn(), { info, best }, "test");
    if (foul) assert.throws(check, (e) => e instanceof Foul && foul.test(e.message));
    else check();
  });
}
