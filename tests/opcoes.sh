#!/bin/sh
# A program's options and exit statuses as a shell or a GUI sees them, byte
# for byte: --version is "NAME VERSION" and LF alone (on Windows too),
# --help the usage on standard output, a bad option status 2 with words on
# standard error only, and output that cannot be written (a full disk)
# status 1, not 0.
# Usage: opcoes.sh PROGRAM NAME VERSION
set -u
programa=$1 nome=$2 versao=$3
. "$(dirname "$0")/falhas.sh"

# ARGUMENTS | status | standard output | standard error
# (output: "version", "usage", "none"; error: "none", "some")
while IFS='|' read -r argumentos status saida erro; do
    # shellcheck disable=SC2086 # the arguments are words
    (cd "$pasta" && "$programa" $argumentos >saida 2>erro)
    obtido=$?
    [ "$obtido" -eq "$status" ] || falha "$argumentos: status $obtido, not $status"
    case $saida in
    version) printf '%s %s\n' "$nome" "$versao" | cmp -s - "$pasta/saida" ||
        falha "$argumentos: output $(od -c "$pasta/saida" | head -n 2)" ;;
    usage) head -n 1 "$pasta/saida" | grep -q "^Usage: $nome " || falha "$argumentos: no usage line"
        grep -q "$(printf '\r')" "$pasta/saida" && falha "$argumentos: CR in the output" ;;
    none) [ -s "$pasta/saida" ] && falha "$argumentos: output on standard output" ;;
    esac
    case $erro in
    none) [ -s "$pasta/erro" ] && falha "$argumentos: standard error: $(cat "$pasta/erro")" ;;
    some) [ -s "$pasta/erro" ] || falha "$argumentos: nothing on standard error" ;;
    esac
done <<TABELA
--version|0|version|none
--help|0|usage|none
-h|0|usage|none
--no-such-option|2|none|some
--lang|2|none|some
--lang xx|2|none|some
--explain|2|none|some
--explain no-such-file.sav|2|none|some
TABELA

if [ -w /dev/full ]; then
    for opcao in --version --help; do
        "$programa" $opcao >/dev/full 2>/dev/null
        obtido=$?
        [ "$obtido" -eq 1 ] || falha "$opcao >/dev/full: status $obtido, not 1"
    done
fi
[ "$falhas" -eq 0 ]
