#!/usr/bin/env python3
"""Differential check of two builds of the two programs (not run by default).

Feeds identical input to the programs in BEFORE and AFTER (build folders that
hold quelmaro and quelmaro_xb), each run in a fresh folder of its own, and
compares standard output, exit status and the files left in the folder. Given
builds of the steps between them (--step NAME=DIR, in order), it runs each
input that differs on them too and names the steps at which its result
changed, so every difference is traced to the change that made it.

Inputs: the lines sent in the whole games of a referee transcript file
(`referee.js --transcript`), each to the engine build as it is and to the
console build after random start-up answers; the same games with commands
scattered in; and fuzzed inputs, mutations of the fuzzing corpus and of the
games. Prints one line per difference (kept in full under --out) and a count.

  tests/diferencial.py BEFORE AFTER GAMES.txt [--step NAME=DIR]... [--fuzzed N]
      [--seed S] [--out DIR]
"""
import argparse
import json
import os
import random
import shutil
import subprocess
import tempfile
from concurrent.futures import ThreadPoolExecutor
from pathlib import Path

AQUI = Path(__file__).resolve().parent
SALVO = (AQUI.parent / "fuzz/corpus/jogo_salvo/apos_e4_e5").read_bytes()
COMANDOS = [b"save\nx.sav", b"open\nx.sav", b"load\ng.sav", b"turn", b"go", b"play", b"undo",
            b"remove", b"force", b"draw", b"hint", b"why", b"new", b"result 1-0 {x}", b"pgn\np.pgn",
            b"save\n" + b"n" * 253, b"open\n" + b"n" * 253, b"e7e8q", b"a2a1r", b"O-O", b"O-O-O",
            b"1", b"4", b"x", b"\r", b"ping 9"]


def games(arquivo):
    """The lines sent in each game of a transcript file."""
    jogo = None
    for linha in Path(arquivo).read_text(encoding="latin1").splitlines():
        if linha == "transcript:":
            if jogo is not None:
                yield jogo
            jogo = []
        elif jogo is not None and linha.startswith("  quelmaro > "):
            jogo.append(json.loads('"' + linha[len("  quelmaro > "):] + '"').encode("latin1"))
    if jogo is not None:
        yield jogo


def inicio(rnd):
    return [rnd.choice([b"e", b"p"]), rnd.choice([b"s", b"n"]), rnd.choice([b"s", b"n"])]


def com_comandos(rnd, linhas):
    linhas = list(linhas)
    for _ in range(rnd.randint(1, 6)):
        linhas.insert(rnd.randint(0, len(linhas)), rnd.choice(COMANDOS))
    return linhas


def mutacao(rnd, dados):
    dados = bytearray(dados)
    for _ in range(rnd.randint(1, 4)):
        i = rnd.randint(0, len(dados))
        op = rnd.randrange(7)
        if op == 0 and dados:
            dados[min(i, len(dados) - 1)] = rnd.randrange(256)
        elif op == 1:
            dados[i:i] = bytes([rnd.randrange(256)])
        elif op == 2:
            del dados[i:i + rnd.randint(1, 40)]
        elif op == 3:  # a long line: a word, padding past a hundred, more text
            palavra = rnd.choice(COMANDOS).split(b"\n")[0]
            resto = rnd.choice([b"x.sav", b"g.sav", b"2", b"e2e4", b"n" * 253, b""])
            dados[i:i] = b"\n" + palavra + b" " * rnd.randint(90, 210) + resto + b"\n"
        elif op == 4:
            dados[i:i] = rnd.choice(COMANDOS) + b"\n"
        elif op == 5:
            dados[i:i] = b"\r"
        else:
            del dados[i:]
    return bytes(dados)


# Output to a file is 80 columns wide unless COLUMNS says otherwise: both
# builds run at that width whatever the caller's terminal.
AMBIENTE = {k: v for k, v in os.environ.items() if k != "COLUMNS"}


def roda(pasta_build, programa, entrada):
    with tempfile.TemporaryDirectory(prefix="dif-") as pasta:
        Path(pasta, "g.sav").write_bytes(SALVO)
        try:
            r = subprocess.run([str(Path(pasta_build, programa).resolve())], input=entrada,
                               cwd=pasta, capture_output=True, timeout=60, env=AMBIENTE)
            status, saida = r.returncode, r.stdout
        except subprocess.TimeoutExpired:
            status, saida = "timeout", b""
        arquivos = {p.name: p.read_bytes() for p in sorted(Path(pasta).iterdir()) if p.is_file()}
        return status, saida, arquivos


def main():
    a = argparse.ArgumentParser()
    a.add_argument("antes")
    a.add_argument("depois")
    a.add_argument("jogos")
    a.add_argument("--fuzzed", type=int, default=3000)
    a.add_argument("--seed", type=int, default=1)
    a.add_argument("--out", default="diferencas")
    a.add_argument("--jobs", type=int, default=2)
    a.add_argument("--step", action="append", default=[])
    opt = a.parse_args()
    rnd = random.Random(opt.seed)

    casos = []  # (kind, program, input)
    jogos = list(games(opt.jogos))
    for i, linhas in enumerate(jogos):
        casos.append(("game", "quelmaro_xb", b"\n".join(linhas) + b"\n"))
        casos.append(("game", "quelmaro", b"\n".join(inicio(rnd) + linhas) + b"\n"))
        casos.append(("game+commands", "quelmaro_xb", b"\n".join(com_comandos(rnd, linhas)) + b"\n"))
        casos.append(("game+commands", "quelmaro",
                      b"\n".join(inicio(rnd) + com_comandos(rnd, linhas)) + b"\n"))
    corpus = [(p.parent.name, p.read_bytes()) for p in (AQUI.parent / "fuzz/corpus").glob("sessao_*/*")]
    for _ in range(opt.fuzzed):
        if rnd.random() < 0.5:
            pasta, dados = rnd.choice(corpus)
            programa = "quelmaro_xb" if pasta.endswith("xboard") else "quelmaro"
        else:
            programa = rnd.choice(["quelmaro", "quelmaro_xb"])
            linhas = rnd.choice(jogos)
            dados = b"\n".join((inicio(rnd) if programa == "quelmaro" else []) + linhas) + b"\n"
        casos.append(("fuzzed", programa, mutacao(rnd, dados)))

    passos = [p.split("=", 1) for p in opt.step] + [["after", opt.depois]]

    def compara(caso):
        antes = roda(opt.antes, caso[1], caso[2])
        depois = roda(opt.depois, caso[1], caso[2])
        mudou = []
        if antes != depois:
            anterior = antes
            for nome, pasta in passos:
                r = depois if pasta == opt.depois else roda(pasta, caso[1], caso[2])
                if r != anterior:
                    mudou.append(nome)
                anterior = r
        return caso, antes, depois, mudou

    saida = Path(opt.out)
    shutil.rmtree(saida, ignore_errors=True)
    saida.mkdir(parents=True)
    contagem, diferentes, explicadas = {}, 0, {}
    with ThreadPoolExecutor(opt.jobs) as pool:
        for n, (caso, antes, depois, mudou) in enumerate(pool.map(compara, casos)):
            chave = (caso[0], caso[1])
            contagem[chave] = contagem.get(chave, 0) + 1
            if antes == depois:
                continue
            diferentes += 1
            que = [nome for nome, x, y in zip(("exit status", "output", "files"), antes, depois) if x != y]
            passo = " and ".join(mudou)
            explicadas[passo] = explicadas.get(passo, 0) + 1
            print(f"difference {n}: {caso[0]} {caso[1]}: {', '.join(que)}; changed by {passo}")
            Path(saida, f"{n}.in").write_bytes(caso[2])
            for lado, r in (("before", antes), ("after", depois)):
                Path(saida, f"{n}.{lado}.out").write_bytes(r[1])
                Path(saida, f"{n}.{lado}.status").write_text(f"{r[0]}\n{sorted(r[2])}\n")
                for nome, conteudo in r[2].items():
                    Path(saida, f"{n}.{lado}.file.{nome[:40]}").write_bytes(conteudo)
    for (tipo, programa), k in sorted(contagem.items()):
        print(f"{tipo} {programa}: {k} runs")
    for m, k in sorted(explicadas.items()):
        print(f"differences changed by {m}: {k}")
    print(f"{sum(contagem.values())} inputs, {diferentes} with a difference")


if __name__ == "__main__":
    main()
