#!/bin/sh
# The engine build goes on after SIGINT (GUIs send it to interrupt their
# engine): it still answers a ping sent after the signal and ends with 0.
# Usage: sinal.sh PROGRAM
set -u
programa=$1
pasta=$(mktemp -d)
trap 'rm -rf "$pasta"' EXIT
mkfifo "$pasta/entrada"
"$programa" <"$pasta/entrada" >"$pasta/saida" &
pid=$!
exec 3>"$pasta/entrada"
printf 'xboard\nprotover 2\n' >&3
# the feature line shows that the program is running and reading
i=0
until grep -q '^feature ' "$pasta/saida" || [ $i -ge 100 ]; do
    sleep 0.1
    i=$((i + 1))
done
kill -INT "$pid"
printf 'ping 1\nquit\n' >&3
exec 3>&-
wait "$pid"
status=$?
cat "$pasta/saida"
[ "$status" -eq 0 ] && grep -qx 'pong 1' "$pasta/saida"
