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

# A long game in a terminal 50 columns wide, then in one 100 wide with
# COLUMNS=50: the lines of "moves" and "why" as the program wrote them (the
# terminal's own breaks joined) are at most 49 columns, and hold the same
# words as the program writes at a great width.
printf '[Event "e"]\n\n%s *\n' "$(seq 1 30 | awk '{ printf "%d. Nf3 Nf6 %d. Ng1 Ng8 ", 2 * $1 - 1, 2 * $1 }')" >"$pasta/danca.pgn"
entrada='e\nn\ny\nopen\ndanca.pgn\ne4\nmoves\nwhy\nquit\n'
(cd "$pasta" && printf "$entrada" | COLUMNS=10000 "$programa") >"$pasta/largo.txt"
grep '^1\. Nf3' "$pasta/largo.txt" | head -1 >"$pasta/lances_largo"
grep -E '^Rule |^Regra ' "$pasta/largo.txt" | head -1 >"$pasta/porque_largo"
[ -s "$pasta/lances_largo" ] && [ -s "$pasta/porque_largo" ] || falha "no moves or why: $(cat "$pasta/largo.txt")"
juntas() { # the program's lines, from the one starting with $1 up to the prompt
    tmux -L "$servidor_tmux" capture-pane -p -J -S - -t "t$sessao_tmux" |
        awk -v de="$1" 'index($0, de) == 1 { em = 1 } em && /What is your move/ { exit } em'
}
for estreito in "50" "100 50"; do
    set -- $estreito
    cat >"$pasta/estreito.sh" <<ROTEIRO
cd '$pasta'
unset COLUMNS
${2:+COLUMNS=$2} '$programa'
echo END
sleep 60
ROTEIRO
    inicia_tmux "sh '$pasta/estreito.sh'" "$1"
    espera 'English(e) or Portuguese(p)?'
    tecla e
    espera 'Do you want chessboard? y/n?'
    tecla n
    espera 'Do you want to start?'
    tecla y
    espera 'What is your move?'
    for linha in open danca.pgn e4 moves why; do tecla "$linha" Enter; sleep 0.3; done
    espera 'Rule '
    sleep 0.5
    juntas '1. Nf3' >"$pasta/lances"
    juntas "$(cut -c1-7 "$pasta/porque_largo")" >"$pasta/porque"
    for f in lances porque; do
        [ "$(wc -l <"$pasta/$f")" -gt 1 ] || falha "$estreito: $f in one line: $(cat "$pasta/$f")"
        awk 'length($0) > 49 { exit 1 }' "$pasta/$f" || falha "$estreito: $f wider than 49: $(cat "$pasta/$f")"
        [ "$(tr '\n' ' ' <"$pasta/$f" | sed 's/ $//')" = "$(cat "$pasta/${f}_largo")" ] ||
            falha "$estreito: $f broken inside a word: $(cat "$pasta/$f")"
    done
    tecla quit Enter
    espera END
done
exit 0
