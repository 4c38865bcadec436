// Headless Chromium for the tests: Debian's, through puppeteer-core (which
// downloads nothing), with a fresh profile, no network beyond 127.0.0.1.
import puppeteer from "puppeteer-core";
import { mkdtempSync, rmSync } from "node:fs";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { createServer } from "node:http";
import { readFile } from "node:fs/promises";
import { extname, normalize } from "node:path";

const TIPOS = {
  ".html": "text/html; charset=utf-8", ".js": "text/javascript", ".css": "text/css",
  ".svg": "image/svg+xml", ".wasm": "application/wasm", ".txt": "text/plain",
};

// A static server of the site on 127.0.0.1, as any static host would serve it.
export function servidor(site) {
  return new Promise((resolve) => {
    const s = createServer(async (req, res) => {
      const caminho = normalize(decodeURIComponent(new URL(req.url, "http://x").pathname)).replace(/^(\.\.[/\\])+/, "");
      const arquivo = join(site, caminho.endsWith("/") ? caminho + "index.html" : caminho);
      try {
        const dados = await readFile(arquivo);
        res.writeHead(200, { "Content-Type": TIPOS[extname(arquivo)] || "application/octet-stream" });
        res.end(dados);
      } catch {
        res.writeHead(404);
        res.end();
      }
    });
    s.listen(0, "127.0.0.1", () => resolve({ url: `http://127.0.0.1:${s.address().port}/`, fecha: () => s.close() }));
  });
}

export async function navegador() {
  const perfil = mkdtempSync(join(tmpdir(), "quelmaro-chromium-"));
  const browser = await puppeteer.launch({
    executablePath: process.env.CHROMIUM || "/usr/bin/chromium",
    headless: true,
    args: [
      "--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
      "--disable-background-networking", "--disable-component-update", "--disable-sync",
      `--user-data-dir=${perfil}`,
    ],
  });
  return { browser, fecha: async () => { await browser.close(); rmSync(perfil, { recursive: true, force: true }); } };
}
