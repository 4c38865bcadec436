#include <gtest/gtest.h>

#include <bit>
#include <random>

#include "board/tabuleiro.hpp"
#include "validade_passo_a_passo.hpp"

namespace quelmaro {
namespace {

using teste::ValidadePassoAPasso;

Tabuleiro aleatorio(std::mt19937& rng, int densidade) {
    const int codigos[] = {1, 3, 4, 7, 20, 999};
    Tabuleiro t;
    for (int n = 1; n <= 64; ++n) {
        if (static_cast<int>(rng() % 100) >= densidade) continue;
        int c = codigos[rng() % 6];
        t.poe(n, rng() % 2 ? c : -c);
    }
    return t;
}

TEST(Tabuleiro, FastMovementTestAgreesWithTheStepByStepRulesOnRandomBoards) {
    std::mt19937 rng(12345);
    for (int i = 0; i < 400; ++i) {
        Tabuleiro t = aleatorio(rng, 10 + i % 60);
        ValidadePassoAPasso ref(t);
        for (int a = 1; a <= 64; ++a) {
            Casas d = t.destinos(a);
            for (int b = 1; b <= 64; ++b) {
                const bool esperado = ref.validade(a, b);
                ASSERT_EQ(t.validade(a, b), esperado) << "board " << i << " " << a << "->" << b;
                ASSERT_EQ(contem(d, b), esperado)
                    << "board " << i << " destinos " << a << "->" << b;
            }
        }
    }
}

TEST(Tabuleiro, AttackSetsAgreeWithTheMovementTest) {
    auto ataques = [](const Tabuleiro& t, Casas origens) {
        Casas a = 0;
        para_cada_casa(origens, [&](int o) { a |= t.alcance(o); });
        return a;
    };
    std::mt19937 rng(4321);
    for (int i = 0; i < 300; ++i) {
        const Tabuleiro t = aleatorio(rng, 10 + i % 60);
        const Casas da_maquina = ataques(t, t.pecas_da_maquina());
        const Casas do_jogador = ataques(t, t.pecas_do_jogador());
        for (int alvo = 1; alvo <= 64; ++alvo) {
            if (t[alvo] == VAZIO) continue;
            Casas esperado = 0;
            for (int de = 1; de <= 64; ++de)
                if (t.validade(de, alvo)) esperado |= bit(de);
            ASSERT_EQ(t.atacantes(alvo), esperado) << "board " << i << " target " << alvo;
            for (int de = 1; de <= 64; ++de) {
                if (t[de] * t[alvo] >= 0) continue;
                ASSERT_EQ(contem(t.alcance(de), alvo), contem(esperado, de))
                    << "board " << i << " " << de << "->" << alvo;
            }
            const Casas ataques = t[alvo] < 0 ? da_maquina : do_jogador;
            ASSERT_EQ(contem(ataques, alvo), esperado != 0) << "board " << i << " target " << alvo;
        }
    }
}

// The engine reads the attacks after a reply from the board before it: the
// pieces where they stand, the occupancy after the move, the piece taken on
// the target left out.
TEST(Tabuleiro, AttackersUnderTheOccupancyAfterAMove) {
    std::mt19937 rng(2468);
    for (int i = 0; i < 300; ++i) {
        Tabuleiro t = aleatorio(rng, 10 + i % 60);
        for (int de = 1; de <= 64; ++de) {
            if (t[de] >= 0) continue;
            for (Casas d = t.destinos(de); d; d &= d - 1) {
                const int para = menor_casa(d);
                Tabuleiro depois = t;
                depois.poe(para, t[de]);
                depois.poe(de, VAZIO);
                for (int alvo = 1; alvo <= 64; ++alvo) {
                    if (depois[alvo] >= 0) continue;
                    ASSERT_EQ(t.atacantes(alvo, true, depois.ocupadas()) & ~bit(para),
                              depois.atacantes(alvo))
                        << "board " << i << " move " << de << "->" << para << " target " << alvo;
                }
            }
        }
        // One piece's attack on one square under the board's own occupancy.
        for (int de = 1; de <= 64; ++de)
            for (int para = 1; para <= 64; ++para) {
                if (t[de] * t[para] >= 0) continue;
                ASSERT_EQ(Tabuleiro::ataca(t[de], de, para, t.ocupadas()), t.validade(de, para))
                    << "board " << i << " " << de << "->" << para;
            }
        const Casas s = (Casas{rng()} << 32) ^ rng() ^ (Casas{rng()} << 17);
        ASSERT_EQ(numero_de_casas(s), std::popcount(s));
    }
}

TEST(Tabuleiro, SquaresByCodeFollowEveryWrite) {
    std::mt19937 rng(99);
    Tabuleiro t = aleatorio(rng, 40);
    for (int passo = 0; passo < 500; ++passo) {
        const int codigos[] = {0, 1, -1, 3, -3, 4, -4, 7, -7, 20, -20, 999, -999};
        t.poe(1 + static_cast<int>(rng() % 64), codigos[rng() % 13]);
        for (int c : codigos) {
            if (c == VAZIO) continue;
            Casas esperado = 0;
            for (int n = 1; n <= 64; ++n)
                if (t[n] == c) esperado |= bit(n);
            ASSERT_EQ(t.com_codigo(c), esperado) << c;
        }
    }
    EXPECT_EQ(t.com_codigo(VAZIO), 0u);
    EXPECT_EQ(t.com_codigo(5), 0u);
}

// Every set the board keeps agrees with its 64 squares.
void confere_conjuntos(const Tabuleiro& t) {
    const int codigos[] = {1, -1, 3, -3, 4, -4, 7, -7, 20, -20, 999, -999};
    Casas maquina = 0, jogador = 0;
    int soma = 0;
    for (int n = 1; n <= 64; ++n) {
        soma += t[n];
        if (t[n] > 0) maquina |= bit(n);
        if (t[n] < 0) jogador |= bit(n);
    }
    ASSERT_EQ(t.soma(), soma);
    ASSERT_EQ(t.pecas_da_maquina(), maquina);
    ASSERT_EQ(t.pecas_do_jogador(), jogador);
    for (int c : codigos) {
        Casas esperado = 0;
        for (int n = 1; n <= 64; ++n)
            if (t[n] == c) esperado |= bit(n);
        ASSERT_EQ(t.com_codigo(c), esperado) << c;
    }
}

TEST(LanceDeTeste, NestedTrialsKeepEverySetAndRestoreIt) {
    std::mt19937 rng(2718);
    for (int i = 0; i < 200; ++i) {
        Tabuleiro t = aleatorio(rng, 20 + i % 50);
        const Tabuleiro antes = t;
        {
            // Any two squares, whatever stands there: empty, own or opposing pieces.
            const int a = 1 + static_cast<int>(rng() % 64);
            const int b = a % 64 + 1;
            LanceDeTeste l1(t, a, b);
            confere_conjuntos(t);
            const int c = 1 + static_cast<int>(rng() % 64);
            const int d = 1 + (c + static_cast<int>(rng() % 63)) % 64;
            LanceDeTeste l2(t, c, d);
            confere_conjuntos(t);
        }
        ASSERT_EQ(t, antes);
        confere_conjuntos(t);
    }
}

TEST(Tabuleiro, MaterialSumIsKeptAsSquaresChange) {
    Tabuleiro t;
    t.posicao_inicial(true);
    EXPECT_EQ(t.soma(), 0);
    t.poe(58, VAZIO); // a player's knight leaves
    EXPECT_EQ(t.soma(), 4);
    std::mt19937 rng(7);
    Tabuleiro r = aleatorio(rng, 50);
    int soma = 0;
    for (int n = 1; n <= 64; ++n) soma += r[n];
    EXPECT_EQ(r.soma(), soma);
}

TEST(Tabuleiro, StartingPositions) {
    struct Caso {
        bool jogador_brancas;
        int casa, codigo;
    };
    // clang-format off
    const Caso casos[] = {
        {true, 1, 7},   {true, 2, 4},   {true, 3, 3},   {true, 4, 20},  {true, 5, 999},
        {true, 60, -20}, {true, 61, -999}, {true, 9, 1}, {true, 56, -1}, {true, 33, 0},
        {false, 4, 999}, {false, 5, 20}, {false, 60, -999}, {false, 61, -20}, {false, 64, -7},
    };
    // clang-format on
    for (const Caso& c : casos) {
        Tabuleiro t;
        t.posicao_inicial(c.jogador_brancas);
        EXPECT_EQ(t[c.casa], c.codigo) << c.casa;
    }
}

TEST(Validade, EdgeCasesOfTheMovementRules) {
    Tabuleiro inicial;
    inicial.posicao_inicial(true);
    struct Caso {
        const char* nome;
        std::initializer_list<std::pair<int, int>>
            pecas; // on an empty board; empty list: start position
        int de, para;
        bool valido;
    };
    // clang-format off
    const Caso casos[] = {
        {"e2-e4 double step",            {}, 53, 37, true},
        {"e2-e3",                        {}, 53, 45, true},
        {"three rows",                   {}, 53, 29, false},
        {"knight b1-a3",                 {}, 58, 41, true},
        {"knight b1-c3",                 {}, 58, 43, true},
        {"rook onto own pawn",           {}, 57, 49, false},
        {"empty from-square",            {}, 33, 41, false},
        {"computer double step free",    {{13, 1}}, 13, 29, true},
        {"computer double step beside pawn on 30", {{13, 1}, {30, -1}}, 13, 29, false},
        {"beside pawn on 28",            {{13, 1}, {28, -1}}, 13, 29, false},
        {"single step stays valid",      {{13, 1}, {30, -1}}, 13, 21, true},
        {"beside a computer pawn is fine", {{13, 1}, {30, 1}}, 13, 29, true},
        {"column 1 double step",         {{9, 1}}, 9, 25, true},
        {"column 1 with pawn on 26",     {{9, 1}, {26, -1}}, 9, 25, false},
        {"column 8 with pawn on 31",     {{16, 1}, {31, -1}}, 16, 32, false},
        {"passed-over square occupied",  {{13, 1}, {21, -4}}, 13, 29, false},
        {"player double step beside computer pawns", {{53, -1}, {36, 1}, {38, 1}}, 53, 37, true},
        {"pawn straight onto a piece",   {{13, 1}, {21, -4}}, 13, 21, false},
        {"pawn diagonal onto empty",     {{13, 1}}, 13, 22, false},
        {"pawn diagonal capture",        {{13, 1}, {22, -4}}, 13, 22, true},
        {"player pawn captures upwards only", {{53, -1}, {62, 4}}, 53, 62, false},
        {"rook reaches 3",               {{1, 7}, {4, 4}}, 1, 3, true},
        {"rook onto own piece",          {{1, 7}, {4, 4}}, 1, 4, false},
        {"rook onto opposing piece",     {{1, 7}, {4, -4}}, 1, 4, true},
        {"rook past a piece",            {{1, 7}, {4, -4}}, 1, 5, false},
        {"rook never wraps",             {{8, 7}}, 8, 9, false},
        {"bishop along diagonal",        {{1, 3}}, 1, 64, true},
        {"bishop blocked",               {{1, 3}, {19, -1}}, 1, 28, false},
        {"bishop never to 8",            {{1, 3}}, 1, 8, false},
        {"bishop never to 57",           {{1, 3}}, 1, 57, false},
        {"king steps",                   {{1, 999}}, 1, 10, true},
        {"king two squares",             {{1, 999}}, 1, 3, false},
        {"king onto opposing king",      {{1, 999}, {2, -999}}, 1, 2, true},
        {"from equals to",               {{1, 999}}, 1, 1, false},
    };
    // clang-format on
    for (const Caso& c : casos) {
        Tabuleiro t = inicial;
        if (c.pecas.size() != 0) {
            t.limpa();
            for (auto [n, codigo] : c.pecas) t.poe(n, codigo);
        }
        EXPECT_EQ(t.validade(c.de, c.para), c.valido) << c.nome;
    }
}

TEST(Validade, WholeBoardProperties) {
    for (int a = 1; a <= 64; ++a) {
        for (int lado : {1, -1}) {
            Tabuleiro t;
            std::mt19937 rng(a);
            t = aleatorio(rng, 25);
            t.poe(a, lado * DAMA);
            const Casas dama = t.destinos(a);
            t.poe(a, lado * BISPO);
            const Casas bispo = t.destinos(a);
            t.poe(a, lado * TORRE);
            const Casas torre = t.destinos(a);
            EXPECT_EQ(dama, bispo | torre) << a;
            const Casas proprias = lado > 0 ? t.pecas_da_maquina() : t.pecas_do_jogador();
            EXPECT_EQ(dama & proprias, 0u) << a;
        }
    }
    // King on square 1 of an empty board: 2, 9 and 10 only.
    Tabuleiro t;
    t.poe(1, REI);
    EXPECT_EQ(t.destinos(1), bit(2) | bit(9) | bit(10));
}

TEST(LanceDeTeste, AlwaysRestoresTheBoard) {
    Tabuleiro t;
    t.posicao_inicial(true);
    const Tabuleiro antes = t;
    {
        LanceDeTeste l(t, 53, 37);
        EXPECT_EQ(t[37], -1);
        EXPECT_EQ(t[53], 0);
        LanceDeTeste captura(t, 2, 49);
        EXPECT_EQ(captura.capturada(), -1);
        EXPECT_EQ(t.soma(), 1);
    }
    EXPECT_EQ(t, antes);
    EXPECT_EQ(t.soma(), 0);
    EXPECT_EQ(t.pecas_da_maquina(), antes.pecas_da_maquina());
}

} // namespace
} // namespace quelmaro
