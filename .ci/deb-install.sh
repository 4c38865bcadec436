#!/usr/bin/env bash
# The Debian package installed for real (as root, on a machine where it is not
# installed): dpkg -i; xboard adds the engine to the engine list of a user who
# had run it before; the programs run from /usr/games; dpkg -r leaves none of
# its files behind. CI runs it after `make test`.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${BUILD:-build}

instalado() { [ "$(dpkg-query -W -f='${db:Status-Abbrev}' quelmaro 2>/dev/null)" = "ii " ]; }
if instalado; then
  echo "quelmaro is installed already; remove it (dpkg -r quelmaro) first" >&2
  exit 1
fi
make deb BUILD="$build" >/dev/null
versao=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
deb=$build/quelmaro_${versao}_$(dpkg --print-architecture).deb
pasta=$(mktemp -d)
xvfb=
limpa() {
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null || true
  rm -rf "$pasta"
  if instalado; then dpkg -r quelmaro >/dev/null || true; fi
}
trap limpa EXIT

# xboard on a display of its own, with its settings in the scratch folder. It
# adds the engines whose file in /usr/share/games/plugins/xboard is newer than
# its settings file once it is up, and saves its settings when interrupted.
Xvfb -displayfd 3 -nolisten tcp 3>"$pasta/tela" 2>/dev/null &
xvfb=$!
for _ in $(seq 50); do [ -s "$pasta/tela" ] && break; sleep 0.2; done
export DISPLAY=:$(cat "$pasta/tela")
roda_xboard() { # SECONDS
  /usr/games/xboard -settingsFile "$pasta/rc" -saveSettingsFile "$pasta/rc" >/dev/null 2>&1 &
  local xb=$!
  sleep "$1"
  kill -INT "$xb"
  wait "$xb" || true
}
na_lista() { # the engine list in the settings, between its braces
  sed -n '/^-firstChessProgramNames {/,/^}/p' "$pasta/rc" | grep -qx quelmaro_xb
}

# A user who ran xboard before the package came.
roda_xboard 5
[ -s "$pasta/rc" ] || { echo "FAIL: xboard saved no settings" >&2; exit 1; }
if na_lista; then echo "FAIL: quelmaro_xb listed before installation" >&2; exit 1; fi
cp -p "$pasta/rc" "$pasta/rc.antes"
sleep 2

dpkg -i "$deb" >/dev/null
instalado || { echo "FAIL: dpkg -i did not install quelmaro" >&2; exit 1; }
listado=0
for segundos in 5 10 20; do
  cp -p "$pasta/rc.antes" "$pasta/rc" # its time is what xboard compares
  roda_xboard "$segundos"
  if na_lista; then listado=1; break; fi
done
[ "$listado" = 1 ] || { echo "FAIL: xboard's engine list does not name quelmaro_xb" >&2; exit 1; }
echo "xboard lists quelmaro_xb among its engines"

# The programs from /usr/games, on the golden transcripts.
t=tests/transcripts
[ "$(/usr/games/quelmaro --version)" = "quelmaro $versao" ]
[ "$(/usr/games/quelmaro_xb --version)" = "quelmaro_xb $versao" ]
sh $t/roda.sh /usr/games/quelmaro "$PWD/$t/partida_en_vitoria.in" "$PWD/$t/partida_en_vitoria.out"
sh $t/roda.sh /usr/games/quelmaro_xb "$PWD/$t/protocolo_inicio.xb.in" "$PWD/$t/protocolo_inicio.xb.out"
# The menu entry's command, as installed: the game by default, the same game.
exec_menu=$(sed -n 's/^Exec=//p' /usr/share/applications/quelmaro.desktop)
[ "$exec_menu" = "/usr/libexec/quelmaro/jogo_no_terminal /usr/games/quelmaro" ]
sh $t/roda.sh /usr/libexec/quelmaro/jogo_no_terminal "$PWD/$t/partida_en_vitoria.in" "$PWD/$t/partida_en_vitoria.out"
if command -v man >/dev/null 2>&1; then
  man -w 6 quelmaro_xb | grep -qx /usr/share/man/man6/quelmaro_xb.6.gz
fi
echo "the installed programs run from /usr/games"

dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { sub(/^\./, "", $6); print $6 }' >"$pasta/arquivos"
dpkg -r quelmaro >/dev/null
sobra=0
[ "$(dpkg-query -W -f='${db:Status-Abbrev}' quelmaro 2>/dev/null)" != "ii " ] || sobra=1
while read -r f; do
  [ ! -e "$f" ] || { echo "left behind: $f" >&2; sobra=1; }
done <"$pasta/arquivos"
for d in /usr/share/doc/quelmaro /var/lib/dpkg/info/quelmaro.list /var/lib/dpkg/info/quelmaro.postinst; do
  [ ! -e "$d" ] || { echo "left behind: $d" >&2; sobra=1; }
done
[ "$sobra" = 0 ] || { echo "FAIL: dpkg -r left files behind" >&2; exit 1; }
echo "dpkg -r removed every file of the package"
