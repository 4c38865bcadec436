#!/bin/sh
# Installs the referee's dependencies (chess.js, and the UCI client library
# node-uci with what it needs) from the lock file, unless every installed copy
# already matches it (so a machine that has run this once needs no network).
# No package runs an install script.
set -e
cd "$(dirname "$0")"
if node -e '
  const fs = require("fs");
  const locked = Object.entries(require("./package-lock.json").packages).filter(([p]) => p);
  const same = ([p, { version }]) => {
    try {
      return JSON.parse(fs.readFileSync(`./${p}/package.json`, "utf8")).version === version;
    } catch {
      return false;
    }
  };
  process.exit(locked.length && locked.every(same) ? 0 : 1);' 2>/dev/null; then
  exit 0
fi
exec npm ci --no-audit --no-fund --ignore-scripts
