// Builds the static site: the page and its Worker bundled with esbuild, the
// board's assets, and the program's WebAssembly module with its loader.
//   node build.mjs MODULE_FOLDER SITE_FOLDER
import { build } from "esbuild";
import { cpSync, mkdirSync, rmSync } from "node:fs";
import { join } from "node:path";

const [modulo, site] = process.argv.slice(2);
if (!modulo || !site) {
  console.error("usage: node build.mjs MODULE_FOLDER SITE_FOLDER");
  process.exit(2);
}
rmSync(site, { recursive: true, force: true });
mkdirSync(join(site, "assets"), { recursive: true });
await build({
  entryPoints: ["src/main.js", "src/worker.js"],
  bundle: true,
  minify: true,
  format: "iife",
  target: "es2020",
  outdir: site,
  legalComments: "eof",
  logLevel: "warning",
});
for (const f of ["index.html", "style.css"]) cpSync(join("src", f), join(site, f));
const assets = "node_modules/cm-chessboard/assets";
cpSync(join(assets, "chessboard.css"), join(site, "assets/chessboard.css"));
cpSync(join(assets, "pieces/standard.svg"), join(site, "assets/pieces/standard.svg"));
for (const e of ["markers", "arrows"])
  for (const t of ["css", "svg"]) cpSync(join(assets, `extensions/${e}/${e}.${t}`), join(site, `assets/extensions/${e}/${e}.${t}`));
cpSync("node_modules/cm-chessboard/LICENSE", join(site, "assets/LICENSE"));
for (const f of ["quelmaro_web.js", "quelmaro_web.wasm"]) cpSync(join(modulo, f), join(site, f));
cpSync("../COPYING", join(site, "COPYING"));
