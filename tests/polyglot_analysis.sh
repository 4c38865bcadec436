#!/bin/sh
# Analysis through polyglot, as xboard's Analysis Mode runs a UCI engine
# ("xboard -fUCI"): polyglot speaks the XBoard protocol on its standard input
# and output and turns each "info" line of the engine into a thinking line,
# an "info string" into one of its own ("1 +0 0 0 Rule 34: ..."). xboard
# shows the last thinking line of a depth, so after each position the last
# one must hold the move: every reason line is followed by the move's line.
# The positions: a game from the start, and set-up positions (setboard).
# Usage: polyglot_analysis.sh POLYGLOT ENGINE
set -u
polyglot=$1 engine=$2
# polyglot starts the engine in its own folder.
case $engine in /*) ;; *) engine=$PWD/$engine ;; esac
. "$(dirname "$0")/falhas.sh"
{
    printf 'xboard\nprotover 2\n'
    sleep 1
    printf 'new\nforce\npost\nanalyze\n'
    for m in e2e4 e7e5 g1f3 b8c6 f1b5 g8f6 e1g1 f6e4; do
        sleep 0.3
        printf '%s\n' "$m"
    done
    for fen in '8/1P4k1/8/8/8/8/6p1/K7 w - - 0 1' \
        'rn6/3pPk1r/b1p3p1/pp2np2/8/PPP1bNKP/2Q1P2R/RN3B2 w - - 5 26' \
        'r1bqkbnr/pppp1ppp/2n5/1B2p3/4P3/5N2/PPPP1PPP/RNBQK2R b KQkq - 3 3'; do
        sleep 0.3
        printf 'exit\nsetboard %s\nanalyze\n' "$fen"
    done
    sleep 0.5
    printf 'exit\nquit\n'
} | timeout 60 "$polyglot" -noini -ec "$engine" -ed "$pasta" >"$pasta/out.txt" 2>&1
# The thinking lines: "DEPTH SCORE TIME NODES PV..."; a reason has nodes 0
# and words where the moves stand. Each position gives a reason, then its
# move.
grep -E '^[0-9]+ [-+]?[0-9]+ [0-9]+ [0-9]+ ' "$pasta/out.txt" >"$pasta/pensamentos.txt"
awk '
    { razao = $5 ~ /^(Rule|Opening|My|Not)$/ }
    NR % 2 == 1 && !razao { print "line " NR ", the move before its reason: " $0; ruins++ }
    NR % 2 == 0 && razao { print "line " NR ", a reason where the move should be: " $0; ruins++ }
    END {
        if (razao) { print "the last thinking line is a reason, not the move"; ruins++ }
        if (NR < 22) { print "only " NR " thinking lines"; ruins++ }
        exit (ruins > 0)
    }' "$pasta/pensamentos.txt" || falha "thinking lines through polyglot: $(cat "$pasta/pensamentos.txt")"
grep -q -E '^1 [-+]?[0-9]+ 0 [0-9]+ .*[a-h][1-8]' "$pasta/pensamentos.txt" || falha "no move in any thinking line"
[ "$falhas" -eq 0 ] && echo "polyglot analysis: $(wc -l <"$pasta/pensamentos.txt") thinking lines, each move after its reason"
[ "$falhas" -eq 0 ]
