#!/bin/sh
# The engine build goes on after SIGINT (GUIs send it to interrupt their
# engine; under wine it arrives as the console's Ctrl+C): it still answers a
# ping sent after the signal and ends with 0. The program starts with SIGINT
# at its default action (a shell gives its background jobs SIGINT ignored,
# which would hide a program that does not ignore it itself). Given the
# console build too, the same signal must end that one, which shows that the
# signal reaches the program (it reads none of the lines sent after it; wine
# ends a program on Ctrl+C with status 0, so the status does not show it).
# Usage: sinal.sh PROGRAM_XB [PROGRAM]
set -u
pasta=$(mktemp -d)
trap 'rm -rf "$pasta"' EXIT
trap '' PIPE # writing to a program that has ended fails instead
env --default-signal=INT true 2>/dev/null || { echo "env --default-signal is needed" >&2; exit 1; }

# Starts PROGRAM reading a pipe, waits for its first answer to LINES, sends
# SIGINT, then writes MORE; leaves the exit status in $status.
interrompe() { # PROGRAM LINES ANSWER MORE
    rm -f "$pasta/entrada"
    mkfifo "$pasta/entrada"
    env --default-signal=INT "$1" <"$pasta/entrada" >"$pasta/saida" &
    pid=$!
    exec 3>"$pasta/entrada"
    printf "$2" >&3
    i=0
    until grep -q "$3" "$pasta/saida" || [ $i -ge 300 ]; do
        sleep 0.1
        i=$((i + 1))
    done
    kill -INT "$pid"
    sleep 0.5
    printf "$4" >&3 2>/dev/null
    exec 3>&-
    wait "$pid"
    status=$?
}

interrompe "$1" 'xboard\nprotover 2\n' '^feature ' 'ping 1\nquit\n'
cat "$pasta/saida"
[ "$status" -eq 0 ] || { echo "FAIL: engine build: status $status after SIGINT" >&2; exit 1; }
grep -qx 'pong 1' "$pasta/saida" || { echo "FAIL: engine build: no pong after SIGINT" >&2; exit 1; }
if [ $# -ge 2 ]; then
    interrompe "$2" 'e\n' 'chessboard' 'n\ny\nquit\n'
    if grep -q 'Do you want to start' "$pasta/saida"; then
        echo "FAIL: SIGINT did not end the console build (status $status)" >&2
        exit 1
    fi
fi
exit 0
