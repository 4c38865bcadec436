// A small XBoard-protocol driver: starts an engine as a child process, sends
// it lines, and reads its lines back with bounded waits. Every line in either
// direction goes into the transcript, so a failing game can be replayed by eye.
import { spawn } from "node:child_process";

export class EngineFailure extends Error {}

export class XBoardEngine {
  // `transcript` is shared by the engines of one game; `name` tags its lines.
  constructor(command, args, name, transcript, { timeoutMs = 10000 } = {}) {
    this.name = name;
    this.transcript = transcript;
    this.timeoutMs = timeoutMs;
    this.lines = [];
    this.waiter = null;
    this.exited = null;
    this.pings = 0;
    this.features = {};
    this.partial = "";
    this.child = spawn(command, args, { stdio: ["pipe", "pipe", "pipe"] });
    this.child.stdout.setEncoding("latin1");
    this.child.stderr.setEncoding("latin1");
    this.child.stdout.on("data", (chunk) => this.receive(chunk));
    this.child.stderr.on("data", (chunk) => this.note(`${this.name} stderr: ${chunk.trimEnd()}`));
    this.child.stdin.on("error", () => {}); // a dead engine is reported by `exit`
    this.child.on("error", (e) => this.finish(`could not start: ${e.message}`));
    this.child.on("exit", (code, signal) =>
      this.finish(signal ? `killed by signal ${signal}` : `exited with status ${code}`),
    );
  }

  note(text) {
    this.transcript.push(text);
  }

  receive(chunk) {
    const parts = (this.partial + chunk).split("\n");
    this.partial = parts.pop();
    for (const raw of parts) {
      const line = raw.replace(/\r$/, "");
      this.note(`${this.name} < ${line}`);
      this.lines.push(line);
    }
    this.wake();
  }

  finish(why) {
    if (this.exited) return;
    this.exited = why;
    if (this.partial) this.receive("\n");
    this.note(`${this.name} ${why}`);
    this.wake();
  }

  wake() {
    const w = this.waiter;
    this.waiter = null;
    if (w) w();
  }

  send(line) {
    this.note(`${this.name} > ${line}`);
    if (!this.exited) this.child.stdin.write(line + "\n");
  }

  // The next line from the engine; throws when none comes in time or the
  // engine has ended.
  async next(timeoutMs = this.timeoutMs) {
    const deadline = Date.now() + timeoutMs;
    while (this.lines.length === 0) {
      if (this.exited) throw new EngineFailure(`${this.name} ${this.exited}`);
      const left = deadline - Date.now();
      if (left <= 0) throw new EngineFailure(`${this.name}: no answer within ${timeoutMs} ms`);
      await new Promise((resolve) => {
        const timer = setTimeout(resolve, left);
        this.waiter = () => {
          clearTimeout(timer);
          resolve();
        };
      });
    }
    return this.lines.shift();
  }

  // Reads lines until one satisfies `wanted`; returns the lines read before
  // it and the line itself.
  async until(wanted, timeoutMs = this.timeoutMs) {
    const deadline = Date.now() + timeoutMs;
    const before = [];
    for (;;) {
      const line = await this.next(Math.max(1, deadline - Date.now()));
      if (wanted(line)) return { before, line };
      before.push(line);
    }
  }

  // Everything the engine printed in answer to what was sent since the last
  // call: the lines before the matching "pong". Protocol chatter that any
  // engine may print ("#" comments, "tellics", "feature") is dropped.
  async sync() {
    const n = ++this.pings;
    this.send(`ping ${n}`);
    const { before } = await this.until((l) => l.trim() === `pong ${n}`);
    return before.filter((l) => !/^(#|tellics|telluser|feature)/.test(l) && l.trim() !== "");
  }

  // The opening handshake: "xboard", "protover 2", then the feature lines up
  // to done=1. Features are acknowledged as a GUI does.
  async handshake() {
    this.send("xboard");
    this.send("protover 2");
    for (;;) {
      const line = await this.next();
      if (!line.startsWith("feature ")) continue;
      for (const [, key, value] of line.matchAll(/(\w+)=("[^"]*"|\S+)/g)) {
        this.features[key] = value.replace(/^"|"$/g, "");
        if (key !== "done") this.send(`accepted ${key}`);
      }
      if (this.features.done === "1") break;
    }
    if (this.features.ping !== "1") throw new EngineFailure(`${this.name} does not answer ping`);
  }

  // Ends the engine: "quit", then a kill if it lingers. Resolves with the
  // reason it ended.
  async quit(graceMs = 2000) {
    this.send("quit");
    this.child.stdin.end();
    const deadline = Date.now() + graceMs;
    while (!this.exited && Date.now() < deadline) await new Promise((r) => setTimeout(r, 5));
    if (!this.exited) {
      this.child.kill("SIGKILL");
      while (!this.exited) await new Promise((r) => setTimeout(r, 5));
      return "did not end on quit";
    }
    return this.exited;
  }
}
