#!/bin/sh
# Runs one golden transcript through a program: standard input from NAME.in,
# standard output compared with NAME.out, exit status 0. Files that the game
# saves go to a scratch folder. With UPDATE=1 the output becomes the new
# NAME.out (review it by eye before committing it). Given LINES_IN and
# LINES_OUT, only the first LINES_IN lines of NAME.in are read, and the output
# must be the first LINES_OUT lines of NAME.out (the input ending early).
# Usage: roda.sh PROGRAM NAME.in NAME.out [LINES_IN LINES_OUT]
set -u
programa=$1 entrada=$2 esperado=$3
pasta=$(mktemp -d)
trap 'rm -rf "$pasta"' EXIT
if [ $# -ge 5 ]; then
    head -n "$4" "$2" >"$pasta/entrada.txt"
    head -n "$5" "$3" >"$pasta/esperado.txt"
    entrada=$pasta/entrada.txt esperado=$pasta/esperado.txt
    [ "${UPDATE:-0}" = 1 ] && { echo "an ending is a row of fins.tsv: update its game" >&2; exit 1; }
fi
# A transcript is written to a file: 80 columns, whatever the caller's terminal.
unset COLUMNS
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
