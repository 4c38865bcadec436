// Helpers for the engine tests: crafted positions, the side swap, positions
// from whole games and the sample positions of the benchmark.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "board/tabuleiro.hpp"
#include "engine/motor_de_regras.hpp"
#include "game/jogo_salvo.hpp"

namespace quelmaro::teste {

// A board holding these (square, code) pairs and nothing else.
inline Tabuleiro posicao(std::initializer_list<std::pair<int, int>> pecas) {
    Tabuleiro t;
    for (auto [n, codigo] : pecas) t.poe(n, codigo);
    return t;
}

// The side swap: every code negated, square n exchanged with square 65 - n.
inline Tabuleiro virado(const Tabuleiro& t) {
    Tabuleiro v;
    for (int n = 1; n <= 64; ++n) v.poe(65 - n, -t[n]);
    return v;
}

// The computer's move as the game applies it: a plain transfer, then a pawn
// on the last row becomes a queen.
inline void aplica(Tabuleiro& t, int de, int para) {
    t.poe(para, t[de]);
    t.poe(de, VAZIO);
    for (int n = 57; n <= 64; ++n)
        if (t[n] == PEAO) t.poe(n, DAMA);
}

// Does some computer piece attack a player's king?
inline bool rei_dele_atacado(const Tabuleiro& t) {
    for (Casas r = t.com_codigo(-REI); r; r &= r - 1)
        if (t.atacantes(menor_casa(r))) return true;
    return false;
}

// Does some player's piece attack the computer's king?
inline bool rei_da_maquina_atacado(const Tabuleiro& t) {
    for (Casas r = t.com_codigo(REI); r; r &= r - 1)
        if (t.atacantes(menor_casa(r))) return true;
    return false;
}

// The engine's input before one of its passes.
struct Momento {
    Tabuleiro tabuleiro;
    int lance_do_jogo = 0;
    int numero_de_meu_movimento = 2;
    int contagem_empate = 0;
    int numero_b_inimigo = 2;
    Entrada entrada() const {
        return {tabuleiro, lance_do_jogo, numero_de_meu_movimento, contagem_empate,
                numero_b_inimigo};
    }
};

// A board and an engine with the values that carry over between its passes,
// kept as the game keeps them; `r` is the last pass.
struct MotorComEstado {
    Tabuleiro t;
    MotorDeRegras q;
    int lance_do_jogo = 10;
    int numero_de_meu_movimento = 2;
    int contagem_empate = 0;
    int numero_b_inimigo = 2;
    Resultado r;
    Desfecho passe() {
        r = q.passe({t, lance_do_jogo, numero_de_meu_movimento, contagem_empate, numero_b_inimigo});
        numero_de_meu_movimento = r.numero_de_meu_movimento;
        contagem_empate = r.contagem_empate;
        numero_b_inimigo = r.numero_b_inimigo;
        return r.desfecho;
    }
};

// Positions at the computer's turn, from games in which the engine plays
// against a player who picks at random among the moves that keep the
// player's king safe (a pawn reaching the last row becomes a queen).
inline std::vector<Momento> momentos_de_partidas(unsigned semente, int partidas, int lances) {
    std::mt19937 rng(semente);
    std::vector<Momento> momentos;
    for (int p = 0; p < partidas; ++p) {
        MotorComEstado motor;
        motor.lance_do_jogo = 0;
        motor.numero_de_meu_movimento = 0;
        Tabuleiro& t = motor.t;
        t.posicao_inicial(p % 2 == 0);
        bool vez_do_jogador = p % 2 == 0;
        for (int lance = 0; lance < lances; ++lance) {
            if (vez_do_jogador) {
                std::vector<std::pair<int, int>> seguros;
                for (Casas o = t.pecas_do_jogador(); o; o &= o - 1) {
                    const int de = menor_casa(o);
                    for (Casas d = t.destinos(de); d; d &= d - 1) {
                        LanceDeTeste l(t, de, menor_casa(d));
                        if (!rei_dele_atacado(t)) seguros.emplace_back(de, menor_casa(d));
                    }
                }
                if (seguros.empty()) break;
                const auto [de, para] = seguros[rng() % seguros.size()];
                t.poe(para, t[de]);
                t.poe(de, VAZIO);
                if (para <= 8 && t[para] == -PEAO) t.poe(para, -DAMA);
            } else {
                momentos.push_back({t, motor.lance_do_jogo, motor.numero_de_meu_movimento,
                                    motor.contagem_empate, motor.numero_b_inimigo});
                if (motor.passe() != Desfecho::Lance) break;
                ++motor.lance_do_jogo;
                aplica(t, motor.r.de, motor.r.para);
            }
            vez_do_jogador = !vez_do_jogador;
        }
    }
    return momentos;
}

// The sample positions of the benchmark, by file name.
inline std::vector<std::pair<std::string, JogoSalvo>> posicoes_do_bench() {
    std::vector<std::pair<std::string, JogoSalvo>> r;
    for (const auto& e : std::filesystem::directory_iterator(QUELMARO_BENCH_POSITIONS)) {
        if (e.path().extension() != ".sav") continue;
        std::ifstream f(e.path());
        if (auto jogo = le_jogo_salvo(f))
            r.emplace_back(e.path().filename().string(), *jogo);
        else
            ADD_FAILURE() << "cannot load " << e.path();
    }
    std::sort(r.begin(), r.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    return r;
}

} // namespace quelmaro::teste
