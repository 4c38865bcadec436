#!/bin/sh
# The layers: each folder of src/ includes headers only of the folders it may
# use (the table below, bottom up, as doc/DEVELOPING.md lays them out), so
# nothing below a front end depends on one and no front end on another.
# Usage: camadas.sh SOURCE_ROOT
set -u
cd "$1/src" || exit 1
TABELA='board
engine board
chess board
game board engine chess
text board engine chess game
io
frontend board engine chess game text io
console board engine chess game text io frontend
xboard board engine chess game text io frontend
uci board engine chess game text io
web board engine chess game text io frontend
programs board engine chess game text io frontend console xboard uci'
falhas=0
for d in */; do
    pasta=${d%/}
    linha=$(printf '%s\n' "$TABELA" | grep -E "^$pasta( |\$)") || {
        echo "FAIL: src/$pasta is in no layer" >&2
        falhas=$((falhas + 1))
        continue
    }
    for usada in $(grep -rhoE '^#include "[a-z_]+/' "$pasta" | sed 's/^#include "//; s/\/$//' | sort -u); do
        case " $linha " in
        *" $usada "*) ;;
        *)
            echo "FAIL: src/$pasta includes src/$usada/:" >&2
            grep -rn "^#include \"$usada/" "$pasta" >&2
            falhas=$((falhas + 1))
            ;;
        esac
    done
done
[ "$falhas" -eq 0 ]
