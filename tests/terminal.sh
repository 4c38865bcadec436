#!/bin/sh
# The console game in a real terminal (tmux): the start-up questions take one
# key press each, without Enter; a move and a file name in Cyrillic are typed
# as lines; "quit" ends it with status 0, the game saved under that name, and
# the terminal is left in its ordinary mode (line editing and echo). A player
# who types Enter after each answer gets the answers typed, not the Enters.
# Usage: terminal.sh PROGRAM
set -u
programa=$1
pasta=$(mktemp -d)
falha() {
    echo "FAIL: $*" >&2
    exit 1
}
. "$(dirname "$0")/tmux_apoio.sh"

cat >"$pasta/jogo.sh" <<ROTEIRO
cd '$pasta'
'$programa'
echo \$? >status
stty -a >modo
echo END
sleep 60
ROTEIRO
inicia_tmux "sh '$pasta/jogo.sh'"
espera 'English(e) or Portuguese(p)?'
tecla e
espera 'Do you want chessboard? y/n?'
tecla n
espera 'Do you want to start?'
tecla y
espera 'What is your move?'
tecla e2e4 Enter
espera 'My move is:'
tecla save Enter
espera 'Enter the name of the file'
tecla 'партия.sav' Enter
tecla quit Enter
espera END
[ "$(cat "$pasta/status")" = 0 ] || falha "status $(cat "$pasta/status")"
[ -s "$pasta/партия.sav" ] || falha "no file партия.sav"
tela | grep -q 'could not be saved' && falha "not saved"
grep -Eq '(^| )icanon( |$)' "$pasta/modo" && grep -Eq '(^| )echo( |$)' "$pasta/modo" ||
    falha "terminal not restored: $(cat "$pasta/modo")"

# Each answer followed by Enter: English, the board, the player White.
inicia_tmux "sh '$pasta/jogo.sh'"
espera 'English(e) or Portuguese(p)?'
tecla e Enter
espera 'Do you want chessboard? y/n?'
tecla y Enter
espera 'Do you want to start?'
tecla y Enter
espera 'What is your move? Ex:'
tela | grep -q '    Human' || falha "no board after Enter: $(tela)"
tecla quit Enter
espera END
exit 0
