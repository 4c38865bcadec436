// The web page's tests (make web-test):
// 1. under node, the WebAssembly engine's UCI lines byte for byte against the
//    native engine build's on the same sessions (positions by FEN and by
//    moves, MultiPV, searchmoves, go infinite/stop, go ponder/ponderhit), and
//    engine passes per second in both;
// 2. in headless Chromium, through the page: 200 positions' moves, reasons
//    and analysis tables against the native program's, whole games by mouse
//    against a seeded random player in English and Portuguese (every engine
//    move legal by chess.js, its reason shown, the end announced, the PGN
//    downloaded read back by chess.js, the annotated PGN as --annotate writes
//    it), the "why" screens, no error in the console; screenshots and figures
//    in the output folder.
//   node test/run.mjs --native BUILD --module WEB_BUILD --site SITE --out OUT
import { spawnSync } from "node:child_process";
import { mkdirSync, writeFileSync, readFileSync, existsSync, readdirSync, rmSync } from "node:fs";
import { join, resolve } from "node:path";
import { createRequire } from "node:module";
import { gzipSync } from "node:zlib";
import { Chess } from "chess.js";
import { posicoes, aleatorio, uciDe } from "./posicoes.mjs";
import { servidor, navegador } from "./navegador.mjs";

const opcoes = {};
for (let i = 2; i < process.argv.length; i += 2) opcoes[process.argv[i].replace(/^--/, "")] = resolve(process.argv[i + 1]);
const { native, module: modulo, site, out } = opcoes;
rmSync(out, { recursive: true, force: true });
mkdirSync(out, { recursive: true });
const xb = join(native, "quelmaro_xb");
let falhas = 0;
const figuras = {};
function falha(msg) {
  falhas++;
  console.error("FAIL: " + msg);
}
function confere(cond, msg) {
  if (!cond) falha(msg);
  return cond;
}

// --- 1. the module under node against the native engine ---
const require = createRequire(import.meta.url);
// The module's own loader fetches the .wasm, which node's fetch cannot for a
// file: its bytes are handed to it.
const carregador = require(join(modulo, "quelmaro_web.js"));
const binario = readFileSync(join(modulo, "quelmaro_web.wasm"));
const QuelmaroModulo = () => carregador({ wasmBinary: binario });
async function sessaoWasm(linhas) {
  const m = await QuelmaroModulo();
  let s = "";
  for (const l of linhas) {
    s += m.ccall("quelmaro_uci", "string", ["string"], [l]);
    if (l === "quit") break;
  }
  return s;
}
function sessaoNativa(linhas) {
  const r = spawnSync(xb, [], { input: linhas.join("\n") + "\n", encoding: "utf8", maxBuffer: 1 << 28 });
  return r.stdout;
}

const P = posicoes(200, 27);
const porFen = P.flatMap((p) => [`position fen ${p.fen}`, "go"]);
const r = aleatorio(5);
const sessoes = {
  fen: ["uci", "isready", ...porFen, "quit"],
  lances: ["uci", ...P.flatMap((p) => [p.lances.length ? `position startpos moves ${p.lances.join(" ")}` : "position startpos", "go"]), "quit"],
  // a game that goes on: each position extends the last by the engine's move and one more
  multipv: ["uci", "setoption name MultiPV value 8", ...porFen, "quit"],
  searchmoves: ["uci", ...P.flatMap((p) => {
    const k = 1 + Math.floor(r() * 4);
    const lista = p.legais.slice().sort(() => r() - 0.5).slice(0, k);
    if (r() < 0.2) lista.push("a1a1");
    return [`position fen ${p.fen}`, `go searchmoves ${lista.join(" ")}`];
  }), "quit"],
  infinito: ["uci", ...P.slice(0, 60).flatMap((p, i) =>
    i % 3 === 0 ? [`position fen ${p.fen}`, "go infinite", "isready", "stop"]
    : i % 3 === 1 ? [`position fen ${p.fen}`, "go ponder", "ponderhit"]
    : [`position fen ${p.fen}`, "go infinite", `position fen ${p.fen}`, "go", "stop"]), "quit"],
};
// A game played out: the engine's bestmove appended, then a random reply.
{
  const c = new Chess();
  const linhas = ["uci", "ucinewgame"];
  const lances = [];
  const rr = aleatorio(9);
  const sessao = [];
  const m0 = await QuelmaroModulo();
  const pede = (l) => m0.ccall("quelmaro_uci", "string", ["string"], [l]);
  pede("uci");
  for (let k = 0; k < 120 && !c.isGameOver(); k++) {
    const pos = lances.length ? `position startpos moves ${lances.join(" ")}` : "position startpos";
    linhas.push(pos, "go");
    pede(pos);
    const melhor = pede("go").trim().split("\n").pop().split(" ")[1];
    if (!melhor || melhor === "0000") break;
    c.move({ from: melhor.slice(0, 2), to: melhor.slice(2, 4), promotion: melhor[4] });
    lances.push(melhor);
    if (c.isGameOver()) break;
    const ms = c.moves({ verbose: true });
    const m = ms[Math.floor(rr() * ms.length)];
    c.move(m);
    lances.push(uciDe(m));
  }
  linhas.push("quit");
  sessoes.partida = linhas;
}
let linhasComparadas = 0;
for (const [nome, linhas] of Object.entries(sessoes)) {
  const a = sessaoNativa(linhas);
  const b = await sessaoWasm(linhas);
  writeFileSync(join(out, `uci-${nome}.in`), linhas.join("\n") + "\n");
  linhasComparadas += a.split("\n").length;
  if (!confere(a === b && a.length > 0, `UCI session "${nome}": the module's lines differ from quelmaro_xb's`)) {
    writeFileSync(join(out, `uci-${nome}.native`), a);
    writeFileSync(join(out, `uci-${nome}.wasm`), b);
    const x = a.split("\n"), y = b.split("\n");
    const i = x.findIndex((l, k) => l !== y[k]);
    console.error(`  line ${i + 1}: native ${JSON.stringify(x[i])} wasm ${JSON.stringify(y[i])}`);
  }
}
console.log(`UCI under node: ${Object.keys(sessoes).length} sessions, ${linhasComparadas} lines compared with quelmaro_xb`);
figuras.linhasUci = linhasComparadas;

// UCI answers per second: the same positions, 5 rounds, in one session each.
{
  const rodadas = ["uci", ...Array(5).fill(porFen).flat(), "quit"];
  const vazia = ["uci", "quit"];
  const t = (f) => { const a = process.hrtime.bigint(); f(); return Number(process.hrtime.bigint() - a) / 1e6; };
  const nativo = Math.min(...[0, 1, 2].map(() => t(() => sessaoNativa(rodadas)) - t(() => sessaoNativa(vazia))));
  const m = await QuelmaroModulo();
  const wasm = Math.min(...[0, 1, 2].map(() => t(() => { for (const l of rodadas) m.ccall("quelmaro_uci", "string", ["string"], [l]); })));
  const n = 5 * P.length;
  // Each go with its lines written: the native program's through a pipe.
  figuras.goPorSegundo = { nativo: Math.round(n / (nativo / 1000)), wasm: Math.round(n / (wasm / 1000)) };
  console.log(`UCI "go" per second with its lines: quelmaro_xb through a pipe ${figuras.goPorSegundo.nativo}, the module in node ${figuras.goPorSegundo.wasm}`);
}

// The bench's passes per second, native and WebAssembly (node) in the same
// run, three runs each interleaved, the best of each; their moves the same.
{
  const pasta = resolve("../bench/positions");
  const sav = readdirSync(pasta).filter((f) => f.endsWith(".sav")).sort().map((f) => join(pasta, f));
  const argumentos = ["--repeat", "30", ...sav];
  const bench = (cmd, args) => spawnSync(cmd, args, { encoding: "utf8", maxBuffer: 1 << 26 }).stdout;
  const lances = (s) => s.split("\n").filter((l) => /^\S+\.sav \S+ [\d.]+$/.test(l)).map((l) => l.split(" ").slice(0, 2).join(" ")).join("\n");
  const porSegundo = (s) => Number((s.match(/passes_per_s (\d+)/) || [])[1]);
  const v = { nativo: [], wasm: [] };
  let iguais = true;
  for (let i = 0; i < 3; i++) {
    const n = bench(join(native, "quelmaro_bench"), argumentos);
    const w = bench(process.execPath, ["--no-experimental-fetch", join(modulo, "quelmaro_bench.js"), ...argumentos]);
    iguais = iguais && lances(n) === lances(w) && lances(n).length > 0;
    v.nativo.push(porSegundo(n));
    v.wasm.push(porSegundo(w));
  }
  confere(iguais, "the bench's moves under WebAssembly are not the native bench's");
  figuras.bench = { movimentos: lances(bench(join(native, "quelmaro_bench"), sav)).split("\n").length };
  const nativo = Math.max(...v.nativo), wasm = Math.max(...v.wasm);
  figuras.bench = { ...figuras.bench, passesPorSegundoNativo: nativo, passesPorSegundoWasm: wasm, razao: +(wasm / nativo).toFixed(2) };
  console.log(`bench, ${sav.length} positions: native ${nativo} passes/s, WebAssembly in node ${wasm} (${figuras.bench.razao} of native), same moves`);
}

// Page weight.
figuras.peso = {};
for (const f of ["index.html", "main.js", "worker.js", "style.css", "quelmaro_web.js", "quelmaro_web.wasm",
  "assets/chessboard.css", "assets/pieces/standard.svg", "assets/extensions/markers/markers.svg", "assets/extensions/markers/markers.css",
  "assets/extensions/arrows/arrows.svg", "assets/extensions/arrows/arrows.css"]) {
  const d = readFileSync(join(site, f));
  figuras.peso[f] = [d.length, gzipSync(d, { level: 9 }).length];
}

// --- 2. the page in headless Chromium ---
const inicioDoNavegador = Date.now();
const srv = await servidor(site);
const nav = await navegador();
const erros = [];
async function abre(largura = 1200, altura = 900, endereco = srv.url) {
  const p = await nav.browser.newPage();
  p.on("console", (m) => { if (m.type() === "error" || m.type() === "warn") erros.push(`${m.type()}: ${m.text()}`); });
  p.on("pageerror", (e) => erros.push("pageerror: " + e.message));
  p.on("requestfailed", (q) => erros.push("request failed: " + q.url()));
  p.on("request", (q) => { if (!q.url().startsWith(srv.url) && !q.url().startsWith("blob:") && !q.url().startsWith("data:")) erros.push("outside request: " + q.url()); });
  await p.setViewport({ width: largura, height: altura });
  await p.goto(endereco);
  await p.waitForFunction(() => window.quelmaroPagina && window.quelmaroPagina.pronto, { timeout: 30000 });
  return p;
}
const quieta = (p, n0, humano) => p.waitForFunction((n0, humano) => {
  const q = window.quelmaroPagina;
  return q.ocupado === 0 && q.estado && q.estado.san.length === q.jogo.lances.length && q.jogo.lances.length > n0 &&
    (q.estado.fim || q.estado.vez === humano);
}, { timeout: 20000 }, n0, humano);
// The centre of a square on the screen (the board may be being redrawn: asked again).
async function casa(p, c) {
  for (let i = 0; i < 40; i++) {
    const b = await p.evaluate((c) => {
      const e = document.querySelector(`#tabuleiro rect[data-square="${c}"]`);
      const r = e && e.getBoundingClientRect();
      return r && r.width > 0 ? [r.x + r.width / 2 + window.scrollX, r.y + r.height / 2 + window.scrollY, r.y, window.innerHeight] : null;
    }, c);
    if (b) {
      // Scrolled into view when the page is longer than the screen (a phone).
      if (b[2] < 0 || b[2] + 10 > b[3]) {
        await p.evaluate((y) => window.scrollTo(0, y - 200), b[1]);
        continue;
      }
      return [b[0] - (await p.evaluate(() => window.scrollX)), b[1] - (await p.evaluate(() => window.scrollY))];
    }
    await new Promise((r) => setTimeout(r, 50));
  }
  throw new Error(`no square ${c} on the screen`);
}
async function aponta(p, de, para, arrasta) {
  const [x0, y0] = await casa(p, de);
  const [x1, y1] = await casa(p, para);
  if (arrasta) {
    await p.mouse.move(x0, y0);
    await p.mouse.down();
    await p.mouse.move(x1, y1, { steps: 6 });
    await p.mouse.up();
  } else {
    await p.mouse.click(x0, y0);
    await p.mouse.click(x1, y1);
  }
}

try {
  // Load to ready and to the first move, the computer opening.
  {
    const p = await abre(1200, 900, srv.url + "#b");
    await p.waitForFunction(() => window.quelmaroPagina.tempos.primeiroLance, { timeout: 20000 });
    const t = await p.evaluate(() => window.quelmaroPagina.tempos);
    figuras.tempos = { prontoMs: Math.round(t.pronto), primeiroLanceMs: Math.round(t.primeiroLance) };
    console.log(`page: engine ready ${figuras.tempos.prontoMs} ms after the page began to load, first move at ${figuras.tempos.primeiroLanceMs} ms`);
    await p.close();
  }

  // 200 positions through the page's Worker against the native engine, and
  // the analysis table against --explain, in both languages.
  {
    const p = await abre();
    const nativo = sessaoNativa(["uci", ...porFen, "quit"]).split("\n");
    const pagina = await p.evaluate(async (fens) => {
      const q = window.quelmaroPagina;
      const v = [];
      for (const f of fens) v.push(await q.uci([`position fen ${f}`, "go"], "bestmove"));
      return v;
    }, P.map((x) => x.fen));
    const esperado = [];
    let bloco = [];
    for (const l of nativo.slice(nativo.indexOf("uciok") + 1)) {
      if (!l) continue;
      bloco.push(l);
      if (l.startsWith("bestmove")) { esperado.push(bloco); bloco = []; }
    }
    let iguais = 0;
    pagina.forEach((linhas, i) => { if (JSON.stringify(linhas) === JSON.stringify(esperado[i])) iguais++; else if (iguais + 3 > i) console.error("  position", P[i].fen, linhas, esperado[i]); });
    confere(iguais === P.length, `page's moves and reasons: ${iguais} of ${P.length} positions as native`);
    let tabelas = 0;
    const pasta = join(out, "fen");
    mkdirSync(pasta, { recursive: true });
    // A position where a fixed opening move is due: the page's table follows
    // the game (as --annotate and the engine do), --explain does not; there
    // the page's choice is the engine's bestmove.
    let aberturas = 0;
    for (const [lingua, ingles] of [["en", 1], ["pt", 0]]) {
      const analises = await p.evaluate(async (fens, ingles) => {
        const v = [];
        for (const f of fens) v.push(JSON.parse(await window.quelmaroPagina.pergunta("analise", f, "", ingles)));
        return v;
      }, P.map((x) => x.fen), ingles);
      P.forEach((x, i) => {
        const a = analises[i];
        if (a.abertura) {
          aberturas++;
          if (a.lance.uci === esperado[i][esperado[i].length - 1].split(" ")[1]) tabelas++;
          else console.error(`  opening move at ${x.fen}: page ${a.lance.uci}, native ${esperado[i].join(" | ")}`);
          return;
        }
        const f = join(pasta, `p${i}.fen`);
        writeFileSync(f, x.fen + "\n");
        const n = spawnSync(xb, ["--explain", f, "--lang", lingua], { encoding: "utf8" }).stdout;
        if (n === a.texto) tabelas++;
        else console.error(`  --explain ${lingua} differs at ${x.fen}:\n${n}\n---\n${a.texto}`);
      });
    }
    figuras.aberturas = aberturas;
    confere(tabelas === 2 * P.length, `analysis tables: ${tabelas} of ${2 * P.length} as --explain`);
    console.log(`page against native: ${iguais} positions' UCI lines, ${tabelas} analysis tables (English and Portuguese) identical`);
    figuras.posicoesIguais = iguais;
    figuras.tabelasIguais = tabelas;
    await p.close();
  }

  // Whole games by mouse against a seeded random player.
  const downloads = join(out, "downloads");
  figuras.partidas = [];
  const jogos = [
    { lingua: "en", humano: "w", semente: 1 }, { lingua: "pt", humano: "b", semente: 2 },
    { lingua: "en", humano: "b", semente: 3 }, { lingua: "pt", humano: "w", semente: 4 },
    // A game pasted: the player takes the side to move.
    { lingua: "en", semente: 5, colar: "[Event \"?\"]\n\n1. e4 e5 2. Nf3 Nc6 3. Bc4 Bc5 4. b4 *\n", colados: 7, humano: "b" },
    // A FEN pasted, a pawn to promote: the player promotes when it can.
    { lingua: "pt", semente: 6, colar: "8/1P6/8/8/8/k7/8/K7 w - - 0 1", fen: "8/1P6/8/8/8/k7/8/K7 w - - 0 1", colados: 0, humano: "w" },
  ];
  for (const [g, j] of jogos.entries()) {
    const p = await abre(g === 1 ? 390 : 1200, g === 1 ? 844 : 900);
    rmSync(downloads, { recursive: true, force: true });
    mkdirSync(downloads, { recursive: true });
    const cdp = await p.createCDPSession();
    await cdp.send("Browser.setDownloadBehavior", { behavior: "allow", downloadPath: downloads });
    if (j.lingua === "pt") {
      await p.click("#lingua");
      await p.waitForFunction(() => document.documentElement.lang === "pt" && window.quelmaroPagina.ocupado === 0);
    }
    const rotulo = await p.$eval("#novo", (e) => e.textContent);
    confere(rotulo === (j.lingua === "en" ? "New game" : "Jogo novo"), `game ${g}: the page's words in ${j.lingua} (${rotulo})`);
    await p.select("#cor", j.colar ? "w" : j.humano);
    await p.click("#novo");
    await quieta(p, j.humano === "w" || j.colar ? -1 : 0, j.colar ? "w" : j.humano);
    if (j.colar) {
      await p.type("#colar", j.colar);
      await p.click("#carregar");
      await quieta(p, j.colados - 1, j.humano);
    }
    const rr = aleatorio(j.semente);
    const c = new Chess(j.fen);
    let verificados = 0, razoes = 0, k = 0;
    for (; k < 400; k++) {
      const s = await p.evaluate(() => ({ estado: window.quelmaroPagina.estado, lances: window.quelmaroPagina.jogo.lances, razao: document.getElementById("razao-texto")?.textContent || "", situacao: document.getElementById("situacao").textContent }));
      // Every move the page shows, replayed by chess.js.
      for (; verificados < s.lances.length; verificados++) {
        const l = s.lances[verificados];
        let ok = false;
        try { ok = !!c.move({ from: l.slice(0, 2), to: l.slice(2, 4), promotion: l[4] }); } catch { ok = false; }
        if (!confere(ok, `game ${g}: move ${verificados + 1} ${l} illegal (chess.js)`)) break;
      }
      // The FEN but its capture-in-passing square, which the program writes
      // after every double step and chess.js only when a capture is legal.
      const semEp = (f) => f.split(" ").filter((_, i) => i !== 3).join(" ");
      confere(semEp(c.fen()) === semEp(s.estado.fen), `game ${g}: the page's FEN ${s.estado.fen} is not chess.js's ${c.fen()}`);
      const nossos = s.estado.legais.map((m) => m.uci).sort().join(" ");
      const deles = c.moves({ verbose: true }).map(uciDe).sort().join(" ");
      confere(nossos === deles, `game ${g}: legal moves differ from chess.js's at ${c.fen()}`);
      const ultimo = s.lances.length - 1;
      // (A pasted game's moves were nobody's here.)
      const brancasNoInicio = c.history().length % 2 === 0 ? c.turn() === "w" : c.turn() === "b";
      if (ultimo >= (j.colados || 0) && (ultimo % 2 === 0) === (brancasNoInicio === (j.humano === "b"))) {
        if (confere(s.razao.length > 0, `game ${g}: no reason shown for the computer's move ${s.lances[ultimo]}`)) razoes++;
      }
      if (s.estado.fim) {
        confere(s.situacao === s.estado.fimTexto && s.situacao.length > 0, `game ${g}: the end is not announced`);
        const fimJs = c.isCheckmate() ? "mate" : c.isStalemate() ? "afogamento" : c.isInsufficientMaterial() ? "material" : c.isThreefoldRepetition() ? "repeticao" : c.isDraw() ? "cinquenta" : "";
        confere(fimJs === s.estado.fim, `game ${g}: the page's end "${s.estado.fim}", chess.js's "${fimJs}"`);
        break;
      }
      if (s.estado.vez !== j.humano) { falha(`game ${g}: not the player's turn`); break; }
      // Now and then: a hint, a take-back, a flip; the why screens once.
      if (k === 6) {
        await p.click("#dica");
        await p.waitForFunction(() => window.quelmaroPagina.ocupado === 0);
        const t = await p.$eval("#situacao", (e) => e.textContent);
        confere(t.startsWith(j.lingua === "en" ? "Hint: " : "Sugestão: "), `game ${g}: hint "${t}"`);
      }
      if (k === 8 && s.lances.length >= 2) {
        await p.click("#desfazer");
        await p.waitForFunction((n) => window.quelmaroPagina.ocupado === 0 && window.quelmaroPagina.jogo.lances.length === n, { timeout: 10000 }, s.lances.length - 2);
        c.undo(); c.undo(); verificados -= 2;
        continue;
      }
      if (k === 10 && g === 0) await porques(p, g);
      if (k === 12) {
        const antes = await p.$eval("#tabuleiro svg", (e) => e.innerHTML.length);
        await p.click("#virar");
        await new Promise((r) => setTimeout(r, 400));
        await p.click("#virar");
        await new Promise((r) => setTimeout(r, 400));
        confere(antes > 0, "flip");
      }
      const promocoes = s.estado.legais.filter((x) => x.uci.length === 5);
      const ms = promocoes.length ? promocoes : s.estado.legais;
      const m = ms[Math.floor(rr() * ms.length)];
      const n0 = s.lances.length;
      try {
        await aponta(p, m.de, m.para, k % 2 === 1);
        if (m.uci.length === 5) {
          await p.waitForSelector("#promocao[open]");
          await p.click(`#pecas button[data-peca="${m.uci[4]}"]`);
          figuras.promocoes = (figuras.promocoes || 0) + 1;
        }
        await quieta(p, n0, j.humano);
      } catch (e) {
        await p.screenshot({ path: join(out, `falha-${g}.png`) });
        falha(`game ${g}, move ${m.uci} (${k % 2 ? "drag" : "click"}) at ${s.estado.fen}: ${e.message}`);
        break;
      }
    }
    if (g === 0) await p.screenshot({ path: join(out, "tela-jogo.png") });
    if (g === 1) await p.screenshot({ path: join(out, "tela-telefone.png"), fullPage: true });
    const final = await p.evaluate(() => ({ estado: window.quelmaroPagina.estado, jogo: window.quelmaroPagina.jogo }));
    const razoesDoJogo = Object.values(final.jogo.razoes);
    figuras.partidas.push({
      lingua: j.lingua, humano: j.humano, meiosLances: final.jogo.lances.length, fim: final.estado.fim || "(not over in 400 moves)",
      razoesMostradas: razoes, lancesDoComputador: razoesDoJogo.length, analiseComOutroLance: razoesDoJogo.filter((x) => !x.mesma).length,
    });
    // The PGN downloaded, read back by chess.js; the annotated one as --annotate writes it.
    await p.click("#baixar-pgn");
    await p.click("#baixar-anotado");
    const espera = async (f) => { for (let i = 0; i < 100 && !existsSync(f); i++) await new Promise((r) => setTimeout(r, 50)); return readFileSync(f, "utf8"); };
    const pgn = await espera(join(downloads, "quelmaro.pgn"));
    const anotado = await espera(join(downloads, "quelmaro-anotado.pgn"));
    const lido = new Chess();
    lido.loadPgn(pgn);
    confere(lido.history({ verbose: true }).map(uciDe).join(" ") === final.jogo.lances.join(" "), `game ${g}: the PGN read back by chess.js has other moves`);
    writeFileSync(join(out, `partida-${g}.pgn`), pgn);
    writeFileSync(join(out, `partida-${g}-anotada.pgn`), anotado);
    const nativoAnotado = spawnSync(xb, ["--annotate", join(out, `partida-${g}.pgn`), "--side", j.humano === "w" ? "black" : "white", "--lang", j.lingua], { encoding: "utf8" }).stdout;
    confere(nativoAnotado === anotado, `game ${g}: the annotated PGN is not --annotate's`);
    await p.close();
  }
  console.log("games:", JSON.stringify(figuras.partidas));
} finally {
  await nav.fecha();
  srv.fecha();
}
confere(erros.length === 0, `the browser's console: ${erros.join("; ")}`);
figuras.segundosNoNavegador = Math.round((Date.now() - inicioDoNavegador) / 1000);

// The why screens of a game: the reason of the computer's last move, a move
// pointed at on the board, a row of the table, the table sorted by rule.
async function porques(p, g) {
  await p.click("#porque");
  await p.waitForFunction(() => window.quelmaroPagina.porque && window.quelmaroPagina.ocupado === 0);
  const a = await p.evaluate(() => window.quelmaroPagina.porque.analise);
  const linhas = await p.$$eval("#tabela tbody tr", (t) => t.length);
  confere(linhas === a.linhas.length && linhas > 0, `why: the table has ${linhas} rows for ${a.linhas.length} moves`);
  await p.screenshot({ path: join(out, "tela-porque.png"), fullPage: true });
  // A move other than the choice, pointed at with the mouse.
  const outro = a.linhas.find((l) => !l.escolhido && l.san);
  await aponta(p, outro.de, outro.para, false);
  await p.waitForFunction(() => window.quelmaroPagina.respostaPorque && window.quelmaroPagina.ocupado === 0);
  const t = await p.$eval("#resposta-porque", (e) => e.textContent);
  confere(t.length > outro.san.length, `why not ${outro.uci}: "${t}"`);
  await p.click('#tabela th[data-coluna="regra"]');
  const regras = await p.$$eval("#tabela tbody tr td:nth-child(3)", (t) => t.map((x) => (x.textContent === "-" ? 1000 : Number(x.textContent))));
  confere(regras.every((x, i) => i === 0 || regras[i - 1] <= x), "why: sorted by rule");
  // The row with the most words, then the picture.
  const maisPalavras = a.linhas.reduce((x, y) => (y.marcas.length > x.marcas.length ? y : x));
  await p.click(`#tabela tbody tr[data-lance="${maisPalavras.uci}"]`);
  await p.waitForFunction(() => window.quelmaroPagina.ocupado === 0);
  await p.screenshot({ path: join(out, "tela-porque-nao.png"), fullPage: true });
  await p.click("#voltar");
  await p.waitForFunction(() => window.quelmaroPagina.ocupado === 0 && !window.quelmaroPagina.porque);
}

writeFileSync(join(out, "figuras.json"), JSON.stringify(figuras, null, 2) + "\n");
console.log(`figures in ${join(out, "figuras.json")}; screenshots tela-*.png beside it`);
if (falhas) {
  console.error(`${falhas} failure(s)`);
  process.exit(1);
}
console.log("web tests passed");
