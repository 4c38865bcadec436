// The referee catches a faulty program: it passes the faithful stand-in
// engine and fails each faulty one with the reason and the seed.
import { test } from "node:test";
import assert from "node:assert/strict";
import { spawnSync } from "node:child_process";
import { fileURLToPath } from "node:url";

const here = (f) => fileURLToPath(new URL(f, import.meta.url));

function referee(fault, games = 4) {
  const r = spawnSync(
    process.execPath,
    [here("../referee.js"), "--engine", here("fake_engine.js"), "--games", String(games), "--timeout", "2000"],
    { env: { ...process.env, FAULT: fault }, encoding: "latin1" },
  );
  return { status: r.status, out: r.stdout };
}

test("a faithful engine passes", () => {
  const r = referee("", 6);
  assert.equal(r.status, 0, r.out);
  assert.match(r.out, /^6 passed, 0 failed$/m);
});

const faults = [
  ["illegal", /the computer's move \w+ is illegal/],
  ["false-mate", /unexpected lines after "move/],
  ["refuse", /the legal move ".*" was refused/],
  ["draw", /"draw" with material/],
  ["crash", /exited with status 3/],
  ["hang", /no answer within 2000 ms/],
  ["thinking", /thinking line .*: the score is not/],
];
for (const [fault, reason] of faults) {
  test(`an engine that fails with "${fault}" is caught`, () => {
    const r = referee(fault);
    assert.equal(r.status, 1, r.out);
    assert.match(r.out, reason);
    assert.match(r.out, /^FAILED seed \d+: /m);
    assert.match(r.out, /^transcript:$/m);
  });
}
