#!/usr/bin/env python3
"""Draws the engine logo that xboard shows beside the clock: a 100 x 50 PNG
(xboard logos are twice as wide as high), a rook over a strip of board squares
and the name in a 5 x 7 pixel font; and the menu icon, the same rook on four
board squares, square, at the sizes of the hicolor icon theme (smoothed
edges, transparent corners). Standard library only; the PNGs it writes are
committed, so the build does not run this.

    python3 packaging/logo.py packaging/quelmaro_xb.png
    python3 packaging/logo.py --icons packaging/icons    # icons/NxN.png
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


# The icon sizes: those the hicolor theme lists for applications.
TAMANHOS_DE_ICONE = (16, 22, 24, 32, 48, 64, 128, 256)


def icone(tamanho):
    """The menu icon, `tamanho` pixels square, as rows of RGBA pixels. It is
    drawn on a 32-unit square and each pixel averages 4 x 4 samples."""
    unidade = tamanho / 32
    celula = 1.25  # one cell of TORRE, in units
    x0, y0 = (32 - 15 * celula) / 2, (32 - 20 * celula) / 2
    contorno, raio = 0.9, 4.0

    def torre(x, y):
        cx, cy = int((x - x0) // celula), int((y - y0) // celula)
        return 0 <= cx < 15 and 0 <= cy < 20 and TORRE[cy][cx] == "#"

    def cantos(x, y):  # inside the square with rounded corners
        dx = max(raio - x, 0, x - (32 - raio))
        dy = max(raio - y, 0, y - (32 - raio))
        return dx * dx + dy * dy <= raio * raio

    def amostra(x, y):
        if not cantos(x, y):
            return None
        if torre(x, y):
            return PECA
        if any(torre(x + ox * contorno, y + oy * contorno)
               for ox in (-1, 0, 1) for oy in (-1, 0, 1)):
            return CONTORNO
        return CLARA if (x < 16) == (y < 16) else ESCURA

    n = 4
    img = []
    for py in range(tamanho):
        linha = []
        for px in range(tamanho):
            soma, cobertas = [0, 0, 0], 0
            for sy in range(n):
                for sx in range(n):
                    cor = amostra((px + (sx + 0.5) / n) / unidade, (py + (sy + 0.5) / n) / unidade)
                    if cor:
                        cobertas += 1
                        soma = [a + b for a, b in zip(soma, cor)]
            if cobertas:
                linha.append(tuple(round(c / cobertas) for c in soma) + (round(255 * cobertas / n / n),))
            else:
                linha.append((0, 0, 0, 0))
        img.append(linha)
    return img


def png(img):
    def bloco(tipo, dados):
        corpo = tipo + dados
        return struct.pack(">I", len(dados)) + corpo + struct.pack(">I", zlib.crc32(corpo))

    canais = len(img[0][0])
    linhas = b"".join(b"\0" + bytes(c for px in linha for c in px) for linha in img)
    tipo_de_cor = {3: 2, 4: 6}[canais]  # 8-bit RGB or RGBA
    cabecalho = struct.pack(">IIBBBBB", len(img[0]), len(img), 8, tipo_de_cor, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + bloco(b"IHDR", cabecalho) +
            bloco(b"IDAT", zlib.compress(linhas, 9)) + bloco(b"IEND", b""))


if __name__ == "__main__":
    if sys.argv[1] == "--icons":
        for t in TAMANHOS_DE_ICONE:
            with open(f"{sys.argv[2]}/{t}x{t}.png", "wb") as f:
                f.write(png(icone(t)))
    else:
        with open(sys.argv[1], "wb") as f:
            f.write(png(desenha()))
