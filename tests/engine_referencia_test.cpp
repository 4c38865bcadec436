// The engine against the step-by-step pass: same tables, same move, same
// state, on the benchmark positions and on positions from whole games.
#include <gtest/gtest.h>

#include <random>

#include "engine_apoio.hpp"
#include "engine_referencia.hpp"

namespace quelmaro {
namespace {

using teste::Momento;
using teste::PasseDeReferencia;

std::string nomes(Marcas m) {
    std::string s;
    for (int b = 0; b < NUMERO_DE_MARCAS; ++b)
        if (m & (Marcas{1} << b)) s += std::string(NOMES_DAS_MARCAS[b]) + " ";
    return s;
}

// Runs one pass of each from the same state and compares everything. A
// suggestion is a pass with no opening move whose carried values are dropped.
void compara(const Momento& momento, bool sugestao, const std::string& nome) {
    Tabuleiro b = momento.tabuleiro;
    MotorDeRegras motor;
    PasseDeReferencia ref(b);
    ref.lance_do_jogo = momento.lance_do_jogo;
    ref.contagem_empate = momento.contagem_empate;
    ref.numero_b_inimigo = momento.numero_b_inimigo;
    ref.numero_de_meu_movimento = momento.numero_de_meu_movimento;
    Entrada entrada = momento.entrada();
    if (sugestao) entrada.numero_de_meu_movimento = 2;
    const Resultado e = motor.passe(entrada);
    const teste::EscolhaDeReferencia r = ref.passe(sugestao);

    for (int i = 1; i <= 64; ++i)
        for (int j = 1; j <= 64; ++j)
            ASSERT_EQ(motor.marcas(i, j), ref.marcas(i, j))
                << nome << " move " << i << "-" << j
                << "\n engine:    " << nomes(motor.marcas(i, j))
                << "\n reference: " << nomes(ref.marcas(i, j));
    EXPECT_EQ(e.desfecho, r.desfecho) << nome;
    EXPECT_EQ(e.de, r.de) << nome;
    EXPECT_EQ(e.para, r.para) << nome;
    EXPECT_EQ(e.regra, r.regra) << nome;
    EXPECT_EQ(e.abertura, r.abertura) << nome;
    EXPECT_EQ(e.contexto.soma0l, ref.soma0l) << nome;
    EXPECT_EQ(e.contexto.perigo_empate, ref.perigo_empate) << nome;
    if (sugestao) return;
    EXPECT_EQ(e.numero_de_meu_movimento, ref.numero_de_meu_movimento) << nome;
    EXPECT_EQ(e.contagem_empate, ref.contagem_empate) << nome;
    EXPECT_EQ(e.numero_b_inimigo, ref.numero_b_inimigo) << nome;
    EXPECT_EQ(e.contexto.numero_b_inimigo, ref.numero_b_inimigo) << nome;
    EXPECT_EQ(e.desfecho != Desfecho::Lance, ref.acabou) << nome;
}

TEST(EngineAgainstReference, BenchPositions) {
    const auto posicoes = teste::posicoes_do_bench();
    ASSERT_GE(posicoes.size(), 256u);
    for (const auto& [nome, jogo] : posicoes) {
        Momento m{jogo.tabuleiro, jogo.lance_do_jogo, 2, 0, 2};
        compara(m, false, nome);
        // The same position with the draw danger possible and a short game.
        m.contagem_empate = 3;
        compara(m, false, nome + " (draw count 3)");
        m.lance_do_jogo = 5;
        compara(m, false, nome + " (move 5)");
    }
}

TEST(EngineAgainstReference, PositionsFromGames) {
    const auto momentos = teste::momentos_de_partidas(2024, 12, 160);
    ASSERT_GT(momentos.size(), 300u);
    for (std::size_t i = 0; i < momentos.size(); ++i)
        compara(momentos[i], false, "game position " + std::to_string(i));
}

// Boards with pieces scattered at random, where odd lines of play that games
// seldom reach are common: blocked and immobile pieces, pawns on their last
// rows, several queens, kings in check, and now and then a king missing or a
// second one (the pass must cope with any board, and its shortcuts for one
// king must not change what it records).
TEST(EngineAgainstReference, RandomBoards) {
    std::mt19937 rng(31337);
    const int codigos[] = {1, 1, 1, 1, 3, 4, 7, 20};
    for (int i = 0; i < 240; ++i) {
        Momento m;
        Tabuleiro& t = m.tabuleiro;
        const int densidade = 10 + i % 35;
        for (int n = 1; n <= 64; ++n)
            if (static_cast<int>(rng() % 100) < densidade)
                t.poe(n, codigos[rng() % 8] * (rng() % 2 ? 1 : -1));
        // Mostly one king each; every 25th board lacks the player's king,
        // every 40th has two of the computer's and every 30th two of the player's.
        const int reis = 1 + (i % 40 == 39), reis_dele = (i % 25 != 24) + (i % 30 == 29);
        for (int rei : {REI, -REI})
            for (int k = 0; k < (rei > 0 ? reis : reis_dele); ++k) {
                int n;
                do n = 1 + static_cast<int>(rng() % 64);
                while (tipo(t[n]) == REI);
                t.poe(n, rei);
            }
        m.lance_do_jogo = static_cast<int>(rng() % 12);
        m.contagem_empate = static_cast<int>(rng() % 5);
        m.numero_b_inimigo = 1 + static_cast<int>(rng() % 2);
        m.numero_de_meu_movimento = i % 7 == 0 ? static_cast<int>(rng() % 2) : 2;
        compara(m, false, "random board " + std::to_string(i));
        if (i % 4 == 0) compara(m, true, "random board " + std::to_string(i) + " (suggestion)");
    }
}

TEST(EngineAgainstReference, SuggestionsOnSwappedBoards) {
    const auto momentos = teste::momentos_de_partidas(77, 4, 80);
    for (std::size_t i = 0; i < momentos.size(); i += 3) {
        Momento m = momentos[i];
        m.tabuleiro = teste::virado(m.tabuleiro);
        m.numero_de_meu_movimento = i % 3; // ignored by a suggestion
        compara(m, true, "swapped position " + std::to_string(i));
    }
}

} // namespace
} // namespace quelmaro
