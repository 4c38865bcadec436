#!/bin/sh
# ChessX's analysis pane with the engine build as its UCI engine, headless
# under Xvfb, driven with xdotool. Not part of the suite (it clicks at the
# places ChessX 1.4.6 from Debian draws its menu, dock and buttons on a
# 1600x1000 screen); run it by hand after changing the UCI front end:
#
#   apt-get install chessx xvfb xauth xdotool imagemagick nodejs
#   tests/referee/install.sh
#   sh tests/chessx_analysis.sh build/quelmaro_xb [SCREENSHOT.png]
#
# ChessX gets a settings file of its own (a scratch HOME) that lists the
# engine, started through a wrapper that logs both directions; it opens a
# seeded random game written by chess.js (its question about downloading a
# database is answered "no"), shows the Analysis 1 pane, starts the analysis
# and steps forward through the game and back. chess.js then judges every
# "go" ChessX sent (tests/referee/uci_log.js): info lines and bestmove legal
# in the position sent. SCREENSHOT, when given, is the screen at the end: the
# pane shows a line "SCORE [+] [*] MOVE (depth 1, 0:00:00)" and the bestmove
# as "(suggested move)".
set -u
engine=$1 screenshot=${2:-}
here=$(cd "$(dirname "$0")" && pwd)
case $engine in /*) ;; *) engine=$PWD/$engine ;; esac
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
export HOME="$dir"
moves=$(node "$here/referee/xboard_analysis.js" --write "$dir/game.pgn" --seed 3 --plies 12) || exit 1

# The engine as ChessX starts it: every line in and out goes to the log.
cat >"$dir/engine.sh" <<EOF
#!/bin/sh
while IFS= read -r l; do printf '> %s\n' "\$l" >>"$dir/uci.log"; printf '%s\n' "\$l"; done |
    "$engine" |
    while IFS= read -r l; do printf '< %s\n' "\$l" >>"$dir/uci.log"; printf '%s\n' "\$l"; done
EOF
chmod +x "$dir/engine.sh"
mkdir -p "$dir/.config/chessx"
# Nothing online: no version check, no online tablebases.
cat >"$dir/.config/chessx/chessx.ini" <<EOF
[General]
onlineVersionCheck=false
onlineTablebases=false

[Engines]
0\\Name=Quelmaro
0\\Command=$dir/engine.sh
0\\Directory=$dir
0\\Protocol=UCI
EOF

cat >"$dir/session.sh" <<'EOF'
set -u
/usr/games/chessx "$dir/game.pgn" >"$dir/out.txt" 2>&1 &
pid=$!
click() { xdotool mousemove "$1" "$2" click 1; sleep "${3:-1}"; }
twice() { xdotool mousemove "$1" "$2" click --repeat 2 --delay 80 1; sleep "${3:-1}"; }
n=0
until xdotool search --onlyvisible --name ' - ChessX$' >/dev/null 2>&1; do
    n=$((n + 1)); [ "$n" -le 100 ] || { echo "no ChessX window"; kill "$pid"; exit 1; }
    sleep 0.2
done
sleep 2
# "Shall I download a database?": no.
if xdotool search --onlyvisible --name '^Load Database$' >/dev/null 2>&1; then xdotool key Escape; sleep 1; fi
xdotool windowsize "$(xdotool search --onlyvisible --name ' - ChessX$' | head -n 1)" 1600 1000
sleep 1
twice 1094 547 2          # the game in the game list: onto the board
click 100 10              # View
click 142 440 2           # Analysis 1
twice 20 6 2              # its title: a window of its own
pane=$(xdotool search --onlyvisible --name '^Analysis 1$' | head -n 1)
[ -n "$pane" ] || { echo "no Analysis 1 pane"; kill "$pid"; exit 1; }
xdotool windowsize "$pane" 900 320 windowmove "$pane" 300 660
sleep 1
click 1154 695 3          # Analyze
i=0
while [ "$i" -lt "$moves" ]; do click 1322 43 0.5; i=$((i + 1)); done   # next move
click 1288 43 0.5; click 1288 43 0.5                                     # previous move, twice
sleep 1
[ -z "$screenshot" ] || import -window root "$screenshot"
click 1154 695 1          # Stop
kill "$pid"
wait "$pid" 2>/dev/null
exit 0
EOF
export dir moves screenshot
timeout 120 xvfb-run -a -s "-screen 0 1600x1000x24" sh "$dir/session.sh" 2>"$dir/xdotool.txt" ||
    { echo "FAILED: the ChessX session"; cat "$dir/xdotool.txt"; exit 1; }
[ -f "$dir/uci.log" ] || { echo "FAILED: ChessX never started the engine"; exit 1; }
node "$here/referee/uci_log.js" "$dir/uci.log" --at-least "$moves" || { tail -n 40 "$dir/uci.log"; exit 1; }
