#!/bin/sh
# File names beyond ASCII through the real programs: the console game saves
# a game under each name of the table (replacing an older file of that name
# and leaving no temporary file behind), the same bytes as under an ASCII
# name, and opens it again; both programs' --explain read a position by such
# a name from the command line.
# Usage: nomes.sh PROGRAM PROGRAM_XB
set -u
programa=$1 programa_xb=$2
fontes=$(cd "$(dirname "$0")/.." && pwd)
. "$(dirname "$0")/falhas.sh"

salva() { # NAME: a new game, one move, saved as NAME and opened again
    printf 'e\nn\ny\ne2e4\nsave\n%s\nopen\n%s\nquit\n' "$1" "$1" >"$pasta/entrada"
    (cd "$pasta" && "$programa" <entrada >saida 2>&1)
}
salva ascii.sav || falha "ascii.sav: status $?"
[ -s "$pasta/ascii.sav" ] || { falha "no ascii.sav"; exit 1; }
posicao=$fontes/bench/positions/q12.sav
for p in "$programa" "$programa_xb"; do
    (cd "$pasta" && cp "$posicao" q12.sav && "$p" --explain q12.sav >"explicacao.$(basename "$p")")
done

while read -r nome; do
    printf 'old' >"$pasta/$nome"
    salva "$nome" || falha "$nome: status $?"
    cmp -s "$pasta/ascii.sav" "$pasta/$nome" || falha "$nome: not the game saved as ascii.sav"
    grep -q 'could not be' "$pasta/saida" && falha "$nome: $(grep 'could not be' "$pasta/saida")"
    [ "$(grep -c 'My last move was' "$pasta/saida")" -eq 1 ] || falha "$nome: not opened again"
    rm -f "$pasta/$nome"
    cp "$posicao" "$pasta/$nome"
    for p in "$programa" "$programa_xb"; do
        (cd "$pasta" && "$p" --explain "$nome" >explicacao) || falha "$nome: --explain status $?"
        cmp -s "$pasta/explicacao" "$pasta/explicacao.$(basename "$p")" ||
            falha "$nome: $(basename "$p") --explain differs"
    done
    rm -f "$pasta/$nome"
done <<NOMES
партия.sav
posição inicial.sav
棋譜.sav
ελληνικά 😀.sav
NOMES
sobras=$(cd "$pasta" && ls -A | grep -v -e '^ascii.sav$' -e '^q12.sav$' -e '^entrada$' -e '^saida$' -e '^explicacao')
[ -z "$sobras" ] || falha "left in the folder: $sobras"
[ "$falhas" -eq 0 ]
