#!/bin/sh
# The Debian package: builds it with CPack from the build folder, checks its
# file list, modes and control fields, unpacks it into a scratch root with
# dpkg-deb -x and runs the programs from there (--version, a whole console
# game and an engine session from the golden transcripts, the engine's answer
# to "protover 2"); checks the menu entry, its icons and wrapper, the
# changelog and the copyright; and has lintian --pedantic find no error and
# no warning and hardening-check find Debian's hardening in both programs.
# Usage: pacote.sh BUILD_DIR VERSION SOURCE_DIR
set -u
build=$1 versao=$2 fonte=$(cd "$3" && pwd)
. "$(dirname "$0")/falhas.sh"

if ! cpack --config "$build/CPackConfig.cmake" -G DEB -B "$pasta/saida" >"$pasta/cpack.log" 2>&1; then
    cat "$pasta/cpack.log" >&2
    falha "cpack failed"
    exit 1
fi
arq=$(dpkg --print-architecture)
deb=$pasta/saida/quelmaro_${versao}_$arq.deb
[ -f "$deb" ] || { ls "$pasta/saida" >&2; falha "no $deb"; exit 1; }

# Every file with its mode and owner, nothing more, nothing less.
dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { print $1, $2, $6 }' | sort >"$pasta/lista"
sort >"$pasta/esperada" <<LISTA
-rw-r--r-- root/root ./usr/share/applications/quelmaro.desktop
-rw-r--r-- root/root ./usr/share/doc/quelmaro/README.md
-rw-r--r-- root/root ./usr/share/doc/quelmaro/changelog.gz
-rw-r--r-- root/root ./usr/share/doc/quelmaro/copyright
$(for t in 16 22 24 32 48 64 128 256; do echo "-rw-r--r-- root/root ./usr/share/icons/hicolor/${t}x$t/apps/quelmaro.png"; done)
-rwxr-xr-x root/root ./usr/libexec/quelmaro/jogo_no_terminal
-rw-r--r-- root/root ./usr/share/games/plugins/logos/quelmaro_xb.png
-rw-r--r-- root/root ./usr/share/games/plugins/xboard/quelmaro.eng
-rw-r--r-- root/root ./usr/share/man/man6/quelmaro.6.gz
-rw-r--r-- root/root ./usr/share/man/man6/quelmaro_xb.6.gz
-rwxr-xr-x root/root ./usr/games/quelmaro
-rwxr-xr-x root/root ./usr/games/quelmaro_xb
LISTA
diff -u "$pasta/esperada" "$pasta/lista" >&2 || falha "file list"

# Control fields; Depends as dpkg-shlibdeps found them (the C++ runtime and libc).
campo() { dpkg-deb -f "$deb" "$1"; }
[ "$(campo Package)" = quelmaro ] || falha "Package: $(campo Package)"
[ "$(campo Version)" = "$versao" ] || falha "Version: $(campo Version)"
[ "$(campo Architecture)" = "$arq" ] || falha "Architecture: $(campo Architecture)"
[ "$(campo Section)" = games ] || falha "Section: $(campo Section)"
campo Maintainer | grep -Eq '^[^<]+ <[^@> ]+@[^> ]+>$' || falha "Maintainer: $(campo Maintainer)"
for lib in libc6 'libstdc\+\+6'; do
    campo Depends | grep -Eq "(^|, )$lib \\(>= [0-9.]+\\)" || falha "Depends lacks $lib: $(campo Depends)"
done
# The one maintainer script, executable (it dates the xboard file on installation).
dpkg-deb --ctrl-tarfile "$deb" | tar -tvf - | awk '{ print $1, $6 }' | grep -qx -- '-rwxr-xr-x ./postinst' ||
    falha "no executable postinst"
campo Description | head -n 1 | grep -q . || falha "no summary line"
[ "$(campo Description | wc -l)" -gt 2 ] || falha "no long description"

raiz=$pasta/raiz
dpkg-deb -x "$deb" "$raiz" || { falha "dpkg-deb -x"; exit 1; }
jogos=$raiz/usr/games
for p in quelmaro quelmaro_xb; do
    [ "$("$jogos/$p" --version)" = "$p $versao" ] || falha "$p --version: $("$jogos/$p" --version)"
    # The pages as shipped: the sources, compressed, with the version in the title line.
    pagina=$raiz/usr/share/man/man6/$p.6.gz
    gzip -dc "$pagina" | cmp -s - "$fonte/doc/$p.6" || falha "$p.6.gz is not doc/$p.6"
done
roda=$fonte/tests/transcripts/roda.sh
transcricoes=$fonte/tests/transcripts
sh "$roda" "$jogos/quelmaro" "$transcricoes/partida_en_vitoria.in" "$transcricoes/partida_en_vitoria.out" >&2 ||
    falha "console game from the package"
sh "$roda" "$jogos/quelmaro_xb" "$transcricoes/protocolo_inicio.xb.in" "$transcricoes/protocolo_inicio.xb.out" >&2 ||
    falha "engine session from the package"
printf 'xboard\nprotover 2\nquit\n' | "$jogos/quelmaro_xb" | grep -q '^feature .*done=1$' ||
    falha "no feature line ending in done=1 after protover 2"

# What xboard and the menu read.
cmp -s "$raiz/usr/share/games/plugins/xboard/quelmaro.eng" "$fonte/apps/quelmaro.eng" || falha "quelmaro.eng"
[ "$(sed -n 2p "$raiz/usr/share/games/plugins/xboard/quelmaro.eng")" = quelmaro_xb ] || falha "engine command in quelmaro.eng"
# A PNG twice as wide as high, as xboard draws logos.
logo=$raiz/usr/share/games/plugins/logos/quelmaro_xb.png
dimensoes=$(od -An -tu1 -j16 -N8 "$logo" | awk '{ print $3 * 256 + $4, $7 * 256 + $8 }')
[ "$(head -c 8 "$logo" | od -An -tx1 | tr -d ' ')" = 89504e470d0a1a0a ] || falha "logo is not a PNG"
echo "$dimensoes" | awk '{ exit !($1 == 2 * $2 && $2 > 0) }' || falha "logo size $dimensoes"
# The menu entry: the game through the wrapper that keeps the terminal open,
# with its icon in the hicolor theme at the sizes the folders name.
desktop=$raiz/usr/share/applications/quelmaro.desktop
for linha in 'Type=Application' 'Exec=/usr/libexec/quelmaro/jogo_no_terminal /usr/games/quelmaro' \
    'Terminal=true' 'Icon=quelmaro'; do
    grep -qx "$linha" "$desktop" || falha "desktop entry lacks $linha"
done
grep -q '^Categories=.*Game;' "$desktop" || falha "desktop entry not in Games"
if command -v desktop-file-validate >/dev/null 2>&1; then
    desktop-file-validate "$desktop" >&2 || falha "desktop-file-validate"
fi
cmp -s "$raiz/usr/libexec/quelmaro/jogo_no_terminal" "$fonte/packaging/jogo_no_terminal" ||
    falha "the menu's wrapper is not packaging/jogo_no_terminal"
for icone in "$raiz"/usr/share/icons/hicolor/*/apps/quelmaro.png; do
    pasta_icone=$(basename "$(dirname "$(dirname "$icone")")")
    [ "$(head -c 8 "$icone" | od -An -tx1 | tr -d ' ')" = 89504e470d0a1a0a ] || falha "$pasta_icone icon is not a PNG"
    tamanho=$(od -An -tu1 -j16 -N8 "$icone" | awk '{ printf "%dx%d", $3 * 256 + $4, $7 * 256 + $8 }')
    [ "$tamanho" = "$pasta_icone" ] || falha "icon of $pasta_icone is $tamanho"
done
[ -f "$raiz/usr/share/icons/hicolor/48x48/apps/quelmaro.png" ] || falha "no 48x48 icon (the theme's least)"

# The changelog: CHANGELOG compressed, its latest entry the package's version.
documentos=$raiz/usr/share/doc/quelmaro
gzip -dc "$documentos/changelog.gz" | cmp -s - "$fonte/CHANGELOG" || falha "changelog.gz is not CHANGELOG"
[ "$(dpkg-parsechangelog -l "$fonte/CHANGELOG" -S Version)" = "$versao" ] ||
    falha "CHANGELOG's latest version is not $versao"
copyright=$documentos/copyright
head -n 1 "$copyright" |
    grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' ||
    falha "copyright is not in Debian's format"
grep -qx 'License: GPL-3+' "$copyright" || falha "copyright: no License: GPL-3+"
grep -q '/usr/share/common-licenses/GPL-3' "$copyright" || falha "copyright does not name the GPL-3 text"

# Debian's hardening: PIE, the stack protector, relro and now in the
# binaries; _FORTIFY_SOURCE in the compilation of every source (the binaries
# make no call that needs a check at run time, so no tool can see it there).
if command -v hardening-check >/dev/null 2>&1; then
    hardening-check --nofortify --nocfprotection "$jogos/quelmaro" "$jogos/quelmaro_xb" >&2 ||
        falha "hardening-check"
fi
if [ -f "$build/compile_commands.json" ]; then
    fontes_c=$(grep -c '"file": ".*/src/.*\.cpp"' "$build/compile_commands.json")
    [ "$(grep '"command":' "$build/compile_commands.json" | grep -c -- '-D_FORTIFY_SOURCE=2.*-fstack-protector-strong')" -ge "$fontes_c" ] &&
        [ "$fontes_c" -gt 0 ] || falha "not every source compiled with _FORTIFY_SOURCE and the stack protector"
fi

# lintian, as Debian's archive checks packages: every tag shown, an error or
# a warning fails.
if command -v lintian >/dev/null 2>&1; then
    lintian --pedantic --display-info --display-experimental --fail-on error,warning "$deb" >"$pasta/lintian" 2>&1
    status_lintian=$?
    grep -v '^running with root privileges' "$pasta/lintian" >&2
    [ "$status_lintian" -eq 0 ] || falha "lintian: errors or warnings"
fi

[ "$falhas" -eq 0 ] || exit 1
echo "package $(basename "$deb"): files, fields and programs as expected"
