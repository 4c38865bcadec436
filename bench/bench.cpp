// quelmaro_bench [--repeat R] [--compare] FILE...: one engine pass on each
// saved game, timed alone.
//
// Prints "<file> <move> <microseconds>" per file (move in coordinates, or
// "none" when the pass ends the game), then a summary: the number of passes,
// their total, median and slowest time, passes per second, the trial
// positions examined and the memory allocations made inside the passes.
// With "--repeat R" each pass runs R times and the median of its runs counts.
//
// "--compare" also runs the step-by-step reference pass of the test suite on
// each position, with the movement test step by step too (ceil(R / 10)
// times, it is slow), checks that it chooses the
// same move with the same tables, adds its time to each line and prints the
// ratio of the two medians: a figure measured in one run, so that the load of
// the machine weighs on both sides alike.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "alocacoes.hpp"
#include "engine/motor_de_regras.hpp"
#include "engine_referencia.hpp"
#include "game/jogo_salvo.hpp"
#include "game/notacao.hpp"

namespace {

using quelmaro::teste::alocacoes;

double mediana(std::vector<double> v) {
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

using Relogio = std::chrono::steady_clock;
double microssegundos(Relogio::time_point a, Relogio::time_point b) {
    return std::chrono::duration<double, std::micro>(b - a).count();
}

// The state a pass starts from: the saved game's, past the opening moves.
void prepara(quelmaro::teste::PasseDeReferencia<quelmaro::teste::ValidadePassoAPasso>& ref,
             const quelmaro::JogoSalvo& jogo) {
    ref.lance_do_jogo = jogo.lance_do_jogo;
    ref.numero_de_meu_movimento = 2;
    ref.contagem_empate = 0;
    ref.numero_b_inimigo = 2;
}

// The options before the files: "--repeat R" and "--compare".
struct Opcoes {
    int primeiro = 1, repeticoes = 1;
    bool compara = false;
};

Opcoes le_opcoes(int argc, char** argv) {
    Opcoes o;
    for (; o.primeiro < argc; ++o.primeiro) {
        const std::string a = argv[o.primeiro];
        if (a == "--repeat" && o.primeiro + 1 < argc)
            o.repeticoes = std::max(1, std::atoi(argv[++o.primeiro]));
        else if (a == "--compare")
            o.compara = true;
        else
            break;
    }
    return o;
}

// What the summary adds up over the positions.
struct Totais {
    std::vector<double> tempos, tempos_ref;
    double pior = 0;
    std::string pior_arquivo;
    long posicoes = 0, alocacoes_nos_passes = 0;
};

// The engine's pass on the saved game, `repeticoes` times: the last result,
// the allocations and positions counted into `totais`, the median time.
quelmaro::Resultado passe_medido(quelmaro::MotorDeRegras& motor, const quelmaro::JogoSalvo& jogo,
                                 int repeticoes, Totais& totais) {
    using namespace quelmaro;
    std::vector<double> deste;
    // The saved game's state, past the opening moves.
    const Entrada entrada{jogo.tabuleiro, jogo.lance_do_jogo, 2, 0, 2};
    Resultado resultado;
    for (int r = 0; r < repeticoes; ++r) {
        const long antes = alocacoes;
        const auto inicio = Relogio::now();
        resultado = motor.passe(entrada);
        const auto fim = Relogio::now();
        totais.alocacoes_nos_passes += alocacoes - antes;
        deste.push_back(microssegundos(inicio, fim));
    }
    totais.posicoes += resultado.posicoes_examinadas;
    totais.tempos.push_back(mediana(deste));
    return resultado;
}

// The reference pass on the same game, `repeticoes` times, each checked
// against the engine's last pass (printing a mismatch); false when one differs.
bool compara_com_a_referencia(const quelmaro::MotorDeRegras& motor,
                              const quelmaro::Resultado& resultado, const quelmaro::JogoSalvo& jogo,
                              int repeticoes, Totais& totais) {
    using namespace quelmaro;
    bool sempre_igual = true;
    std::vector<double> ref;
    for (int r = 0; r < repeticoes; ++r) {
        Tabuleiro b = jogo.tabuleiro;
        auto referencia = std::make_unique<teste::PasseDeReferencia<teste::ValidadePassoAPasso>>(b);
        prepara(*referencia, jogo);
        const auto inicio = Relogio::now();
        const teste::EscolhaDeReferencia e = referencia->passe();
        const auto fim = Relogio::now();
        ref.push_back(microssegundos(inicio, fim));
        bool igual = e.de == resultado.de && e.para == resultado.para && e.regra == resultado.regra;
        for (int i = 1; i <= 64 && igual; ++i)
            for (int j = 1; j <= 64 && igual; ++j)
                igual = referencia->marcas(i, j) == motor.marcas(i, j);
        if (!igual) {
            std::printf(" MISMATCH with the reference pass");
            sempre_igual = false;
        }
    }
    totais.tempos_ref.push_back(mediana(ref));
    std::printf(" reference %.1f", totais.tempos_ref.back());
    return sempre_igual;
}

void imprime_resumo(const Totais& t, bool compara) {
    double total = 0;
    for (double x : t.tempos) total += x;
    const double med = mediana(t.tempos);
    std::printf("passes %zu total_us %.1f median_us %.1f passes_per_s %.0f\n", t.tempos.size(),
                total, med, med > 0 ? 1e6 / med : 0.0);
    std::printf("slowest_us %.1f %s (%.1f times the median)\n", t.pior, t.pior_arquivo.c_str(),
                med > 0 ? t.pior / med : 0.0);
    std::printf("positions_examined %ld per_pass %.0f allocations_in_passes %ld\n", t.posicoes,
                t.tempos.empty() ? 0.0 : static_cast<double>(t.posicoes) / t.tempos.size(),
                t.alocacoes_nos_passes);
    if (compara) {
        const double med_ref = mediana(t.tempos_ref);
        const double pior_ref = t.tempos_ref.empty()
                                    ? 0.0
                                    : *std::max_element(t.tempos_ref.begin(), t.tempos_ref.end());
        std::printf("reference median_us %.1f slowest_us %.1f ratio_of_medians %.0f\n", med_ref,
                    pior_ref, med > 0 ? med_ref / med : 0.0);
    }
}

} // namespace

int main(int argc, char** argv) {
    using namespace quelmaro;
    const Opcoes opcoes = le_opcoes(argc, argv);
    const int repeticoes_ref = (opcoes.repeticoes + 9) / 10;
    Totais totais;
    int status = 0;
    for (int a = opcoes.primeiro; a < argc; ++a) {
        std::ifstream arquivo(argv[a]);
        const auto jogo = le_jogo_salvo(arquivo);
        if (!jogo) {
            std::fprintf(stderr, "%s: not a saved game\n", argv[a]);
            status = 1;
            continue;
        }
        MotorDeRegras motor;
        const Resultado resultado = passe_medido(motor, *jogo, opcoes.repeticoes, totais);
        const std::string lance =
            resultado.desfecho == Desfecho::Lance
                ? coordenadas(resultado.de, resultado.para, !jogo->jogador_tem_brancas())
                : "none";
        const double tempo = totais.tempos.back();
        if (tempo > totais.pior) totais.pior = tempo, totais.pior_arquivo = argv[a];
        std::printf("%s %s %.1f", argv[a], lance.c_str(), tempo);
        if (opcoes.compara &&
            !compara_com_a_referencia(motor, resultado, *jogo, repeticoes_ref, totais))
            status = 1;
        std::printf("\n");
    }
    imprime_resumo(totais, opcoes.compara);
    return status;
}
