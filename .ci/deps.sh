#!/usr/bin/env bash
# Installs what the build and the whole test suite need on Debian: the
# packages of .ci/packages.txt, and Node.js with npm when npm is missing (Node
# may come from elsewhere; only its absence counts). As root it installs them
# with apt-get; otherwise it prints the one apt-get line to run and fails.
# `make test` runs it first, and so CI.
set -euo pipefail
cd "$(dirname "$0")/.."

if ! command -v dpkg-query >/dev/null 2>&1; then
  echo "not a Debian system: install by hand what .ci/packages.txt lists" >&2
  exit 0
fi
mapfile -t packages < <(sed 's/#.*//' .ci/packages.txt | tr -s ' \t' '\n' | grep .)
missing=()
for p in "${packages[@]}"; do
  [ "$(dpkg-query -W -f='${db:Status-Abbrev}' "$p" 2>/dev/null)" = "ii " ] || missing+=("$p")
done
command -v npm >/dev/null 2>&1 || missing+=(nodejs npm)
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
  echo "Missing Debian packages for the test suite; as root, run:" >&2
  echo "  apt-get install -y --no-install-recommends ${missing[*]}" >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
apt-get update -q
apt-get install -y -q --no-install-recommends "${missing[@]}"
