#!/bin/sh
# The analysis of a saved position through a real program: its table equals
# the golden copy, with status 0 and nothing on standard error, and the file
# is left as it was; a file that cannot be loaded gives status 2, one line on
# standard error and nothing on standard output.
# Usage: explicar.sh PROGRAM FILE.sav LANGUAGE EXPECTED
set -u
programa=$1 arquivo=$2 lingua=$3 esperado=$4
pasta=$(mktemp -d)
trap 'rm -rf "$pasta"' EXIT
cp "$arquivo" "$pasta/posicao.sav"
(cd "$pasta" && "$programa" --explain posicao.sav --lang "$lingua" >saida.txt 2>erro.txt)
status=$?
[ "$status" -eq 0 ] || { echo "exit status $status" >&2; exit 1; }
[ -s "$pasta/erro.txt" ] && { echo "standard error:"; cat "$pasta/erro.txt"; exit 1; }
cmp -s "$arquivo" "$pasta/posicao.sav" || { echo "the file was changed" >&2; exit 1; }
diff -u "$esperado" "$pasta/saida.txt" || exit 1

head -c 300 "$arquivo" >"$pasta/curto.sav"
for ruim in curto.sav ausente.sav; do
    (cd "$pasta" && "$programa" --explain "$ruim" --lang "$lingua" >saida.txt 2>erro.txt)
    status=$?
    [ "$status" -eq 2 ] || { echo "$ruim: exit status $status, not 2" >&2; exit 1; }
    [ -s "$pasta/saida.txt" ] && { echo "$ruim: standard output is not empty" >&2; exit 1; }
    [ "$(wc -l <"$pasta/erro.txt")" -eq 1 ] || { echo "$ruim: not one line of error" >&2; exit 1; }
done
exit 0
