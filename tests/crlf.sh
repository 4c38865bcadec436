#!/bin/sh
# A golden transcript with CR LF line ends, as a GUI or an editor on Windows
# sends them: the same output as with LF alone (the console reader drops the
# CR, and the program's own lines end in LF on every system).
# Usage: crlf.sh PROGRAM NAME.in NAME.out
set -u
pasta=$(mktemp -d)
trap 'rm -rf "$pasta"' EXIT
sed 's/$/\r/' "$2" >"$pasta/crlf.in"
[ ! -s "$2" ] || grep -q "$(printf '\r')" "$pasta/crlf.in" || { echo "no CR in the input" >&2; exit 1; }
sh "$(dirname "$0")/transcripts/roda.sh" "$1" "$pasta/crlf.in" "$3"
