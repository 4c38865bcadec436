// Positions for the tests: random games from the start, seeded, judged by
// chess.js; each position with the moves that led to it.
import { Chess } from "chess.js";

export function aleatorio(semente) {
  let s = semente >>> 0;
  return () => {
    s = (s + 0x6d2b79f5) >>> 0;
    let t = s;
    t = Math.imul(t ^ (t >>> 15), t | 1);
    t ^= t + Math.imul(t ^ (t >>> 7), t | 61);
    return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
  };
}

export const uciDe = (m) => m.from + m.to + (m.promotion || "");

export function posicoes(n, semente) {
  const r = aleatorio(semente);
  const v = [];
  while (v.length < n) {
    const c = new Chess();
    const alvo = Math.floor(r() * 90);
    const lances = [];
    for (let k = 0; k < alvo && !c.isGameOver(); k++) {
      const ms = c.moves({ verbose: true });
      const m = ms[Math.floor(r() * ms.length)];
      c.move(m);
      lances.push(uciDe(m));
    }
    if (c.isGameOver()) continue;
    v.push({ fen: c.fen(), lances, legais: c.moves({ verbose: true }).map(uciDe) });
  }
  return v;
}
