#!/usr/bin/env python3
"""Draws the engine logo that xboard shows beside the clock: a 100 x 50 PNG
(xboard logos are twice as wide as high), a rook over a strip of board squares
and the name in a 5 x 7 pixel font. Standard library only; the PNG it writes
is committed, so the build does not run this.

    python3 packaging/logo.py packaging/quelmaro_xb.png
"""
import struct
import sys
import zlib

LARGURA, ALTURA = 100, 50
FUNDO = (24, 38, 52)
CLARA, ESCURA = (232, 216, 180), (150, 108, 70)
PECA, CONTORNO = (250, 250, 245), (10, 10, 10)
LETRA = (250, 200, 70)

# 5 x 7 glyphs, one string per row, '#' for a lit pixel.
FONTE = {
    "Q": [".###.", "#...#", "#...#", "#...#", "#.#.#", "#..#.", ".##.#"],
    "U": ["#...#", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."],
    "E": ["#####", "#....", "#....", "####.", "#....", "#....", "#####"],
    "L": ["#....", "#....", "#....", "#....", "#....", "#....", "#####"],
    "M": ["#...#", "##.##", "#.#.#", "#.#.#", "#...#", "#...#", "#...#"],
    "A": [".###.", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"],
    "R": ["####.", "#...#", "#...#", "####.", "#.#..", "#..#.", "#...#"],
    "O": [".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."],
}

# The rook, 15 x 20, '#' body.
TORRE = [
    "##.##.###.##.##",
    "##.##.###.##.##",
    "###############",
    "###############",
    ".#############.",
    "..###########..",
    "...#########...",
    "...#########...",
    "...#########...",
    "...#########...",
    "...#########...",
    "...#########...",
    "...#########...",
    "..###########..",
    "..###########..",
    ".#############.",
    "###############",
    "###############",
    "###############",
    "###############",
]


def desenha():
    img = [[FUNDO] * LARGURA for _ in range(ALTURA)]

    def ponto(x, y, cor):
        if 0 <= x < LARGURA and 0 <= y < ALTURA:
            img[y][x] = cor

    # A strip of board squares, 10 px each, behind the rook.
    for y in range(14, 24):
        for x in range(LARGURA):
            ponto(x, y, CLARA if (x // 10) % 2 == 0 else ESCURA)
    # The rook with a one-pixel outline, centred.
    x0, y0 = (LARGURA - 15) // 2, 2
    for dy, linha in enumerate(TORRE):
        for dx, c in enumerate(linha):
            if c == "#":
                for ox in (-1, 0, 1):
                    for oy in (-1, 0, 1):
                        ponto(x0 + dx + ox, y0 + dy + oy, CONTORNO)
    for dy, linha in enumerate(TORRE):
        for dx, c in enumerate(linha):
            if c == "#":
                ponto(x0 + dx, y0 + dy, PECA)
    # The name, each glyph pixel 2 x 2, centred under the rook.
    nome, escala = "QUELMARO", 2
    largura_texto = len(nome) * 6 * escala - escala
    xt, yt = (LARGURA - largura_texto) // 2, ALTURA - 7 * escala - 2
    for i, letra in enumerate(nome):
        for gy, linha in enumerate(FONTE[letra]):
            for gx, c in enumerate(linha):
                if c == "#":
                    for sx in range(escala):
                        for sy in range(escala):
                            ponto(xt + (i * 6 + gx) * escala + sx, yt + gy * escala + sy, LETRA)
    return img


def png(img):
    def bloco(tipo, dados):
        corpo = tipo + dados
        return struct.pack(">I", len(dados)) + corpo + struct.pack(">I", zlib.crc32(corpo))

    linhas = b"".join(b"\0" + bytes(c for px in linha for c in px) for linha in img)
    cabecalho = struct.pack(">IIBBBBB", LARGURA, ALTURA, 8, 2, 0, 0, 0)  # 8-bit RGB
    return (b"\x89PNG\r\n\x1a\n" + bloco(b"IHDR", cabecalho) +
            bloco(b"IDAT", zlib.compress(linhas, 9)) + bloco(b"IEND", b""))


if __name__ == "__main__":
    with open(sys.argv[1], "wb") as f:
        f.write(png(desenha()))
