#!/bin/sh
# The manual pages as man and lintian read them: formatted with every groff
# warning on, at the widths of a narrow and a wide terminal, not one warning;
# and lexgrog (what mandb and whatis use) finds each page's whatis line,
# "NAME \- words".
# Usage: manual.sh PAGE...
set -u
falhas=0
for pagina in "$@"; do
    nome=$(basename "$pagina" .6)
    for largura in 80 120; do
        avisos=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=$largura man --warnings -E UTF-8 -l -Tutf8 -Z "$pagina" 2>&1 >/dev/null)
        if [ -n "$avisos" ]; then
            echo "FAIL: $pagina at $largura columns: $avisos" >&2
            falhas=$((falhas + 1))
        fi
    done
    lexgrog "$pagina" | grep -q ": \"$nome - ..*\"$" || {
        echo "FAIL: lexgrog finds no whatis line in $pagina: $(lexgrog "$pagina" 2>&1)" >&2
        falhas=$((falhas + 1))
    }
done
[ "$falhas" -eq 0 ]
