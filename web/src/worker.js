// The engine in a Web Worker. Two kinds of message come in:
// - a string is one UCI line ("uci", "position startpos moves e2e4", "go"):
//   every line the engine answers comes back as one string message, in order;
// - an object {id, pergunta, args} is one of the page's questions (the game's
//   state, the analysis, "why MOVE", PGN): the answer comes back as
//   {id, resposta} with the program's JSON (or PGN text).
// Lines that arrive before the engine has loaded wait for it.
/* global importScripts, QuelmaroModulo */
importScripts("quelmaro_web.js");

const PERGUNTAS = {
  estado: ["string", "string", "number"],
  carrega: ["string", "number"],
  pgn: ["string", "string", "string", "number", "number", "number"],
  analise: ["string", "string", "number"],
  porque: ["string", "string", "string", "number"],
  mensagens: ["number"],
};

let modulo = null;
const esperando = [];

function trata(dado) {
  if (typeof dado === "string") {
    for (const linha of dado.split("\n")) {
      const saida = modulo.ccall("quelmaro_uci", "string", ["string"], [linha]);
      for (const l of saida.split("\n")) if (l !== "") postMessage(l);
    }
    return;
  }
  const tipos = PERGUNTAS[dado && dado.pergunta];
  if (!tipos) return;
  const resposta = modulo.ccall("quelmaro_" + dado.pergunta, "string", tipos, dado.args);
  postMessage({ id: dado.id, resposta });
}

onmessage = (e) => (modulo ? trata(e.data) : esperando.push(e.data));

QuelmaroModulo().then((m) => {
  modulo = m;
  while (esperando.length) trata(esperando.shift());
});
