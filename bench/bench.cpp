// quelmaro_bench FILE...: one engine pass on each saved game, timed alone.
// Prints "<file> <move> <microseconds>" per file (move in coordinates, or
// "none" when the pass ends the game), then "passes N total_us T median_us M".
// With "--repeat R" first, each pass runs R times and its median is printed.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "driver/jogo_salvo.hpp"
#include "driver/notacao.hpp"
#include "engine/quelmaro2.hpp"

namespace {

double mediana(std::vector<double> v) {
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

} // namespace

int main(int argc, char** argv) {
    using namespace quelmaro;
    int primeiro = 1, repeticoes = 1;
    if (argc > 2 && std::string(argv[1]) == "--repeat") {
        repeticoes = std::max(1, std::atoi(argv[2]));
        primeiro = 3;
    }
    std::vector<double> tempos;
    int status = 0;
    for (int a = primeiro; a < argc; ++a) {
        std::ifstream arquivo(argv[a]);
        const auto jogo = le_jogo_salvo(arquivo);
        if (!jogo) {
            std::fprintf(stderr, "%s: not a saved game\n", argv[a]);
            status = 1;
            continue;
        }
        std::vector<double> deste;
        std::string lance;
        for (int r = 0; r < repeticoes; ++r) {
            Tabuleiro tabuleiro = jogo->tabuleiro;
            Quelmaro2 motor(tabuleiro);
            motor.lance_do_jogo = jogo->lance_do_jogo;
            motor.ingles = jogo->ingles;
            motor.numero_de_meu_movimento = 2;
            motor.contagem_empate = 0;
            motor.numero_b_inimigo = 2;
            const auto inicio = std::chrono::steady_clock::now();
            const Desfecho desfecho = motor.passe();
            const auto fim = std::chrono::steady_clock::now();
            deste.push_back(std::chrono::duration<double, std::micro>(fim - inicio).count());
            const char resposta = jogo->resposta();
            lance = desfecho == Desfecho::Lance
                        ? nparaletra(motor.cc, resposta) + nparaletra(motor.dd, resposta)
                        : "none";
            motor.acabou = false;
        }
        tempos.push_back(mediana(deste));
        std::printf("%s %s %.1f\n", argv[a], lance.c_str(), tempos.back());
    }
    double total = 0;
    for (double t : tempos) total += t;
    std::printf("passes %zu total_us %.1f median_us %.1f\n", tempos.size(), total, mediana(tempos));
    return status;
}
