# Sourced by the tests that type into a real terminal (tmux on a server of
# their own): inicia_tmux COMMAND [COLUMNS] starts COMMAND in a new terminal
# of COLUMNS (100 unless given) x 50 (ending the one before),
# tela prints the screen, espera TEXT waits up to 30 s for TEXT on it, tecla
# KEY... types keys (tmux send-keys: "Enter" is the Enter key). The caller
# sets $pasta (a scratch folder) and falha MESSAGE (prints and exits);
# the server ends with the test.
servidor_tmux=quelmaro-$$
sessao_tmux=0
trap 'tmux -L "$servidor_tmux" kill-server 2>/dev/null; rm -rf "$pasta"' EXIT
inicia_tmux() {
    anterior=$sessao_tmux
    sessao_tmux=$((sessao_tmux + 1))
    tmux -L "$servidor_tmux" -f /dev/null new-session -d -s "t$sessao_tmux" -x "${2:-100}" -y 50 "$1"
    tmux -L "$servidor_tmux" kill-session -t "t$anterior" 2>/dev/null
}
tela() { tmux -L "$servidor_tmux" capture-pane -p -t "t$sessao_tmux" 2>/dev/null; }
espera() {
    i=0
    until tela | grep -qF -- "$1"; do
        if [ $i -ge 300 ]; then
            tela >&2
            falha "\"$1\" not on the screen"
        fi
        sleep 0.1
        i=$((i + 1))
    done
}
tecla() { tmux -L "$servidor_tmux" send-keys -t "t$sessao_tmux" "$@"; }
