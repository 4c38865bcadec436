// Every script that plays seeded games refuses a number option that is no
// number: a seed such as "abc" would otherwise start every game from the
// same state, so a long run would check one game over and over.
import { test } from "node:test";
import assert from "node:assert/strict";
import { spawnSync } from "node:child_process";
import { fileURLToPath } from "node:url";

const here = (f) => fileURLToPath(new URL(f, import.meta.url));

function run(script, args) {
  const r = spawnSync(process.execPath, [here(`../${script}`), "--engine", here("fake_engine.js"), ...args], {
    encoding: "utf8",
    timeout: 20000,
  });
  return { status: r.status, err: r.stderr, out: r.stdout };
}

const refused = [
  ["--seed", "abc"],
  ["--seed", ""],
  ["--seed", "1.5"],
  ["--seed", "12abc"],
  ["--seed"],
  ["--games", "many"],
  ["--jobs", "two"],
  ["--timeout", "1e99x"],
];
for (const script of ["referee.js", "pgn.js", "match.js"]) {
  for (const args of refused) {
    test(`${script} ${args.join(" ")} is refused`, () => {
      const r = run(script, args);
      assert.equal(r.status, 2, r.err + r.out);
      assert.match(r.err, new RegExp(`^${args[0]} needs a whole number`, "m"));
      assert.equal(r.out, "");
    });
  }
}

test("a numeric seed is taken", () => {
  const r = run("referee.js", ["--seed", "-7", "--games", "1", "--timeout", "2000"]);
  assert.equal(r.status, 0, r.err + r.out);
  assert.match(r.out, /^1 passed, 0 failed$/m);
});
