#!/bin/sh
# Analysis mode in the real xboard, headless under Xvfb: xboard loads a
# seeded random game written by chess.js (-lgf, not stepped through: -td -1)
# and starts in analysis mode with the engine build (-initialMode Analysis);
# xdotool then presses xboard's own keys to step through the game: Forward
# (Alt+Right) to its end, Backward (Alt+Left) part of the way, Forward again,
# Back to Start (Alt+Home) and Forward to End (Alt+End); Ctrl+Q quits. From
# xboard's debug log, chess.js checks that every position stepped to got one
# thinking line whose move is legal there (tests/referee/xboard_analysis.js).
# Usage: xboard_analysis.sh XBOARD ENGINE NODE REFEREE_DIR [PLIES [SEED]]
set -u
xboard=$1 engine=$2 node=$3 referee=$4 plies=${5:-40} seed=${6:-7}
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
export HOME="$dir" # xboard keeps its settings under HOME
case $engine in /*) ;; *) engine=$PWD/$engine ;; esac # xboard starts it in its -fd folder
moves=$("$node" "$referee/xboard_analysis.js" --write "$dir/game.pgn" --seed "$seed" --plies "$plies") || exit 1
back=$((moves / 3))

cat >"$dir/session.sh" <<'EOF'
# Runs inside xvfb-run: xboard in the background, the keys, then Ctrl+Q.
set -u
cd "$dir"
"$xboard" -fcp "$engine" -fd "$dir" -lgf "$dir/game.pgn" -td -1 -initialMode Analysis \
    -debug -nameOfDebugFile "$dir/debug.txt" -popupExitMessage false \
    -saveSettingsOnExit false >"$dir/out.txt" 2>&1 &
pid=$!
# The analysis has begun when xboard has sent "analyze" and the engine answered.
n=0
until grep -q '<first : 1 ' "$dir/debug.txt" 2>/dev/null; do
    n=$((n + 1))
    [ "$n" -le 200 ] || { echo "xboard never started the analysis"; kill "$pid"; exit 1; }
    sleep 0.1
done
w=$(xdotool search --name '^xboard: ' | head -n 1)
[ -n "$w" ] || { echo "no xboard window"; kill "$pid"; exit 1; }
xdotool windowfocus --sync "$w" 2>>"$dir/xdotool.txt"
keys() { # KEY TIMES
    i=0
    while [ "$i" -lt "$2" ]; do
        xdotool key "$1" 2>>"$dir/xdotool.txt"
        sleep 0.08
        i=$((i + 1))
    done
}
keys alt+Right "$moves"
keys alt+Left "$back"
keys alt+Right 2
keys alt+Home 1
sleep 0.3
keys alt+End 1
sleep 0.5
xdotool key ctrl+q 2>>"$dir/xdotool.txt"
wait "$pid"
EOF
export dir xboard engine moves back
timeout 90 xvfb-run -a sh "$dir/session.sh"
status=$?
if [ "$status" -ne 0 ]; then
    echo "FAILED: the xboard session ended with status $status"
    tail -n 40 "$dir/debug.txt" 2>/dev/null
    grep -v aplay "$dir/out.txt" 2>/dev/null
    exit 1
fi
echo "game of $moves moves: $moves steps forward, $back back, 2 forward, to the start and to the end"
"$node" "$referee/xboard_analysis.js" --check "$dir/debug.txt" --pgn "$dir/game.pgn" \
    --forward $((moves + 2)) --back "$back" || {
    grep -E '(>|<)first' "$dir/debug.txt" | tail -n 60
    exit 1
}
