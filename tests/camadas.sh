#!/bin/sh
# The layers: each folder of src/ includes headers only of the folders it may
# use (the build's table of layers, QUELMARO_CAMADAS in CMakeLists.txt, one
# line a layer: the folder, then the folders it may use), so nothing below a
# front end depends on one and no front end on another.
# Usage: camadas.sh SOURCE_ROOT TABLE_FILE
set -u
TABELA=$(cat "$2") || exit 1
cd "$1/src" || exit 1
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
