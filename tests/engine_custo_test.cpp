// What a pass costs: it allocates nothing, and it counts the trial positions
// it examines (the "nodes" a GUI shows).
#include <gtest/gtest.h>

#include "alocacoes.hpp"
#include "engine_apoio.hpp"

namespace quelmaro {
namespace {

using teste::alocacoes;

TEST(PassCost, NoAllocationInAPass) {
    const long inicio = alocacoes;
    auto momentos = teste::momentos_de_partidas(5, 4, 60);
    for (const auto& [nome, jogo] : teste::posicoes_do_bench())
        momentos.push_back({jogo.tabuleiro, jogo.lance_do_jogo, 2, 3, 2});
    ASSERT_GT(momentos.size(), 300u);
    ASSERT_GT(alocacoes, inicio) << "the allocation counter does not count";
    for (std::size_t i = 0; i < momentos.size(); ++i) {
        MotorDeRegras motor;
        const long antes = alocacoes;
        motor.passe(momentos[i].entrada());
        EXPECT_EQ(alocacoes, antes) << "position " << i;
    }
}

// Candidates and replies counted the slow way: every pair the movement test
// allows, the candidate made on the board.
int candidatos_e_respostas(Tabuleiro& t) {
    int n = 0;
    for (int i = 1; i <= 64; ++i)
        for (int j = 1; j <= 64; ++j) {
            if (t[i] <= 0 || t[j] > 0 || !t.validade(i, j)) continue;
            ++n;
            LanceDeTeste candidato(t, i, j);
            for (int k = 1; k <= 64; ++k)
                for (int l = 1; l <= 64; ++l) n += t[k] < 0 && t[l] >= 0 && t.validade(k, l);
        }
    return n;
}

TEST(PassCost, CountsTheTrialPositionsOfEachPass) {
    struct Caso {
        const char* nome;
        Tabuleiro tabuleiro;
        bool com_sondas; // checks are possible, so the mate probes add positions
    };
    const Caso casos[] = {
        // Kings far apart, a pawn each: no candidate or reply gives check.
        {"quiet", teste::posicao({{1, REI}, {20, PEAO}, {64, -REI}, {50, -PEAO}}), false},
        // A rook that checks the player's king, and a player's rook that checks back.
        {"checks", teste::posicao({{1, REI}, {24, TORRE}, {60, -REI}, {43, -TORRE}}), true},
    };
    for (const Caso& c : casos) {
        Tabuleiro t = c.tabuleiro;
        const int esperado = candidatos_e_respostas(t);
        MotorDeRegras motor;
        const int primeiro = motor.passe({c.tabuleiro}).posicoes_examinadas;
        if (c.com_sondas)
            EXPECT_GT(primeiro, esperado) << c.nome;
        else
            EXPECT_EQ(primeiro, esperado) << c.nome;
        // Each pass counts afresh.
        EXPECT_EQ(motor.passe({c.tabuleiro}).posicoes_examinadas, primeiro) << c.nome;
    }
}

} // namespace
} // namespace quelmaro
