// Command line, the loop over games and the ending of one game, shared by the
// referee, the match and the PGN round trip.
import { Foul } from "./judge.js";
import { EngineFailure } from "./xboard.js";

// The options of a test script: `--name value` for each key of the defaults
// (a number where the default is one), `--verbose` and `--transcript` alone.
// The option `required` names (a path) must be given. The engine scripts get
// the engine's options; the others pass their own `required` and defaults.
export function options(argv, defaults, required = "engine") {
  const engine = { engine: null, jobs: 2, timeout: 10000, verbose: false, transcript: false };
  const opt = { seed: 1, ...(required === "engine" ? engine : {}), ...defaults };
  for (let i = 0; i < argv.length; i++) {
    const key = argv[i].replace(/^--/, "");
    if (typeof opt[key] === "boolean") opt[key] = true;
    else if (key in opt) {
      const value = argv[++i];
      if (typeof opt[key] !== "number") opt[key] = value;
      else if (/^-?\d+$/.test(value ?? "")) opt[key] = Number(value);
      else {
        // NaN would make every seeded game the same game
        console.error(`--${key} needs a whole number, ${value === undefined ? "none was given" : `not "${value}"`}`);
        process.exit(2);
      }
    } else {
      console.error(`unknown option ${argv[i]}`);
      process.exit(2);
    }
  }
  if (required && !opt[required]) {
    console.error(`--${required} PATH is required`);
    process.exit(2);
  }
  return opt;
}

// Runs game(seed, opt) for seeds seed .. seed+games-1, `jobs` at a time.
// Prints each failure with its seed and transcript, then one summary line;
// the process exits non-zero when any game failed.
export async function runAll(opt, game, noun) {
  const seeds = Array.from({ length: opt.games }, (_, i) => opt.seed + i);
  const results = [];
  const worker = async () => {
    while (seeds.length) {
      const seed = seeds.shift();
      const r = await game(seed, opt);
      results.push(r);
      if (opt.verbose) console.log(`seed ${seed}: ${r.ok ? "ok" : "FAILED"} ${JSON.stringify(r.stats)}`);
      if (!r.ok || opt.transcript) {
        if (!r.ok) console.log(`\nFAILED seed ${seed}: ${r.why}`);
        if (r.fen) console.log(`judge's position: ${r.fen}`);
        if (!r.ok) console.log(`replay: --games 1 --seed ${seed}`);
        console.log("transcript:");
        for (const l of r.transcript) console.log(`  ${JSON.stringify(l).slice(1, -1)}`);
      }
    }
  };
  await Promise.all(Array.from({ length: Math.max(1, opt.jobs) }, worker));
  const total = {};
  for (const r of results) for (const [k, v] of Object.entries(r.stats)) total[k] = (total[k] ?? 0) + v;
  const failed = results.filter((r) => !r.ok).length;
  console.log(`${noun}: ${results.length}; ${Object.entries(total).map(([k, v]) => `${k} ${v}`).join(", ")}`);
  console.log(`${results.length - failed} passed, ${failed} failed`);
  process.exitCode = failed ? 1 : 0;
}

// Seeded generator (mulberry32): the same seed, the same game.
export function random(seed) {
  let a = seed >>> 0;
  const next = () => {
    a = (a + 0x6d2b79f5) >>> 0;
    let t = a;
    t = Math.imul(t ^ (t >>> 15), t | 1);
    t ^= t + Math.imul(t ^ (t >>> 7), t | 61);
    return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
  };
  const int = (n) => Math.floor(next() * n);
  const pick = (list) => list[int(list.length)];
  // One key of `weights`, chosen with the given weights.
  const weighted = (weights) => {
    const keys = Object.keys(weights).filter((k) => weights[k] > 0);
    let r = next() * keys.reduce((s, k) => s + weights[k], 0);
    for (const k of keys) if ((r -= weights[k]) < 0) return k;
    return keys[keys.length - 1];
  };
  return { next, int, pick, weighted };
}

// One game of `engine` played by `play`: a foul or an engine failure makes a
// failed game with its seed, transcript and the judge's position (`fen()`);
// at the end "quit" must end the engine with status 0.
export async function judged(engine, { seed, stats, transcript, fen }, play) {
  try {
    await play();
    const ended = await engine.quit();
    if (ended !== "exited with status 0") throw new Foul(`on "quit" the program ${ended}`);
    return { ok: true, seed, stats, transcript };
  } catch (e) {
    if (!(e instanceof Foul || e instanceof EngineFailure)) throw e;
    if (!engine.exited) engine.child.kill("SIGKILL");
    return { ok: false, seed, stats, why: e.message, transcript, fen: fen() };
  }
}
