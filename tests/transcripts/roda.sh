#!/bin/sh
# Runs one golden transcript through a program: standard input from NAME.in,
# standard output compared with NAME.out, exit status 0. Files that the game
# saves go to a scratch folder. With UPDATE=1 the output becomes the new
# NAME.out (review it by eye before committing it).
# Usage: roda.sh PROGRAM NAME.in NAME.out
set -u
programa=$1 entrada=$2 esperado=$3
pasta=$(mktemp -d)
# A transcript is written to a file: 80 columns, whatever the caller's terminal.
unset COLUMNS
trap 'rm -rf "$pasta"' EXIT
(cd "$pasta" && "$programa" <"$entrada" >saida.txt)
status=$?
if [ "$status" -ne 0 ]; then
    echo "exit status $status" >&2
    exit 1
fi
if [ "${UPDATE:-0}" = 1 ]; then
    cp "$pasta/saida.txt" "$esperado"
    exit 0
fi
diff -u "$esperado" "$pasta/saida.txt"
