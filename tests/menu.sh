#!/bin/sh
# The menu entry's wrapper (packaging/jogo_no_terminal) in a real terminal
# (tmux): once the program has ended, its last words stay on the screen and
# the wrapper waits for one key (no Enter), then ends with the program's exit
# status and the terminal in its ordinary mode. With the console game: quit,
# then a key; a game the player wins needs one key, not the game's own and
# then the wrapper's. Every game is added to the player's file of games,
# $XDG_DATA_HOME/quelmaro/games.pgn, its folder made when missing. Outside a
# terminal it waits for nothing.
# Usage: menu.sh WRAPPER PROGRAM
set -u
envoltorio=$1 programa=$2
pasta=$(mktemp -d)
falha() {
    echo "FAIL: $*" >&2
    exit 1
}
. "$(dirname "$0")/tmux_apoio.sh"

# PROGRAM... through the wrapper, then its status and the terminal's modes.
roteiro() {
    cat >"$pasta/menu.sh" <<ROTEIRO
cd '$pasta'
XDG_DATA_HOME='$pasta/dados' sh '$envoltorio' $*
echo \$? >status
stty -a >modo
echo END
sleep 60
ROTEIRO
    rm -f "$pasta/status" "$pasta/modo"
    inicia_tmux "sh '$pasta/menu.sh'"
}
terminou() { # STATUS: the wrapper has ended with STATUS, the terminal restored
    espera END
    [ "$(cat "$pasta/status")" = "$1" ] || falha "status $(cat "$pasta/status"), not $1"
    grep -Eq '(^| )icanon( |$)' "$pasta/modo" && grep -Eq '(^| )echo( |$)' "$pasta/modo" ||
        falha "terminal not restored: $(cat "$pasta/modo")"
}

printf 'echo "Game over! I win."\nexit 3\n' >"$pasta/fim.sh"
roteiro sh fim.sh
espera 'Press a key to close this window.'
sleep 1
[ -e "$pasta/status" ] && falha "the wrapper did not wait for a key"
tela | grep -qx 'Game over! I win.' || falha "the program's last words are gone"
tecla x
terminou 3

roteiro "'$programa'"
espera 'English(e) or Portuguese(p)?'
tecla e
espera 'Do you want chessboard? y/n?'
tecla n
espera 'Do you want to start?'
tecla y
espera 'What is your move?'
tecla quit Enter
espera 'Press a key to close this window.'
[ -e "$pasta/status" ] && falha "the wrapper did not wait for a key after the game"
tecla Space
terminou 0

[ -s "$pasta/dados/quelmaro/games.pgn" ] && falha "a game without a move recorded"

# The player mates: "You win!", then the wrapper's one key; the game recorded.
printf '6k1/5ppp/8/8/8/8/8/R5K1 w - - 0 1\n' >"$pasta/mate.fen"
roteiro "'$programa'"
espera 'English(e) or Portuguese(p)?'
tecla e
espera 'Do you want chessboard? y/n?'
tecla n
espera 'Do you want to start?'
tecla y
espera 'What is your move?'
tecla open Enter
espera 'Enter the name of the file'
tecla mate.fen Enter
tecla Ra8 Enter
espera 'Press a key to close this window.'
tela | grep -qx 'You win!' || falha "no \"You win!\": $(tela)"
tela | grep -q 'Press a character to exit.' && falha "the game waits for a key of its own"
tecla x
terminou 0
grep -q '^1\. Ra8# 1-0$' "$pasta/dados/quelmaro/games.pgn" ||
    falha "the game is not in games.pgn: $(cat "$pasta/dados/quelmaro/games.pgn")"

# Not at a terminal: no words, no wait.
timeout 10 sh "$envoltorio" sh "$pasta/fim.sh" </dev/null >"$pasta/saida" 2>&1
status=$?
[ "$status" -eq 3 ] || falha "outside a terminal: status $status, not 3"
[ "$(cat "$pasta/saida")" = 'Game over! I win.' ] || falha "outside a terminal: $(cat "$pasta/saida")"
exit 0
