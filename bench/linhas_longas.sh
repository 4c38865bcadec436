#!/bin/sh
# The time one long input line costs each mode: the console game, the engine
# build in the XBoard protocol and in UCI. Each run feeds the start of a
# session, one line of SIZE megabytes, and a question the program answers
# once it has read past the line ("ping"/"isready"; the console's "quit").
# Usage: linhas_longas.sh PROGRAM PROGRAM_XB [SIZE_MB...]  (1 2 10 by default)
set -eu
programa=$1 programa_xb=$2
shift 2
[ $# -gt 0 ] || set -- 1 2 10
pasta=$(mktemp -d)
trap 'rm -rf "$pasta"' EXIT

agora() { date +%s.%N; }
mede() { # MODE PROGRAM START END ANSWER: seconds for START, the line, END
    printf "$3" >"$pasta/entrada"
    cat "$pasta/linha" >>"$pasta/entrada"
    printf "$4" >>"$pasta/entrada"
    inicio=$(agora)
    "$2" <"$pasta/entrada" >"$pasta/saida" 2>&1 || true
    fim=$(agora)
    grep -q "$5" "$pasta/saida" || echo "$1 $mb MB: no '$5' after the line" >&2
    printf '%-8s %4s MB  %8.3f s  %s output lines\n' "$1" "$mb" \
        "$(awk "BEGIN { print $fim - $inicio }")" "$(wc -l <"$pasta/saida")"
}
for mb in "$@"; do
    # a line of letters and blanks, with a move in it now and then
    head -c $((mb * 1048576)) /dev/zero | tr '\0' 'x' | fold -w 97 | sed 's/$/ e2/' |
        tr -d '\n' >"$pasta/linha"
    echo >>"$pasta/linha"
    mede console "$programa" 'e\nn\ny\n' 'moves\nquit\n' 'No move has been played yet.'
    mede xboard "$programa_xb" 'xboard\nprotover 2\n' 'ping 1\nquit\n' 'pong 1'
    mede uci "$programa_xb" 'uci\n' 'isready\nquit\n' 'readyok'
done
