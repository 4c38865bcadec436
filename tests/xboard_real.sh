#!/bin/sh
# Games in the real xboard, headless under Xvfb: the engine build against
# another engine in an xboard match, either in the XBoard protocol starting
# from a FEN position file (so xboard sends "setboard"), or in UCI through
# polyglot ("-fUCI"). Every game must end with a result by the rules, with no
# illegal move, protocol error or forfeit in the saved games or the debug log.
# Usage: xboard_real.sh XBOARD ENGINE OPPONENT xboard|uci GAMES
set -u
xboard=$1 engine=$2 opponent=$3 mode=$4 games=$5
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
# xboard keeps its settings under HOME; polyglot is found on PATH.
export HOME="$dir" PATH="$PATH:/usr/games"
echo "r1bqkbnr/pppp1ppp/2n5/4p3/4P3/5N2/PPPP1PPP/RNBQKB1R w KQkq - 2 3" >"$dir/start.fen"
# The opponent without address randomization where the system allows it:
# Debian's fairymax reads memory it never set, and with the addresses
# randomized it dies on about half of its runs from a FEN (xboard then waits
# for its move until the timeout); without, it runs the same way every time.
if setarch -R true 2>/dev/null; then
    printf '#!/bin/sh\nexec setarch -R "%s" "$@"\n' "$opponent" >"$dir/opponent"
    chmod +x "$dir/opponent"
    opponent=$dir/opponent
fi
set -- -noGUI -fcp "$engine" -fd "$dir" -scp "$opponent" -sd "$dir" -depth 2 -tc 5 \
    -mg "$games" -sgf "$dir/games.pgn" -debug -nameOfDebugFile "$dir/debug.txt" \
    -popupExitMessage false -saveSettingsOnExit false
if [ "$mode" = uci ]; then
    set -- "$@" -fUCI
else
    set -- "$@" -lpf "$dir/start.fen"
fi
(cd "$dir" && timeout 150 xvfb-run -a "$xboard" "$@" >"$dir/out.txt" 2>&1)
status=$?
fail() {
    echo "FAILED: $*"
    tail -n 40 "$dir/debug.txt" 2>/dev/null
    grep -v aplay "$dir/out.txt"
    exit 1
}
[ "$status" -eq 0 ] || fail "xboard exit status $status"
[ -f "$dir/games.pgn" ] || fail "no saved games"
results=$(grep -c '^\[Result "\(1-0\|0-1\|1/2-1/2\)"\]' "$dir/games.pgn")
[ "$results" -eq "$games" ] || fail "$results finished games of $games"
grep -q '^\[Result "\*"\]' "$dir/games.pgn" && fail "an unfinished game"
grep -i -E 'illegal|forfeit|false|error|crash' "$dir/games.pgn" && fail "a foul in the saved games"
grep -E '<first : *(Illegal move|Error|tellusererror)' "$dir/debug.txt" && fail "a protocol error of the engine build"
if [ "$mode" = xboard ]; then
    sent=$(grep -c '>first : setboard ' "$dir/debug.txt")
    [ "$sent" -ge "$games" ] || fail "setboard sent $sent times for $games games"
    [ "$(grep -c '^\[FEN ' "$dir/games.pgn")" -eq "$games" ] || fail "games not from the position file"
fi
echo "xboard $mode games: $results finished; results: $(grep '^\[Result' "$dir/games.pgn" | tr -d '[]"' | sed 's/Result //' | tr '\n' ' ')"
grep 'final score' "$dir/out.txt"
