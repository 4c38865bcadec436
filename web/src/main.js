// The page: the board, the game against the rule player, and why it moves.
// Every rule of chess, every text and every explanation comes from the
// program in the Worker (worker.js); this script draws and asks.
import { Chessboard, COLOR, INPUT_EVENT_TYPE, BORDER_TYPE, FEN } from "cm-chessboard/src/Chessboard.js";
import { Markers, MARKER_TYPE } from "cm-chessboard/src/extensions/markers/Markers.js";
import { Arrows, ARROW_TYPE } from "cm-chessboard/src/extensions/arrows/Arrows.js";

const $ = (id) => document.getElementById(id);
const tempos = { inicio: performance.now() };
// What the tests read: the times, and the page's state after each change.
const pagina = (window.quelmaroPagina = { pronto: false, tempos, ocupado: 0 });
// Tests and other pages may ask the same Worker (see README).

// --- the Worker: UCI lines and the page's questions ---
const worker = new Worker("worker.js");
let numero = 0;
const pendentes = new Map();
let ouvinte = null;
worker.onmessage = (e) => {
  if (typeof e.data === "string") {
    if (ouvinte) ouvinte(e.data);
    return;
  }
  const resolve = pendentes.get(e.data.id);
  pendentes.delete(e.data.id);
  resolve(e.data.resposta);
};
function pergunta(nome, ...args) {
  return new Promise((resolve) => {
    pendentes.set(++numero, resolve);
    worker.postMessage({ id: numero, pergunta: nome, args });
  });
}
async function perguntaJson(nome, ...args) {
  return JSON.parse(await pergunta(nome, ...args));
}
pagina.pergunta = (...a) => pergunta(...a);
// Lines to the engine, and its lines until one that starts with `ate`.
let filaUci = Promise.resolve();
function uci(linhas, ate) {
  const feito = filaUci.then(
    () =>
      new Promise((resolve) => {
        const recebidas = [];
        ouvinte = (l) => {
          recebidas.push(l);
          if (l.startsWith(ate)) {
            ouvinte = null;
            resolve(recebidas);
          }
        };
        for (const l of linhas) worker.postMessage(l);
      }),
  );
  filaUci = feito;
  return feito;
}
pagina.uci = uci;

// --- the game ---
const jogo = {
  inicio: "", // the starting FEN; "" the ordinary start
  lances: [], // in coordinates
  humano: "w", // the player's colour
  razoes: {}, // by half-move: the engine's own reason and move, from its UCI lines
};
let ingles = true;
let M = {}; // the program's messages in the page's language
let est = null; // the state of the game as the program gives it
let modo = "jogo"; // or "porque": the analysis beside the board
let porqueDe = null; // the analysed game: {lances, analise, fen, titulo}
let dica = null;

const lingua = () => (ingles ? 1 : 0);
const vezDoHumano = () => est && est.vez === jogo.humano;
const corDe = (c) => (c === "w" ? COLOR.white : COLOR.black);

const tabuleiro = new Chessboard($("tabuleiro"), {
  position: FEN.start,
  assetsUrl: "assets/",
  style: { borderType: BORDER_TYPE.frame, animationDuration: 150, pieces: { file: "pieces/standard.svg" } },
  extensions: [{ class: Markers, props: { autoMarkers: MARKER_TYPE.frame } }, { class: Arrows }],
});

// The page's actions one after the other (a click while the engine answers
// waits for it); `ocupado` counts those not yet done.
let fila = Promise.resolve();
function serie(f) {
  return (...a) => {
    pagina.ocupado++;
    const feito = fila.then(() => f(...a));
    fila = feito
      .catch((e) => console.error(e))
      .finally(() => {
        pagina.ocupado--;
      });
    return feito;
  };
}

async function textos() {
  M = await perguntaJson("mensagens", lingua());
  document.documentElement.lang = ingles ? "en" : "pt";
  const poe = (id, t) => ($(id).textContent = t);
  poe("resumo", M.resumo);
  poe("lingua", M.outraLingua);
  poe("novo", M.novoJogo);
  poe("jogo-com", M.jogoCom + " ");
  $("cor").options[0].textContent = M.pretas; // the player takes White: I play Black
  $("cor").options[1].textContent = M.brancas;
  poe("virar", M.virar);
  poe("desfazer", M.desfazer);
  poe("dica", M.dica);
  poe("porque", M.porque);
  poe("voltar", M.voltar);
  poe("titulo-lances", M.lances);
  poe("baixar-pgn", M.baixarPgn);
  poe("baixar-anotado", M.baixarAnotado);
  $("colar").placeholder = M.colar;
  poe("carregar", M.carregar);
  poe("porque-nao", M.porqueNao);
  poe("setas", M.setas);
  poe("regra-decide", M.regraDecide);
  poe("titulo-legenda", M.legenda);
  poe("promover-a", M.promoverA);
  const th = document.querySelectorAll("#tabela th");
  th[1].textContent = M.colunaLance;
  th[2].textContent = M.colunaRegra;
  th[3].textContent = M.colunaMarcas;
}

function texto(id, t) {
  $(id).textContent = t;
}

// The move list in SAN, numbered from the starting position's move number.
function desenhaLances() {
  const campos = est.inicio.split(" ");
  let n = Number(campos[5]) || 1;
  let brancas = campos[1] === "w";
  const ol = $("lances");
  ol.replaceChildren();
  let li = null;
  est.san.forEach((san, k) => {
    if (brancas || !li) {
      li = document.createElement("li");
      li.append(`${n}.${brancas ? "" : ".."} `);
      ol.append(li);
    }
    const s = document.createElement("span");
    s.textContent = san + " ";
    s.className = "lance";
    if (jogo.razoes[k]) s.title = jogo.razoes[k].texto;
    li.append(s);
    if (!brancas) n++;
    brancas = !brancas;
  });
  ol.scrollTop = ol.scrollHeight;
}

function setaDoUltimo() {
  tabuleiro.removeArrows();
  tabuleiro.removeMarkers();
  const k = jogo.lances.length - 1;
  if (k < 0) return;
  const l = jogo.lances[k];
  if (jogo.razoes[k]) tabuleiro.addArrow(ARROW_TYPE.success, l.slice(0, 2), l.slice(2, 4));
  else {
    tabuleiro.addMarker(MARKER_TYPE.square, l.slice(0, 2));
    tabuleiro.addMarker(MARKER_TYPE.square, l.slice(2, 4));
  }
}

async function mostra() {
  est = await perguntaJson("estado", jogo.inicio, jogo.lances.join(" "), lingua());
  pagina.estado = est;
  pagina.jogo = jogo;
  dica = null;
  await tabuleiro.setPosition(est.fen, true);
  setaDoUltimo();
  desenhaLances();
  const k = jogo.lances.length - 1;
  const razao = jogo.razoes[k];
  $("razao").replaceChildren();
  if (razao) {
    const b = document.createElement("b");
    b.textContent = M.meuMovimento + est.san[k];
    const p = document.createElement("p");
    p.textContent = razao.texto;
    p.id = "razao-texto";
    $("razao").append(b, p);
  }
  tabuleiro.disableMoveInput();
  if (est.fim) {
    texto("situacao", est.fimTexto);
    $("situacao").className = "fim";
  } else if (vezDoHumano()) {
    texto("situacao", M.pedidoDeLance);
    $("situacao").className = "";
    tabuleiro.enableMoveInput(entradaDoJogo, corDe(jogo.humano));
  } else {
    texto("situacao", "…");
    $("situacao").className = "";
    await lanceDoComputador();
  }
}

function posicaoUci() {
  const pos = jogo.inicio ? `position fen ${jogo.inicio}` : "position startpos";
  return jogo.lances.length ? `${pos} moves ${jogo.lances.join(" ")}` : pos;
}

async function lanceDoComputador() {
  const linhas = await uci([posicaoUci(), "go"], "bestmove");
  const melhor = linhas[linhas.length - 1].split(" ")[1];
  if (!melhor || melhor === "0000") return;
  const info = linhas.filter((l) => l.startsWith("info string ")).pop() || "";
  const k = jogo.lances.length;
  // The reason in the page's language, from the program's analysis of the
  // same position; the engine's own words when that pass chose otherwise.
  const a = await perguntaJson("analise", jogo.inicio, jogo.lances.join(" "), lingua());
  const mesma = a.lance && a.lance.uci === melhor;
  jogo.razoes[k] = { lance: melhor, mesma, texto: mesma ? a.escolha.trim() : info.slice(12) };
  jogo.lances.push(melhor);
  if (!tempos.primeiroLance) tempos.primeiroLance = performance.now();
  await mostra();
}

// --- moves on the board: by drag or by click ---
function entradaDoJogo(e) {
  if (modo !== "jogo" || !est) return false;
  if (e.type === INPUT_EVENT_TYPE.moveInputStarted) {
    const daqui = est.legais.filter((m) => m.de === e.squareFrom);
    tabuleiro.removeMarkers(MARKER_TYPE.dot);
    for (const m of daqui) tabuleiro.addMarker(MARKER_TYPE.dot, m.para);
    return daqui.length > 0;
  }
  if (e.type === INPUT_EVENT_TYPE.validateMoveInput) {
    tabuleiro.removeMarkers(MARKER_TYPE.dot);
    const lances = est.legais.filter((m) => m.de === e.squareFrom && m.para === e.squareTo);
    if (lances.length === 0) return false;
    if (lances.length === 1) {
      joga(lances[0].uci);
      return true;
    }
    // A promotion: the pawn stays until its piece is chosen.
    setTimeout(() => escolhePromocao(lances));
    return false;
  }
  if (e.type === INPUT_EVENT_TYPE.moveInputCanceled) tabuleiro.removeMarkers(MARKER_TYPE.dot);
  return true;
}

const joga = serie(async function joga(lance) {
  jogo.lances.push(lance);
  await mostra();
});

function escolhePromocao(lances) {
  const d = $("promocao");
  const pecas = $("pecas");
  pecas.replaceChildren();
  const cor = jogo.humano;
  for (const letra of ["q", "r", "b", "n"]) {
    const m = lances.find((l) => l.uci.endsWith(letra));
    if (!m) continue;
    const b = document.createElement("button");
    b.type = "button";
    b.dataset.peca = letra;
    b.title = m.san;
    b.innerHTML = `<svg viewBox="0 0 40 40"><use href="assets/pieces/standard.svg#${cor}${letra}"></use></svg>`;
    b.onclick = () => {
      d.close();
      joga(m.uci);
    };
    pecas.append(b);
  }
  d.oncancel = serie(mostra);
  d.showModal();
}

// --- why: the analysis of a position beside the board ---
async function abrePorque(lances, titulo, jogado) {
  const a = await perguntaJson("analise", jogo.inicio, lances.join(" "), lingua());
  const e = await perguntaJson("estado", jogo.inicio, lances.join(" "), lingua());
  porqueDe = { lances, analise: a, fen: e.fen, titulo, jogado, vez: e.vez, ordem: "ordem" };
  pagina.porque = porqueDe;
  modo = "porque";
  $("jogo").hidden = true;
  $("analise").hidden = false;
  tabuleiro.disableMoveInput();
  texto("situacao", "");
  await tabuleiro.setPosition(e.fen, false);
  desenhaPorque();
  tabuleiro.enableMoveInput(entradaDoPorque, corDe(e.vez));
}

function desenhaPorque(apontado, respostas = []) {
  const a = porqueDe.analise;
  texto("titulo-analise", porqueDe.titulo);
  texto("escolha", a.escolha.trim());
  texto("titulo-tabela", a.titulo);
  tabuleiro.removeArrows();
  tabuleiro.removeMarkers();
  if (a.lance) tabuleiro.addArrow(ARROW_TYPE.success, a.lance.de, a.lance.para);
  if (porqueDe.jogado && (!a.lance || porqueDe.jogado !== a.lance.uci))
    tabuleiro.addArrow(ARROW_TYPE.warning, porqueDe.jogado.slice(0, 2), porqueDe.jogado.slice(2, 4));
  if (apontado) tabuleiro.addArrow(ARROW_TYPE.info, apontado.slice(0, 2), apontado.slice(2, 4));
  for (const [de, para] of respostas) tabuleiro.addArrow(ARROW_TYPE.danger, de, para);
  const linhas = a.linhas.map((l, i) => ({ ...l, ordem: i + 1 }));
  const chave = porqueDe.ordem;
  const regra = (l) => (l.regra === 0 ? 1000 : l.regra);
  linhas.sort((x, y) =>
    chave === "regra"
      ? regra(x) - regra(y) || x.ordem - y.ordem
      : chave === "ordem"
        ? x.ordem - y.ordem
        : String(x[chave === "lance" ? "san" : "marcas"]).localeCompare(y[chave === "lance" ? "san" : "marcas"]) ||
          x.ordem - y.ordem,
  );
  for (const th of document.querySelectorAll("#tabela th"))
    th.setAttribute("aria-sort", th.dataset.coluna === chave ? "ascending" : "none");
  const tbody = $("tabela").tBodies[0];
  tbody.replaceChildren();
  for (const l of linhas) {
    const tr = document.createElement("tr");
    tr.dataset.lance = l.uci;
    if (l.escolhido) tr.className = "escolhido";
    if (apontado === l.uci) tr.classList.add("apontado");
    for (const c of [l.ordem, l.san || l.uci, l.regra || "-", l.marcas]) {
      const td = document.createElement("td");
      td.textContent = c;
      tr.append(td);
    }
    tr.onclick = () => porqueNao(l.uci);
    tbody.append(tr);
  }
  const dl = $("legenda");
  dl.replaceChildren();
  for (const [palavras, frase] of a.legenda) {
    const dt = document.createElement("dt");
    dt.textContent = palavras;
    const dd = document.createElement("dd");
    dd.textContent = frase;
    dl.append(dt, dd);
  }
}

const porqueNao = serie(async function porqueNao(lance) {
  if (!porqueDe) return;
  const r = await perguntaJson("porque", jogo.inicio, porqueDe.lances.join(" "), lance, lingua());
  const div = $("resposta-porque");
  div.replaceChildren();
  const b = document.createElement("b");
  const linha = porqueDe.analise.linhas.find((l) => l.uci === lance);
  b.textContent = (linha && linha.san) || lance;
  div.append(b);
  for (const frase of r.texto.trim().split("\n")) {
    const p = document.createElement("p");
    p.textContent = frase;
    div.append(p);
  }
  pagina.respostaPorque = r;
  desenhaPorque(lance, r.respostas);
});

function entradaDoPorque(e) {
  if (modo !== "porque") return false;
  if (e.type === INPUT_EVENT_TYPE.moveInputStarted)
    return porqueDe.analise.linhas.some((l) => l.de === e.squareFrom);
  if (e.type === INPUT_EVENT_TYPE.validateMoveInput) {
    const l = porqueDe.analise.linhas.find((x) => x.de === e.squareFrom && x.para === e.squareTo);
    porqueNao(l ? l.uci : e.squareFrom + e.squareTo);
    return false;
  }
  return true;
}

function fechaPorque() {
  modo = "jogo";
  porqueDe = pagina.porque = null;
  $("resposta-porque").replaceChildren();
  $("analise").hidden = true;
  $("jogo").hidden = false;
  return mostra();
}

// The last move of the computer, or, after a hint, the player's position.
function porque() {
  if (dica) return abrePorque(jogo.lances, M.analiseDaVez, null);
  let k = jogo.lances.length - 1;
  while (k >= 0 && !jogo.razoes[k]) k--;
  if (k < 0) {
    texto("situacao", M.nadaAExplicar);
    return;
  }
  return abrePorque(jogo.lances.slice(0, k), M.analise.replace("{}", est.san[k]), jogo.lances[k]);
}

const mostraDica = serie(async function mostraDica() {
  if (!vezDoHumano() || est.fim) {
    texto("situacao", M.semLanceSeu);
    return;
  }
  const a = await perguntaJson("analise", jogo.inicio, jogo.lances.join(" "), lingua());
  if (!a.lance) return;
  dica = a.lance;
  texto("situacao", M.sugestao + a.lance.san);
  tabuleiro.removeArrows(ARROW_TYPE.info);
  tabuleiro.addArrow(ARROW_TYPE.info, a.lance.de, a.lance.para);
});

// --- buttons, files ---
function resultado() {
  return est && est.fim ? est.resultado : "*";
}
async function baixa(anotada) {
  const pgn = await pergunta(
    "pgn", jogo.inicio, jogo.lances.join(" "), resultado(), anotada ? 1 : 0, jogo.humano === "w" ? 0 : 1, lingua(),
  );
  const a = document.createElement("a");
  a.href = URL.createObjectURL(new Blob([pgn], { type: "application/x-chess-pgn" }));
  a.download = anotada ? "quelmaro-anotado.pgn" : "quelmaro.pgn";
  document.body.append(a);
  a.click();
  a.remove();
  setTimeout(() => URL.revokeObjectURL(a.href), 1000);
}

async function novo() {
  if (modo !== "jogo") await fechaPorque();
  jogo.inicio = "";
  jogo.lances = [];
  jogo.razoes = {};
  jogo.humano = $("cor").value;
  await tabuleiro.setOrientation(corDe(jogo.humano));
  await uci(["ucinewgame", "isready"], "readyok");
  texto("erro", "");
  await mostra();
}

async function carrega(conteudo) {
  const r = await perguntaJson("carrega", conteudo, lingua());
  if (r.erro) {
    texto("erro", r.erro);
    return;
  }
  texto("erro", "");
  if (modo !== "jogo") await fechaPorque();
  jogo.inicio = r.fen === "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1" ? "" : r.fen;
  jogo.lances = r.lances ? r.lances.split(" ") : [];
  jogo.razoes = {};
  // The player takes the side to move.
  const e = await perguntaJson("estado", jogo.inicio, r.lances, lingua());
  jogo.humano = e.vez;
  $("cor").value = e.vez;
  await tabuleiro.setOrientation(corDe(jogo.humano));
  await uci(["ucinewgame", "isready"], "readyok");
  await mostra();
}

async function desfaz() {
  if (modo !== "jogo") return;
  if (jogo.lances.length === 0) {
    texto("situacao", M.nadaADesfazer);
    return;
  }
  const tira = () => {
    jogo.lances.pop();
    delete jogo.razoes[jogo.lances.length];
  };
  tira();
  // Back to the player's turn, one of the player's moves taken back.
  const vez = () => {
    const campos = (jogo.inicio || "x w").split(" ");
    return (campos[1] === "w") === (jogo.lances.length % 2 === 0) ? "w" : "b";
  };
  if (vez() !== jogo.humano && jogo.lances.length > 0) tira();
  await mostra();
}

$("novo").onclick = serie(novo);
$("virar").onclick = serie(() =>
  tabuleiro.setOrientation(tabuleiro.getOrientation() === COLOR.white ? COLOR.black : COLOR.white),
);
$("desfazer").onclick = serie(desfaz);
$("dica").onclick = mostraDica;
$("porque").onclick = serie(porque);
$("voltar").onclick = serie(fechaPorque);
$("baixar-pgn").onclick = serie(() => baixa(false));
$("baixar-anotado").onclick = serie(() => baixa(true));
$("carregar").onclick = serie(() => carrega($("colar").value));
$("lingua").onclick = serie(async () => {
  ingles = !ingles;
  await textos();
  if (modo === "porque") {
    const { lances, jogado } = porqueDe;
    const k = lances.length;
    await abrePorque(lances, jogado ? M.analise.replace("{}", est.san[k]) : M.analiseDaVez, jogado);
  } else await mostra();
});
for (const th of document.querySelectorAll("#tabela th"))
  th.onclick = serie(async () => {
    if (!porqueDe) return;
    porqueDe.ordem = th.dataset.coluna;
    desenhaPorque();
  });
document.addEventListener("dragover", (e) => e.preventDefault());
document.addEventListener("drop", async (e) => {
  e.preventDefault();
  const f = e.dataTransfer.files[0];
  const t = f ? await f.text() : e.dataTransfer.getData("text/plain");
  $("colar").value = t;
  serie(carrega)(t);
});

serie(async () => {
  await uci(["uci"], "uciok");
  await uci(["isready"], "readyok");
  tempos.pronto = performance.now();
  await textos();
  // "#b" in the address: the player takes Black, the computer opens.
  jogo.humano = location.hash === "#b" ? "b" : "w";
  $("cor").value = jogo.humano;
  await tabuleiro.setOrientation(corDe(jogo.humano));
  await mostra();
  pagina.pronto = true;
})();
