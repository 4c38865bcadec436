// quelmaro_bench_positions FOLDER [GAMES [SEED]]: plays whole games and
// writes a spread of the positions met at the computer's turn into FOLDER as
// saved games, for the benchmark: openings, middlegames, endgames, positions
// rich in checks, pawns about to promote and mates in one.
//
// The computer is the engine; its opponent plays the engine's suggestion for
// its own side (the pass on the side-swapped board), and now and then a
// random move that keeps its king safe, so that games differ and wander off
// the engine's habits. A pawn on its last row becomes a queen, as in the game.
// The counters are written as a file saved at the player's turn would hold
// them for that side to have White, so that the notation comes out right.
#include <array>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "engine/motor_de_regras.hpp"
#include "game/jogo_salvo.hpp"
#include "game/notacao.hpp"

namespace {

using namespace quelmaro;

Tabuleiro virado(const Tabuleiro& t) {
    Tabuleiro v;
    for (int n = 1; n <= 64; ++n) v.poe(65 - n, -t[n]);
    return v;
}

bool atacado(const Tabuleiro& t, int codigo_do_rei) {
    const Casas reis = t.com_codigo(codigo_do_rei);
    return reis && t.atacantes(menor_casa(reis));
}

// Moves de to para and turns a pawn on its last row into a queen.
void joga(Tabuleiro& t, int de, int para) {
    t.poe(para, t[de]);
    t.poe(de, VAZIO);
    if (para >= 57 && t[para] == PEAO) t.poe(para, DAMA);
    if (para <= 8 && t[para] == -PEAO) t.poe(para, -DAMA);
}

enum Tipo { mate_em_um, promocao, xeques, final, abertura, meio_jogo, TIPOS };
constexpr std::array<const char*, TIPOS> PREFIXO = {"mate", "promo", "check", "end", "open", "mid"};
constexpr std::array<int, TIPOS> QUANTOS = {18, 18, 20, 40, 36, 46};

// What kind of position the computer faces, judged from its candidates.
Tipo classifica(Tabuleiro& t, MotorDeRegras& motor, int lance_do_jogo) {
    for (const Candidato& c : motor.candidatos())
        if (c.marcas & lance_da_mate) return mate_em_um;
    if (lance_do_jogo > 5 &&
        ((t.com_codigo(PEAO) & (0xFFull << 48)) || (t.com_codigo(-PEAO) & (0xFFull << 8))))
        return promocao;
    int com_xeque = 0;
    for (const Candidato& c : motor.candidatos()) {
        LanceDeTeste l(t, c.de, c.para);
        com_xeque += atacado(t, -REI);
    }
    if (com_xeque >= 3) return xeques;
    int pecas = 0;
    for (int n = 1; n <= 64; ++n)
        pecas += tipo(t[n]) != VAZIO && tipo(t[n]) != PEAO && tipo(t[n]) != REI;
    if (pecas <= 4) return final;
    return lance_do_jogo < 10 ? abertura : meio_jogo;
}

// The player's move: the engine's choice for the player's side, three times
// in four, or a random move that keeps the king safe; none when it has none.
std::optional<std::pair<int, int>> lance_dele(Tabuleiro& t, int lances_dele, std::mt19937& rng) {
    std::vector<std::pair<int, int>> seguros;
    for (Casas o = t.pecas_do_jogador(); o; o &= o - 1)
        for (Casas d = t.destinos(menor_casa(o)); d; d &= d - 1) {
            LanceDeTeste l(t, menor_casa(o), menor_casa(d));
            if (!atacado(t, -REI)) seguros.emplace_back(menor_casa(o), menor_casa(d));
        }
    if (seguros.empty()) return std::nullopt;
    std::pair<int, int> lance = seguros[rng() % seguros.size()];
    if (rng() % 4 != 0) {
        MotorDeRegras outro;
        const Resultado e = outro.passe({virado(t), lances_dele});
        if (e.desfecho == Desfecho::Lance) lance = {65 - e.de, 65 - e.para};
    }
    return lance;
}

// The position at the computer's turn as a saved game, filed under its kind.
void guarda(const Tabuleiro& t, int lance_do_jogo, bool jogador_tem_brancas,
            const std::array<char, 4>& ultimo, std::array<std::vector<JogoSalvo>, TIPOS>& achadas) {
    Tabuleiro copia = t;
    MotorDeRegras sonda;
    sonda.passe({copia, lance_do_jogo});
    JogoSalvo jogo;
    jogo.tabuleiro = t;
    jogo.lance_do_jogo = lance_do_jogo;
    jogo.lances_da_pessoa = jogador_tem_brancas ? lance_do_jogo : lance_do_jogo + 1;
    jogo.ultimo_lance = ultimo;
    jogo.rei_saiu_60 = jogo.rei_saiu_61 = jogo.torre_saiu_57 = jogo.torre_saiu_64 = true;
    jogo.ingles = true;
    achadas[classifica(copia, sonda, lance_do_jogo)].push_back(jogo);
}

// One whole game, the player with White when `jogador_tem_brancas`, its
// positions at the computer's turn filed into `achadas`.
void joga_partida(bool jogador_tem_brancas, std::mt19937& rng,
                  std::array<std::vector<JogoSalvo>, TIPOS>& achadas) {
    Tabuleiro t;
    t.posicao_inicial(jogador_tem_brancas);
    MotorDeRegras motor;
    // What the game carries from one pass of the computer to the next.
    int lance_do_jogo = 0, numero_de_meu_movimento = 0, contagem_empate = 0, numero_b_inimigo = 2;
    int lances_dele = 0;
    std::array<char, 4> ultimo{'-', '-', '-', '-'};
    bool vez_dele = jogador_tem_brancas;
    for (int ply = 0; ply < 240; ++ply, vez_dele = !vez_dele) {
        if (vez_dele) {
            const auto lance = lance_dele(t, lances_dele, rng);
            if (!lance) break;
            joga(t, lance->first, lance->second);
            ++lances_dele;
            continue;
        }
        if (!atacado(t, REI) && numero_de_meu_movimento == 2)
            guarda(t, lance_do_jogo, jogador_tem_brancas, ultimo, achadas);
        const Resultado r = motor.passe(
            {t, lance_do_jogo, numero_de_meu_movimento, contagem_empate, numero_b_inimigo});
        numero_de_meu_movimento = r.numero_de_meu_movimento;
        contagem_empate = r.contagem_empate;
        numero_b_inimigo = r.numero_b_inimigo;
        if (r.desfecho != Desfecho::Lance) break;
        const std::string texto = coordenadas(r.de, r.para, !jogador_tem_brancas);
        for (int c = 0; c < 4; ++c) ultimo[c] = texto[c] == 'e' ? '&' : texto[c];
        ++lance_do_jogo;
        joga(t, r.de, r.para);
    }
}

// An even spread of each kind over the games, written into `pasta`.
void escreve_achadas(const std::string& pasta,
                     const std::array<std::vector<JogoSalvo>, TIPOS>& achadas) {
    int escritas = 0;
    for (int k = 0; k < TIPOS; ++k) {
        const auto& lista = achadas[k];
        const int n = std::min<int>(QUANTOS[k], static_cast<int>(lista.size()));
        for (int a = 0; a < n; ++a) {
            char nome[64];
            std::snprintf(nome, sizeof nome, "%s/%s%02d.sav", pasta.c_str(), PREFIXO[k], a + 1);
            std::ofstream arquivo(nome);
            escreve_jogo_salvo(arquivo, lista[lista.size() * a / n]);
            ++escritas;
        }
        std::printf("%s: %d of %zu found\n", PREFIXO[k], n, lista.size());
    }
    std::printf("%d positions written\n", escritas);
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s FOLDER [GAMES [SEED]]\n", argv[0]);
        return 2;
    }
    const std::string pasta = argv[1];
    const int partidas = argc > 2 ? std::atoi(argv[2]) : 80;
    std::mt19937 rng(argc > 3 ? static_cast<unsigned>(std::atoi(argv[3])) : 1);
    std::array<std::vector<JogoSalvo>, TIPOS> achadas;
    for (int p = 0; p < partidas; ++p) joga_partida(p % 2 == 0, rng, achadas);
    escreve_achadas(pasta, achadas);
    return 0;
}
