#!/bin/sh
# Installs the referee's one dependency from the lock file, unless the
# installed copy already matches it (so a machine that has run this once
# needs no network).
set -e
cd "$(dirname "$0")"
if node -e '
  const want = require("./package-lock.json").packages["node_modules/chess.js"].version;
  const have = require("./node_modules/chess.js/package.json").version;
  process.exit(want === have ? 0 : 1);' 2>/dev/null; then
  exit 0
fi
exec npm ci --no-audit --no-fund
