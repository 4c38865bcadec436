#!/bin/sh
# The Windows zip: built with CPack from the cross build, it holds one folder
# with exactly the files listed below; the programs are 64-bit Windows
# programs that import only DLLs every Windows has (the compiler's run-time
# is linked in) and run from the unpacked folder, play.cmd too (it waits
# for a key once the game is over); the text files have Windows line ends
# and the manual pages are plain text.
# Usage: zip.sh BUILD_DIR VERSION OBJDUMP WINE (a command that runs a .exe under wine)
set -u
build=$1 versao=$2 objdump=$3 wine=$4
. "$(dirname "$0")/../falhas.sh"

if ! cpack --config "$build/CPackConfig.cmake" -G ZIP -B "$pasta/saida" >"$pasta/cpack.log" 2>&1; then
    cat "$pasta/cpack.log" >&2
    exit 1
fi
nome=quelmaro-$versao-win64
zip=$pasta/saida/$nome.zip
[ -f "$zip" ] || { ls "$pasta/saida" >&2; falha "no $nome.zip"; exit 1; }
echo "$nome.zip: $(wc -c <"$zip") bytes"
mkdir "$pasta/zip"
(cd "$pasta/zip" && unzip -q "$zip") || { falha "unzip"; exit 1; }
[ "$(ls -A "$pasta/zip")" = "$nome" ] || falha "not one folder: $(ls -A "$pasta/zip")"
pasta_zip=$pasta/zip/$nome
(cd "$pasta_zip" && ls -A) >"$pasta/lista"
printf '%s\n' CHANGELOG.txt COPYING.txt README.txt play.cmd quelmaro.exe quelmaro.txt \
    quelmaro_xb.exe quelmaro_xb.txt | diff -u - "$pasta/lista" >&2 || falha "file list"

for p in quelmaro quelmaro_xb; do
    exe=$pasta_zip/$p.exe
    "$objdump" -f "$exe" | grep -q 'file format pei-x86-64' || falha "$p.exe is not a 64-bit Windows program"
    "$objdump" -p "$exe" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr 'A-Z' 'a-z' | sort -u >"$pasta/dlls"
    grep -vx -e kernel32.dll -e msvcrt.dll -e shell32.dll -e user32.dll -e advapi32.dll "$pasta/dlls" &&
        falha "$p.exe needs DLLs that do not come with Windows"
    [ "$("$wine" "$exe" --version 2>/dev/null)" = "$p $versao" ] ||
        falha "$p.exe --version from the zip"
done
printf 'uci\nisready\nquit\n' | "$wine" "$pasta_zip/quelmaro_xb.exe" >"$pasta/uci" 2>/dev/null
grep -qx uciok "$pasta/uci" && grep -qx readyok "$pasta/uci" || falha "quelmaro_xb.exe from the zip: no uciok, readyok"

(cd "$pasta_zip" && printf 'e\nn\ny\nquit\nx\n' | "$wine" cmd /c play.cmd >"$pasta/play" 2>&1)
tail -n 1 "$pasta/play" | grep -qi 'any key' && grep -q 'What is your move?' "$pasta/play" ||
    falha "play.cmd: the game, then a wait for a key: $(tail -n 2 "$pasta/play")"

for t in CHANGELOG.txt COPYING.txt README.txt quelmaro.txt quelmaro_xb.txt play.cmd; do
    arquivo=$pasta_zip/$t
    [ -s "$arquivo" ] || { falha "$t is empty"; continue; }
    # every line ends in CR LF, the last one too
    [ "$(tr -cd '\n' <"$arquivo" | wc -c)" -eq "$(tr -cd '\r' <"$arquivo" | wc -c)" ] &&
        [ "$(tail -c 2 "$arquivo" | od -An -c | tr -d ' ')" = '\r\n' ] || falha "$t: not CR LF line ends"
done
for p in quelmaro quelmaro_xb; do
    texto=$pasta_zip/$p.txt
    grep -q '^NAME' "$texto" && grep -q '^SYNOPSIS' "$texto" || falha "$p.txt is not the manual page"
    LC_ALL=C grep -q "$(printf '[\010\033]')" "$texto" && falha "$p.txt has backspaces or escapes"
    LC_ALL=C grep -q "$(printf '[\200-\377]')" "$texto" && falha "$p.txt is not ASCII"
done
grep -q 'GNU GENERAL PUBLIC LICENSE' "$pasta_zip/COPYING.txt" || falha "COPYING.txt is not the GPL"
[ "$falhas" -eq 0 ]
