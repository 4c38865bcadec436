#!/bin/sh
# Saves and opens as a careful user expects them, through the real programs,
# as the user running the test and, when that is root, as nobody too: a save
# through a symbolic link writes the file it names; a folder, a FIFO, a
# socket, a device, a write-protected file (root included) or a file of
# another user is refused with its reason and left as it was, as on a
# read-only or full file system; a file of several hard links is replaced
# under its one name, with a word; the temporary files that killed saves
# left are cleared by the next save, and only they; opening a FIFO or a
# socket never waits; a saved game with a pawn on its first or last rank is
# refused with its reason.
# With "windows" the programs are the Windows build's under wine, run as
# the user only: no other user, device or mount, no kills (the leftovers
# of killed saves are planted), and no owner of a file to look at.
# Usage: gravacao.sh PROGRAM PROGRAM_XB [windows]
set -u
programa=$1 programa_xb=$2 windows=${3:-}
. "$(dirname "$0")/falhas.sh"
chmod 755 "$pasta"

# USER ("" for the one running the test) runs a command.
como() {
    quem=$1
    shift
    if [ -n "$quem" ]; then
        setpriv --reuid="$quem" --regid="$(id -g "$quem")" --clear-groups -- "$@"
    else
        "$@"
    fi
}
roda() { # USER FOLDER PROGRAM ARGS...: in FOLDER, on $pasta/entrada, output in $pasta/saida
    quem=$1 aqui=$2
    shift 2
    if [ -n "$quem" ]; then
        set -- setpriv --reuid="$quem" --regid="$(id -g "$quem")" --clear-groups -- "$@"
    fi
    (cd "$aqui" && timeout 10 "$@" <"$pasta/entrada" >"$pasta/saida" 2>&1)
}
salva() { # USER FOLDER COMMAND NAME [LANGUAGE]: one move, then COMMAND (save or pgn) to NAME
    if [ "${5:-e}" = p ]; then
        printf 'p\nn\ns\nd2d4\n%s\n%s\nquit\n' "$3" "$4" >"$pasta/entrada"
    else
        printf 'e\nn\ny\nd2d4\n%s\n%s\nquit\n' "$3" "$4" >"$pasta/entrada"
    fi
    roda "$1" "$2" "$programa"
}
diz() { grep -qF "$1" "$pasta/saida"; }
estado() { stat -c '%F %a %u %h %s' "$1" 2>/dev/null; }

# Every case of one user in a folder of that user's.
casos() { # USER LABEL
    u=$1 q=$2
    d=$pasta/$q
    mkdir "$d" && { [ -z "$u" ] || chown "$u" "$d"; }
    # as that user: the new game once, for its bytes
    salva "$u" "$d" save novo.sav || falha "$q: status $?"
    [ -s "$d/novo.sav" ] || { falha "$q: no game saved"; return; }
    salva "$u" "$d" pgn novo.pgn
    como "$u" sh -c "cd '$d' && printf 'old game\n' >velho && mkdir -p real pasta &&
        mkfifo fifo && cp velho protegido.sav && chmod 444 protegido.sav &&
        cp velho real/alvo.sav && ln -s real/alvo.sav ligacao.sav &&
        ln -s real/nada.sav pendente.sav && ln -s ciclo1 ciclo2 && ln -s ciclo2 ciclo1 &&
        cp velho um.sav && ln um.sav outro.sav"
    # refused: NAME, COMMAND, the reason; the name stays as it was
    while read -r nome comando motivo; do
        antes=$(estado "$d/$nome")
        salva "$u" "$d" "$comando" "$nome"
        s=$?
        [ $s -eq 0 ] || falha "$q: $comando $nome: status $s"
        diz "could not be" || falha "$q: $comando $nome: not refused"
        diz "$motivo" || falha "$q: $comando $nome: not '$motivo': $(tail -n 3 "$pasta/saida")"
        [ "$(estado "$d/$nome")" = "$antes" ] || falha "$q: $nome changed: $(estado "$d/$nome")"
        if [ -f "$d/$nome" ] && [ ! -L "$d/$nome" ]; then
            cmp -s "$d/$nome" "$d/velho" || falha "$q: $nome: the old game is not there"
        fi
    done <<CASOS
protegido.sav save The file may not be written
protegido.sav pgn The file may not be written
fifo save not a regular file
fifo pgn not a regular file
pasta save a folder's
ciclo1 save symbolic links without end
nada/x.sav save There is no folder of that name.
CASOS
    salva "$u" "$d" save protegido.sav p
    diz "O arquivo não pode ser escrito" || falha "$q: no reason in Portuguese"
    # through links: the file named is written, the links stay links
    salva "$u" "$d" save ligacao.sav
    [ -L "$d/ligacao.sav" ] || falha "$q: the link was replaced"
    cmp -s "$d/real/alvo.sav" "$d/novo.sav" || falha "$q: the link's target is not the new game"
    if [ -z "$windows" ]; then # wine shows a link to nothing as nothing
        salva "$u" "$d" pgn pendente.sav
        [ -L "$d/pendente.sav" ] || falha "$q: the dangling link was replaced"
        [ -s "$d/real/nada.sav" ] || falha "$q: the dangling link's target was not written"
    fi
    # hard links: the name gets the new game, the other name keeps the old, with a word
    salva "$u" "$d" save um.sav
    cmp -s "$d/um.sav" "$d/novo.sav" || falha "$q: um.sav is not the new game"
    cmp -s "$d/outro.sav" "$d/velho" || falha "$q: outro.sav lost the old game"
    diz "The file had other names" || falha "$q: nothing said of the hard link"
    # nothing waits for a FIFO: open, --explain, --annotate, the engine build's open
    printf 'e\nn\ny\nopen\nfifo\nquit\n' >"$pasta/entrada"
    roda "$u" "$d" "$programa" || falha "$q: open fifo: status $?"
    diz "not a regular file" || falha "$q: open fifo: no reason"
    for p in "$programa" "$programa_xb"; do
        for opcao in --explain --annotate; do
            : >"$pasta/entrada"
            roda "$u" "$d" "$p" $opcao fifo
            s=$?
            [ $s -eq 2 ] || falha "$q: $(basename "$p") $opcao fifo: status $s: $(tail -n 3 "$pasta/saida")"
            diz "not a regular file" || falha "$q: $(basename "$p") $opcao fifo: no reason"
        done
    done
    printf 'xboard\nprotover 2\nopen\nfifo\nping 7\nquit\n' >"$pasta/entrada"
    roda "$u" "$d" "$programa_xb"
    diz "pong 7" || falha "$q: the engine build stopped answering after open fifo"
    diz "not a regular file" || falha "$q: the engine build's open fifo: no reason"
    # the leftovers of killed saves go, and only they
    # (kept: a young file of no known process, a name not of the pattern, a
    # folder; off Windows also a link, and a young file of a living process)
    agora=$(date +%s)
    como "$u" sh -c "cd '$d' && : >.quelmaro-999999999-AbC123 && : >.quelmaro-Zz9xY8 &&
        touch -d @$((agora - 3600)) .quelmaro-Zz9xY8 && : >.quelmaro-keep02 &&
        : >.quelmaro-999999999-toolong && mkdir .quelmaro-999999999-pAsta1"
    vivas=""
    if [ -z "$windows" ]; then
        como "$u" sh -c "cd '$d' && : >.quelmaro-$$-kEEp01 && ln -s velho .quelmaro-999999999-LiGa01"
        vivas=".quelmaro-$$-kEEp01 .quelmaro-999999999-LiGa01 "
    fi
    salva "$u" "$d" save novo.sav
    sobras=$(cd "$d" && ls -A | grep '^\.quelmaro' | tr '\n' ' ')
    [ "$sobras" = "$vivas.quelmaro-999999999-pAsta1 .quelmaro-999999999-toolong .quelmaro-keep02 " ] ||
        falha "$q: leftovers: $sobras"
    [ -z "$windows" ] || return 0
    # saves killed at random moments: the old or the new game whole, then no leftover
    for i in 1 2 3 4 5 6 7 8 9 10 11 12; do
        cp "$d/velho" "$d/morto.sav"
        printf 'e\nn\ny\nd2d4\nsave\nmorto.sav\nquit\n' >"$pasta/entrada"
        (cd "$d" && exec "$programa" <"$pasta/entrada" >/dev/null 2>&1) &
        sleep "0.00$i"
        kill -9 $! 2>/dev/null
        wait $! 2>/dev/null
        cmp -s "$d/morto.sav" "$d/velho" || cmp -s "$d/morto.sav" "$d/novo.sav" ||
            falha "$q: kill $i: morto.sav is neither game whole"
    done
    [ -z "$u" ] || chown -R "$u" "$d" # the killed runs ran as the one running the test
    salva "$u" "$d" save morto.sav
    cmp -s "$d/morto.sav" "$d/novo.sav" || falha "$q: the save after the kills"
    sobras=$(cd "$d" && ls -A | grep '^\.quelmaro-[0-9]*-......$' | grep -v -e "-$$-" -e LiGa -e pAsta)
    [ -z "$sobras" ] || falha "$q: left by killed saves: $sobras"
}

casos "" eu
if [ "$(id -u)" -eq 0 ] && [ -z "$windows" ]; then
    casos nobody nobody
    d=$pasta/nobody
    # a file of root's in nobody's folder; a device and a socket of root's
    printf 'old game\n' >"$d/de_root.sav"
    mknod "$d/nulo" c 1 3 && chmod 666 "$d/nulo"
    python3 -c "import socket; socket.socket(socket.AF_UNIX).bind('$d/tomada')" 2>/dev/null
    for quem in nobody ""; do
        for nome in nulo tomada; do
            [ -e "$d/$nome" ] || continue
            antes=$(estado "$d/$nome")
            salva "$quem" "$d" save "$nome"
            diz "not a regular file" || falha "${quem:-root}: save $nome: not refused so"
            [ "$(estado "$d/$nome")" = "$antes" ] || falha "${quem:-root}: $nome changed"
            printf 'e\nn\ny\nopen\n%s\nquit\n' "$nome" >"$pasta/entrada"
            roda "$quem" "$d" "$programa"
            diz "not a regular file" || falha "${quem:-root}: open $nome: not refused so"
        done
    done
    salva nobody "$d" save de_root.sav
    diz "The file may not be written" || falha "nobody: root's file: no reason"
    [ "$(cat "$d/de_root.sav")" = "old game" ] || falha "nobody replaced root's file"
    # root's own save replaces nobody's file, which stays nobody's
    salva "" "$d" save um.sav
    [ "$(stat -c %U "$d/um.sav")" = nobody ] || falha "root's save took nobody's file"
    # a full and a read-only file system, where one can be mounted
    m=$pasta/montada
    mkdir "$m"
    if mount -t tmpfs -o size=64k tmpfs "$m" 2>/dev/null; then
        printf 'old game\n' >"$m/jogo.sav"
        dd if=/dev/zero of="$m/cheio" bs=4k 2>/dev/null
        salva "" "$m" save jogo.sav
        diz "The disk is full." || falha "full: $(tail -n 1 "$pasta/saida")"
        [ "$(cat "$m/jogo.sav")" = "old game" ] || falha "full: the old game is gone"
        rm -f "$m/cheio"
        mount -o remount,ro "$m"
        salva "" "$m" pgn jogo.sav
        diz "The file system is read-only." || falha "read-only: $(tail -n 1 "$pasta/saida")"
        [ "$(cat "$m/jogo.sav")" = "old game" ] || falha "read-only: the old game is gone"
        umount "$m"
    fi
fi

# A saved game with a pawn on its first or last rank: the starting position
# saved, then a pawn put on a square of row 1 or 8 (first of the 64 fields,
# or the 64th), and of the player's side.
d=$pasta/eu
printf 'e\nn\ny\nsave\ninicio.sav\nquit\n' >"$pasta/entrada"
roda "" "$d" "$programa"
for campo in 1 57 64; do
    for codigo in 1 -1; do
        awk -v c="$campo" -v v="$codigo" '{ printf "%s%11d%s\n", substr($0, 1, 11 * (c - 1)), v,
            substr($0, 11 * c + 1) }' "$d/inicio.sav" >"$d/peao.sav"
        printf 'e\nn\ny\nopen\npeao.sav\nmoves\nquit\n' >"$pasta/entrada"
        roda "" "$d" "$programa"
        diz "a pawn on the first or last rank" || falha "pawn $codigo in field $campo: not refused"
        : >"$pasta/entrada"
        roda "" "$d" "$programa_xb" --explain peao.sav
        [ $? -eq 2 ] || falha "pawn $codigo in field $campo: --explain did not refuse it"
    done
done
[ "$falhas" -eq 0 ]
