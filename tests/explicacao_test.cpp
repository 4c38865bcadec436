// The explanations: the first rule a move meets, against the cascade's choice,
// over many positions; the words of "why MOVE"; the --explain table.
#include <gtest/gtest.h>

#include <bit>
#include <fstream>
#include <limits>
#include <sstream>

#include "engine_apoio.hpp"
#include "game/notacao.hpp"
#include "programs/opcoes.hpp"
#include "text/explicacao.hpp"

namespace quelmaro {
namespace {

std::vector<std::string> linhas(const std::string& texto) {
    std::vector<std::string> r;
    std::istringstream s(texto);
    for (std::string l; std::getline(s, l);) r.push_back(l);
    return r;
}

// The --explain table of the named file, as the program prints it: the exit
// status, standard output and standard error.
struct Explicado {
    int status;
    std::string saida, erro;
};
Explicado explica_arquivo(Arquivos& arquivos, const char* nome, const char* programa, bool ingles,
                          const char* partida = "") {
    const char* argv[] = {programa, "--lang", ingles ? "en" : "pt", "--explain", nome,
                          "--game", partida};
    std::ostringstream saida, erro;
    const bool motor = std::string_view(programa) == "quelmaro_xb";
    const std::optional<int> status =
        trata_opcoes(*partida ? 7 : 5, argv, motor, arquivos, saida, erro);
    EXPECT_TRUE(status);
    return {status.value_or(-1), saida.str(), erro.str()};
}

constexpr std::size_t SEM_LIMITE = std::numeric_limits<std::size_t>::max();

std::string conteudo(const std::string& caminho) {
    std::ifstream f(caminho, std::ios::binary);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}

// The row test, rule by rule: each column of a row can refuse on its own.
TEST(Meets, EachColumnOfTheRowDecides) {
    struct Caso {
        const char* nome;
        int regra;
        Marcas marcas;
        bool peao;
        Contexto contexto;
        bool cumpre;
    };
    const Contexto simples{0, false, 10, 2};
    // clang-format off
    const Caso casos[] = {
        {"must be True set",                 31, jogada_pegap,                         false, simples, true},
        {"must be True missing",             31, 0,                                    false, simples, false},
        {"must be False set",                31, jogada_pegap | expoem_a_xeque,        false, simples, false},
        {"the pawn rule wants a pawn",       39, 0,                                    false, simples, false},
        {"the pawn rule with a pawn",        39, 0,                                    true,  simples, true},
        {"draw guard off",                   33, jogada_ameacat,                       false, simples, true},
        {"draw guard on",                    33, jogada_ameacat,                       false, {5, true, 10, 2}, false},
        {"no guard: on makes no difference", 31, jogada_pegap,                         false, {5, true, 10, 2}, true},
        {"queen loss refused when behind",    2, jogada_pegad | jogada_perded,         false, {0, false, 10, 2}, false},
        {"queen loss forgiven when ahead",    2, jogada_pegad | jogada_perded,         false, {1, false, 10, 2}, true},
        {"only the forgiven table",           2, jogada_pegad | jogada_perded | resposta_da_mate, false, {1, false, 10, 2}, false},
        {"two bishops after move 6",         15, jogada_pegab,                         false, {0, false, 7, 2}, true},
        {"two bishops at move 6",            15, jogada_pegab,                         false, {0, false, 6, 2}, false},
        {"one bishop",                       15, jogada_pegab,                         false, {0, false, 7, 1}, false},
        {"rule 55 takes anything",           55, jogada_perder,                        false, simples, true},
    };
    // clang-format on
    for (const Caso& c : casos) {
        const Candidato m{1, 2, c.peao, c.marcas};
        EXPECT_EQ(cumpre(regras()[c.regra - 1], m, c.contexto), c.cumpre) << c.nome;
    }
}

TEST(Meets, TheFirstRuleOnlyAndNeverTheEndOfTheGame) {
    const Contexto x{0, false, 10, 2};
    // A safe rook capture meets rule 10 before 11; the same with a check, 11.
    EXPECT_EQ(regra_cumprida({1, 2, false, jogada_pegat}, x), 10);
    EXPECT_EQ(regra_cumprida({1, 2, false, jogada_pegat | expoem_a_xeque}, x), 11);
    // Nothing at all: the safe quiet moves, a pawn first.
    EXPECT_EQ(regra_cumprida({1, 2, true, 0}, x), 39);
    EXPECT_EQ(regra_cumprida({1, 2, false, 0}, x), 40);
    // A move that loses the king meets only rule 55, which is no choice.
    EXPECT_EQ(regra_cumprida({1, 2, false, jogada_perder | lance_da_mate}, x), 0);
}

// What a pass chose, and what each candidate meets, never disagree.
struct Contagem {
    int posicoes = 0, candidatos = 0, tambem = 0, outra = 0, nenhuma = 0, fim = 0;
};

void confere(const Analise& a, Contagem& n, const std::string& nome) {
    SCOPED_TRACE(nome);
    ++n.posicoes;
    ASSERT_NE(a.regra, 0); // no opening move here
    // The context kept is the one the cascade read: it chooses the same again.
    const Decisao d = cascata(a.candidatos, a.contexto);
    if (a.regra == REGRA_FIM_DE_JOGO) {
        EXPECT_EQ(a.escolhido, -1);
        ++n.fim;
    } else {
        EXPECT_EQ(d.regra, a.regra);
        EXPECT_EQ(d.candidato, a.escolhido);
        ASSERT_GE(a.escolhido, 0);
    }
    const std::string escolhido =
        a.escolhido < 0 ? ""
                        : coordenadas(a.candidatos[a.escolhido].de, a.candidatos[a.escolhido].para,
                                      a.maquina_tem_brancas);
    for (int i = 0; i < static_cast<int>(a.candidatos.size()); ++i) {
        const Candidato& c = a.candidatos[i];
        const int r = regra_cumprida(c, a.contexto);
        const std::string lance = coordenadas(c.de, c.para, a.maquina_tem_brancas);
        ++n.candidatos;
        const std::string rn = std::to_string(r), ra = std::to_string(a.regra);
        std::string esperada, em_portugues;
        if (i == a.escolhido) {
            EXPECT_EQ(r, a.regra) << lance << ": the choice meets its own rule";
            esperada = "Rule " + rn + " chose it.";
            em_portugues = "A regra " + rn + " escolheu este lance.";
        } else if (r == 0) {
            esperada = "No rule before the fallbacks takes it.";
            em_portugues = "Nenhuma regra antes das de recurso aceita este lance.";
            ++n.nenhuma;
        } else {
            EXPECT_GE(r, a.regra) << lance << " meets an earlier rule than the choice";
            if (r == a.regra) {
                // The last in scan order wins: this one stands before the choice.
                EXPECT_LT(i, a.escolhido) << lance;
                esperada = "Rule " + rn +
                           " would also take this move, but of the moves it takes, the last in "
                           "scan order is played.";
                em_portugues = "A regra " + rn +
                               " também aceitaria este lance, mas, dos lances que ela aceita, fica "
                               "o último na ordem de varredura.";
                ++n.tambem;
            } else {
                esperada = "Rule " + rn + " would choose " + lance + ", but rule " + ra +
                           " came first and chose " + escolhido + ".";
                em_portugues = "A regra " + rn + " escolheria " + lance + ", mas a regra " + ra +
                               " veio antes e escolheu " + escolhido + ".";
                ++n.outra;
            }
        }
        // The explanation says the same, one line per feature and one for the rule.
        for (const bool ingles : {true, false}) {
            const std::string s = explica_lance(a, lance, ingles);
            const std::vector<std::string> l = linhas(s);
            ASSERT_EQ(static_cast<int>(l.size()), std::max(1, std::popcount(c.marcas)) + 1)
                << lance << '\n'
                << s;
            EXPECT_EQ(l.back(), ingles ? esperada : em_portugues) << lance;
        }
    }
}

TEST(Meets, InvariantOnTheBenchPositions) {
    Contagem n;
    for (const auto& [nome, jogo] : teste::posicoes_do_bench())
        confere(analisa_posicao({jogo.tabuleiro, !jogo.jogador_tem_brancas(), jogo.lance_do_jogo}),
                n, nome);
    EXPECT_EQ(n.posicoes, 256);
    // The positions give every kind of answer.
    EXPECT_GT(n.tambem, 0);
    EXPECT_GT(n.outra, 0);
    EXPECT_GT(n.nenhuma, 0);
}

TEST(Meets, InvariantOnPositionsFromGames) {
    Contagem n;
    int i = 0;
    for (const teste::Momento& m : teste::momentos_de_partidas(14, 60, 120)) {
        MotorDeRegras motor;
        Entrada entrada = m.entrada(); // the draw danger too
        entrada.numero_de_meu_movimento = 2;
        const Resultado r = motor.passe(entrada);
        confere(analise_do_passe(motor, r, m.tabuleiro, false), n, "move " + std::to_string(i++));
    }
    EXPECT_GT(n.posicoes, 1000);
    EXPECT_GT(n.tambem, 0);
    EXPECT_GT(n.outra, 0);
    EXPECT_GT(n.nenhuma, 0);
}

// A hand-made analysis: a board, three candidates, a choice.
Analise feita_a_mao(int regra, int escolhido) {
    Analise a;
    a.maquina_tem_brancas = true; // square 12 is e2
    a.tabuleiro = teste::posicao({{4, REI},
                                  {12, PEAO},
                                  {2, CAVALO},
                                  {60, -REI},
                                  {28, -CAVALO},
                                  {19, -BISPO},
                                  {7, BISPO},
                                  {6, BISPO}});
    a.contexto = {0, false, 10, 2};
    a.candidatos = {
        {2, 19, false, jogada_pegab | jogada_perdec | jogada_ameacar}, // g1xf3
        {12, 20, true, jogada_perdep | expoem_a_xeque},                // e2e3
        {7, 14, false, jogada_perdeb | jogada_promove_humano},         // b1c2
        {4, 3, false, jogada_perdep | expoem_a_xeque},                 // e1f1
    };
    a.regra = regra;
    a.escolhido = escolhido;
    return a;
}

TEST(WhyMove, WordsAndTheRuleInBothLanguages) {
    struct Caso {
        int regra, escolhido;
        const char* palavra;
        const char* ingles;
        const char* portugues;
    };
    // clang-format off
    const Caso casos[] = {
        // g1f3 meets rule 15 (one of two bishops taken, a knight lost)
        {15, 0, "g1f3",
         "It takes your bishop on f3.\nA reply of yours wins my knight on f3.\nAfter it, some move of yours with a piece other than your king would leave your king in check: a follow-up of mine could take it.\nRule 15 chose it.\n",
         "Captura seu bispo em f3.\nUma resposta sua ganha meu cavalo em f3.\nDepois dele, algum lance seu com uma peça que não o rei deixaria seu rei em xeque: um lance meu em seguida poderia capturá-lo.\nA regra 15 escolheu este lance.\n"},
        // e2e3 meets rule 45 (a pawn lost, a check allowed)
        {15, 0, "e2-e3",
         "A reply of yours wins my pawn on e3, and nothing of mine retakes.\nA reply of yours checks me.\nRule 45 would choose e2e3, but rule 15 came first and chose g1f3.\n",
         "Uma resposta sua ganha meu peão em e3, e nenhuma peça minha o retoma.\nUma resposta sua me dá xeque.\nA regra 45 escolheria e2e3, mas a regra 15 veio antes e escolheu g1f3.\n"},
        {45, 3, "e2e3",
         "A reply of yours wins my pawn on e3, and nothing of mine retakes.\nA reply of yours checks me.\nRule 45 would also take this move, but of the moves it takes, the last in scan order is played.\n",
         "Uma resposta sua ganha meu peão em e3, e nenhuma peça minha o retoma.\nUma resposta sua me dá xeque.\nA regra 45 também aceitaria este lance, mas, dos lances que ela aceita, fica o último na ordem de varredura.\n"},
        // two bishops: no square for the lost one
        {15, 0, "B1C2",
         "A reply of yours wins my bishop.\nA reply of yours brings a pawn to its last row.\nRule 51 would choose b1c2, but rule 15 came first and chose g1f3.\n",
         "Uma resposta sua ganha meu bispo.\nUma resposta sua leva um peão à última fileira.\nA regra 51 escolheria b1c2, mas a regra 15 veio antes e escolheu g1f3.\n"},
        {0, 1, "e2e3",
         "A reply of yours wins my pawn on e3, and nothing of mine retakes.\nA reply of yours checks me.\nMy fixed opening move chose it.\n",
         "Uma resposta sua ganha meu peão em e3, e nenhuma peça minha o retoma.\nUma resposta sua me dá xeque.\nMeu lance fixo de abertura escolheu este lance.\n"},
        {0, 1, "g1f3",
         "It takes your bishop on f3.\nA reply of yours wins my knight on f3.\nAfter it, some move of yours with a piece other than your king would leave your king in check: a follow-up of mine could take it.\nRule 15 would choose g1f3, but my fixed opening move came first and chose e2e3.\n",
         "Captura seu bispo em f3.\nUma resposta sua ganha meu cavalo em f3.\nDepois dele, algum lance seu com uma peça que não o rei deixaria seu rei em xeque: um lance meu em seguida poderia capturá-lo.\nA regra 15 escolheria g1f3, mas meu lance fixo de abertura veio antes e escolheu e2e3.\n"},
        {15, 0, "e2e4", "e2e4 was not one of my moves there.\n", "e2e4 não era um dos meus lances ali.\n"},
        // SAN, with the letters of either language where only one has them
        {15, 0, "Nxf3",
         "It takes your bishop on f3.\nA reply of yours wins my knight on f3.\nAfter it, some move of yours with a piece other than your king would leave your king in check: a follow-up of mine could take it.\nRule 15 chose it.\n",
         "Captura seu bispo em f3.\nUma resposta sua ganha meu cavalo em f3.\nDepois dele, algum lance seu com uma peça que não o rei deixaria seu rei em xeque: um lance meu em seguida poderia capturá-lo.\nA regra 15 escolheu este lance.\n"},
        {15, 0, "Bc2+",
         "A reply of yours wins my bishop.\nA reply of yours brings a pawn to its last row.\nRule 51 would choose b1c2, but rule 15 came first and chose g1f3.\n",
         "Uma resposta sua ganha meu bispo.\nUma resposta sua leva um peão à última fileira.\nA regra 51 escolheria b1c2, mas a regra 15 veio antes e escolheu g1f3.\n"},
        {15, 0, "e4", "e4 was not one of my moves there.\n", "e4 não era um dos meus lances ali.\n"},
        {15, 0, "Zf9", "I cannot read Zf9 as a move.\n", "Não consigo ler Zf9 como um lance.\n"},
    };
    // clang-format on
    for (const Caso& c : casos) {
        const Analise a = feita_a_mao(c.regra, c.escolhido);
        EXPECT_EQ(explica_lance(a, c.palavra, true), c.ingles) << c.palavra;
        EXPECT_EQ(explica_lance(a, c.palavra, false), c.portugues) << c.palavra;
    }
}

TEST(WhyMove, AMoveThatLosesTheKingMeetsNoRule) {
    Analise a = feita_a_mao(15, 0);
    a.candidatos[3].marcas = jogada_perder | alinha;
    EXPECT_EQ(explica_lance(a, "e1f1", true), "A reply of yours takes my king on f1.\n"
                                              "It leaves my queen and king on one open line.\n"
                                              "No rule before the fallbacks takes it.\n");
}

// The table of a saved position against its golden copy, in both languages.
TEST(ExplainTable, GoldenTablesOfSavedPositions) {
    const std::string pasta = std::string(QUELMARO_TEST_DATA) + "/explicar/";
    for (const char* nome : {"p05", "q12"}) {
        ArquivosNaMemoria arquivos;
        arquivos.arquivos["f"] =
            conteudo(std::string(QUELMARO_BENCH_POSITIONS) + "/" + nome + ".sav");
        for (const bool ingles : {true, false}) {
            const Explicado e = explica_arquivo(arquivos, "f", "quelmaro", ingles);
            EXPECT_EQ(e.status, 0);
            EXPECT_EQ(e.erro, "");
            EXPECT_EQ(e.saida, conteudo(pasta + nome + (ingles ? ".en.out" : ".pt.out"))) << nome;
        }
    }
}

// The table's lines: whose moves, the heading, one line per candidate (the
// move, the first rule it meets right-aligned in the rule column, its
// features in words, one per feature set), how the rule decides, the rule's
// words, the choice, and a legend of one line per feature kind used.
TEST(ExplainTable, OneLinePerCandidateThenTheWordsTheChoiceAndTheLegend) {
    for (const auto& [nome, jogo] : teste::posicoes_do_bench())
        for (const bool ingles : {true, false}) {
            SCOPED_TRACE(nome);
            const Analise a = analisa_posicao(posicao_para_explicar(jogo));
            const std::vector<std::string> l =
                linhas(tabela_da_analise(a, ingles, true, SEM_LIMITE));
            // The moves that leave my king to be taken are named apart.
            std::vector<Candidato> legais;
            std::string proibidos;
            for (const Candidato& c : a.candidatos) {
                if (c.marcas & jogada_perder)
                    (proibidos += proibidos.empty() ? "" : " ") +=
                        coordenadas(c.de, c.para, a.maquina_tem_brancas);
                else
                    legais.push_back(c);
            }
            ASSERT_FALSE(legais.empty());
            std::size_t n = legais.size();
            ASSERT_GE(l.size(), n + 5);
            const std::string cor = a.maquina_tem_brancas ? (ingles ? "White" : "as brancas")
                                                          : (ingles ? "Black" : "as pretas");
            EXPECT_EQ(l[0], ingles ? "I play " + cor +
                                         " in this saved game; my moves, if it were my move in "
                                         "this position:"
                                   : "Jogo com " + cor +
                                         " neste jogo salvo; meus lances, se fosse minha vez "
                                         "nesta posição:");
            EXPECT_EQ(l[1], ingles ? "move  rule  what my analysis saw"
                                   : "lance  regra  o que minha análise viu");
            const std::size_t coluna = ingles ? 12 : 14; // where the features begin
            Marcas vistas = 0;
            bool sem_marcas = false;
            for (std::size_t i = 0; i < n; ++i) {
                const Candidato& c = legais[i];
                const std::string& linha = l[i + 2];
                const int r = regra_cumprida(c, a.contexto);
                EXPECT_TRUE(linha.starts_with(coordenadas(c.de, c.para, a.maquina_tem_brancas)));
                const std::string regra = r ? std::to_string(r) : "-";
                EXPECT_EQ(linha.substr(coluna - 2 - regra.size(), regra.size() + 2), regra + "  ")
                    << linha;
                const std::string marcas = linha.substr(coluna);
                if (c.marcas == 0) {
                    EXPECT_EQ(marcas, "-");
                } else {
                    EXPECT_EQ(std::count(marcas.begin(), marcas.end(), ','),
                              std::popcount(c.marcas) - 1)
                        << linha;
                }
                vistas |= c.marcas;
                sem_marcas = sem_marcas || c.marcas == 0;
            }
            if (!proibidos.empty()) {
                EXPECT_EQ(l[n + 2], (ingles ? "Moves the rules of chess forbid, since each leaves "
                                              "my king in check: "
                                            : "Lances que as regras do xadrez proíbem, pois cada "
                                              "um deixa meu rei em xeque: ") +
                                        proibidos);
                ++n;
            }
            EXPECT_EQ(l[n + 2], ingles ? "The lowest rule number decides; of its moves, the last "
                                         "in scan order is played."
                                       : "Decide a regra de menor número; dos seus lances, fica o "
                                         "último na ordem de varredura.");
            EXPECT_EQ(l[n + 3], std::string(ingles ? "Rule " : "Regra ") + std::to_string(a.regra) +
                                    ": " + descricao(a.regra, Abertura::nenhuma, ingles));
            const std::string escolha =
                a.escolhido < 0
                    ? (ingles ? "Chosen: none." : "Escolhido: nenhum.")
                    : std::string(ingles ? "Chosen: " : "Escolhido: ") +
                          coordenadas(a.candidatos[a.escolhido].de, a.candidatos[a.escolhido].para,
                                      a.maquina_tem_brancas) +
                          (ingles ? " (rule " : " (regra ") + std::to_string(a.regra) + ").";
            EXPECT_EQ(l[n + 4], escolha);
            const std::size_t legenda =
                vistas || sem_marcas ? 1 + std::popcount(vistas) + sem_marcas : 0;
            EXPECT_EQ(l.size(), n + 5 + legenda);
            // No code name of a feature table shows (the names are Portuguese
            // words, "alinha" among them: looked for in English).
            for (const std::string& linha : ingles ? l : std::vector<std::string>{})
                for (const char* codigo : NOMES_DAS_MARCAS) {
                    std::string_view nome = codigo;
                    if (nome.starts_with("jogada_")) nome.remove_prefix(7);
                    EXPECT_EQ(linha.find(nome), std::string::npos) << linha;
                }
        }
}

// At the width of a terminal: no line is longer, and the breaks are all the
// difference from the table without them.
TEST(ExplainTable, LongLinesBrokenBetweenWords) {
    const auto palavras = [](const std::string& s) {
        std::istringstream in(s);
        std::string p, r;
        while (in >> p) r += p + ' ';
        return r;
    };
    int quebradas = 0;
    for (const auto& [nome, jogo] : teste::posicoes_do_bench())
        for (const bool ingles : {true, false}) {
            SCOPED_TRACE(nome);
            const Analise a = analisa_posicao(posicao_para_explicar(jogo));
            const std::string estreita = tabela_da_analise(a, ingles, true);
            const std::string larga = tabela_da_analise(a, ingles, true, SEM_LIMITE);
            for (const std::string& l : linhas(estreita)) {
                const std::size_t colunas =
                    static_cast<std::size_t>(std::count_if(l.begin(), l.end(), [](char c) {
                        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
                    }));
                EXPECT_LE(colunas, LARGURA_DA_TABELA) << l;
            }
            EXPECT_EQ(palavras(estreita), palavras(larga));
            quebradas += estreita != larga;
        }
    EXPECT_GT(quebradas, 0);
}

TEST(ExplainTable, EveryCandidateLosesTheKing) {
    // The computer's king alone in the corner, every square around it held
    // by a player's queen: rule 55, no move, the three it has named as
    // forbidden by the rules of chess, and stalemate said; in check there
    // (a FEN, Black to move), checkmate.
    JogoSalvo jogo;
    jogo.tabuleiro = teste::posicao({{1, REI}, {11, -DAMA}, {64, -REI}});
    std::ostringstream arquivo;
    escreve_jogo_salvo(arquivo, jogo);
    ArquivosNaMemoria arquivos;
    arquivos.arquivos["f"] = arquivo.str();
    const Explicado e = explica_arquivo(arquivos, "f", "quelmaro", true);
    EXPECT_EQ(e.status, 0);
    EXPECT_EQ(e.saida,
              "I play Black in this saved game; my moves, if it were my move in this position:\n"
              "Moves the rules of chess forbid, since each leaves my king in check: a8b8 a8a7\n"
              "a8b7\n"
              "I have no legal move, and my king is not in check: stalemate, a draw.\n"
              "The lowest rule number decides; of its moves, the last in scan order is played.\n"
              "Rule 55: I have no move that keeps my king out of your reach: the game is over.\n"
              "Chosen: none.\n");
    arquivos.arquivos["m"] = "k7/1Q6/1K6/8/8/8/8/8 b - - 0 1\n";
    const Explicado m = explica_arquivo(arquivos, "m", "quelmaro", false);
    EXPECT_EQ(m.status, 0);
    EXPECT_NE(m.saida.find("\nNão tenho lance legal, e meu rei está em xeque: xeque-mate.\n"),
              std::string::npos)
        << m.saida;
    EXPECT_EQ(m.saida.find("lance  regra"), std::string::npos) << m.saida; // no table
}

// A PGN game and the FEN of its last position give the same table, with the
// computer on the side to move; so does game N of a file with --game N; a
// game that ends in mate is explained as it ended, with no move.
TEST(ExplainTable, PgnAndFenFiles) {
    ArquivosNaMemoria arquivos;
    arquivos.arquivos["pgn"] = "[Event \"?\"]\n\n1. e4 e5 2. Nf3 {a comment} Nc6 3. Bb5 *\n";
    arquivos.arquivos["fen"] =
        "r1bqkbnr/pppp1ppp/2n5/1B2p3/4P3/5N2/PPPP1PPP/RNBQK2R b KQkq - 3 3\n";
    arquivos.arquivos["segunda"] = "[Event \"1\"]\n\n1. d4 *\n\n" + arquivos.arquivos["pgn"];
    arquivos.arquivos["mate"] = "1. f3 e5 2. g4 Qh4# 0-1\n";
    std::string tabelas[3];
    for (int i = 0; i < 3; ++i) {
        const char* nome = i == 0 ? "pgn" : i == 1 ? "fen" : "segunda";
        const Explicado e = explica_arquivo(arquivos, nome, "quelmaro", true, i == 2 ? "2" : "");
        EXPECT_EQ(e.status, 0);
        EXPECT_EQ(e.erro, "");
        tabelas[i] = e.saida;
    }
    EXPECT_EQ(tabelas[0], tabelas[1]);
    EXPECT_EQ(tabelas[0], tabelas[2]);
    EXPECT_TRUE(
        tabelas[0].starts_with("I play Black, the side to move in this position; my moves:\n"));
    // Black's moves: the knight on c6 is among them, White's bishop is not.
    EXPECT_NE(tabelas[0].find("\nc6d4  "), std::string::npos) << tabelas[0];
    EXPECT_EQ(tabelas[0].find("\nb5"), std::string::npos) << tabelas[0];
    const Explicado mate = explica_arquivo(arquivos, "mate", "quelmaro", true);
    EXPECT_EQ(mate.status, 0);
    EXPECT_TRUE(mate.saida.starts_with("I play White, the side to move")) << mate.saida;
    EXPECT_NE(mate.saida.find("\nChosen: none.\n"), std::string::npos) << mate.saida;
}

TEST(ExplainTable, FilesThatCannotBeLoaded) {
    struct Caso {
        const char* nome;
        const char* partida;
        const char* ingles;
        const char* portugues;
    };
    const Caso casos[] = {
        {"curto", "", "It is a saved game cut short or damaged.",
         "É um jogo salvo incompleto ou danificado."},
        {"ausente", "", "There is no file of that name.", "Não há arquivo com esse nome."},
        {"pasta", "", "That name is a folder's, not a file's.",
         "Esse nome é de uma pasta, não de um arquivo."},
        {"duas", "3", "The file has no game 3.", "O arquivo não tem a partida 3."},
        {"duas", "x", "The file has no game x.", "O arquivo não tem a partida x."},
        {"duas", "2", "Move 1. Ke2 is not legal there.",
         "O lance 1. Ke2 não é legal nessa posição."},
    };
    ArquivosNaMemoria arquivos;
    arquivos.arquivos["curto"] = "1 2 3";
    arquivos.pastas.insert("pasta");
    arquivos.arquivos["duas"] = "1. e4 *\n\n1. Ke2 *\n";
    for (const Caso& c : casos)
        for (const bool ingles : {true, false}) {
            SCOPED_TRACE(c.nome);
            const Explicado e = explica_arquivo(arquivos, c.nome, "quelmaro_xb", ingles, c.partida);
            EXPECT_EQ(e.status, 2);
            EXPECT_EQ(e.saida, "");
            EXPECT_EQ(e.erro, std::string(ingles ? "quelmaro_xb: cannot load a position from '"
                                                 : "quelmaro_xb: não foi possível carregar "
                                                   "uma posição de '") +
                                  c.nome + "'. " + (ingles ? c.ingles : c.portugues) + "\n");
        }
}

} // namespace
} // namespace quelmaro
