// Command line and the loop over games shared by the referee and the match.
export function options(argv, defaults) {
  const opt = { engine: null, seed: 1, jobs: 2, timeout: 10000, verbose: false, transcript: false, ...defaults };
  for (let i = 0; i < argv.length; i++) {
    const key = argv[i].replace(/^--/, "");
    if (key === "verbose" || key === "transcript") opt[key] = true;
    else if (key in opt) {
      const value = argv[++i];
      opt[key] = typeof defaults[key] === "number" || ["seed", "jobs", "timeout"].includes(key) ? Number(value) : value;
    } else {
      console.error(`unknown option ${argv[i]}`);
      process.exit(2);
    }
  }
  if (!opt.engine) {
    console.error("--engine PATH is required");
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
