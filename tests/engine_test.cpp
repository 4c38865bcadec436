// The engine pass on small crafted positions. Squares: n = 8 * (row - 1) +
// column; the computer's pieces are positive and its pawns move up the rows.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "engine_apoio.hpp"

namespace quelmaro {
namespace {

using teste::posicao;
using Pecas = std::initializer_list<std::pair<int, int>>;

// A board and an engine on it, past its opening moves.
struct Motor : teste::MotorComEstado {
    explicit Motor(const Tabuleiro& inicial, int lance_do_jogo = 10) {
        t = inicial;
        this->lance_do_jogo = lance_do_jogo;
    }
    bool candidato(int de, int para) const {
        for (const Candidato& c : q.candidatos())
            if (c.de == de && c.para == para) return true;
        return false;
    }
};

std::string nomes(Marcas m) {
    std::string s;
    for (int b = 0; b < NUMERO_DE_MARCAS; ++b)
        if (m & (Marcas{1} << b)) s += std::string(NOMES_DAS_MARCAS[b]) + " ";
    return s.empty() ? "(none)" : s;
}

constexpr Marcas CAPTURAS =
    jogada_pegap | jogada_pegab | jogada_pegac | jogada_pegat | jogada_pegad;
constexpr Marcas AMEACAS =
    jogada_ameacab | jogada_ameacac | jogada_ameacat | jogada_ameacad | jogada_ameacar;
constexpr Marcas PROMOCOES = jogada_promove_maquina | jogada_promove_humano;

// One candidate's tables, looked at through a mask.
struct Registro {
    const char* nome;
    Pecas pecas;
    int de, para;
    Marcas olhar;
    Marcas esperado;
    int lance_do_jogo = 10;
};

void confere(const Registro& c) {
    Motor m(posicao(c.pecas), c.lance_do_jogo);
    m.passe();
    ASSERT_TRUE(m.candidato(c.de, c.para)) << c.nome << ": " << c.de << "-" << c.para;
    EXPECT_EQ(nomes(m.q.marcas(c.de, c.para) & c.olhar), nomes(c.esperado)) << c.nome;
}

TEST(Recorders, CapturesByKind) {
    // A computer knight on 28 with a player's pawn, bishop, knight, rook and
    // queen on five of its squares.
    const Pecas campo = {{1, 999}, {64, -999}, {28, 4},  {38, -1},
                         {34, -3}, {22, -4},   {18, -7}, {45, -20}};
    // clang-format off
    const Registro casos[] = {
        {"takes a pawn",   campo, 28, 38, CAPTURAS, jogada_pegap},
        {"takes a bishop", campo, 28, 34, CAPTURAS, jogada_pegab},
        {"takes a knight", campo, 28, 22, CAPTURAS, jogada_pegac},
        {"takes a rook",   campo, 28, 18, CAPTURAS, jogada_pegat},
        {"takes the queen", campo, 28, 45, CAPTURAS, jogada_pegad},
        {"quiet move",     campo, 28, 43, CAPTURAS, 0},
        {"takes the king", {{1, 999}, {43, -999}, {28, 4}}, 28, 43, CAPTURAS, 0},
    };
    // clang-format on
    for (const Registro& c : casos) confere(c);
}

TEST(Recorders, LossesCoveredAndUncovered) {
    // clang-format off
    const Registro casos[] = {
        // Bishop 19-28; a player's pawn on 37 or knight on 45 takes on 28; a knight on 11 retakes.
        {"bishop taken by a pawn, retake possible", {{1, 999}, {64, -999}, {19, 3}, {37, -1}, {11, 4}}, 19, 28, jogada_perdeb, jogada_perdeb},
        {"bishop taken by a knight, retake possible", {{1, 999}, {64, -999}, {19, 3}, {45, -4}, {11, 4}}, 19, 28, jogada_perdeb, 0},
        {"bishop taken by a knight, no retake", {{1, 999}, {64, -999}, {19, 3}, {45, -4}}, 19, 28, jogada_perdeb, jogada_perdeb},
        // Knight 11-28; a pawn on 19 retakes.
        {"knight taken by a bishop", {{1, 999}, {64, -999}, {11, 4}, {46, -3}, {19, 1}}, 11, 28, jogada_perdec, jogada_perdec},
        {"knight taken by a knight", {{1, 999}, {64, -999}, {11, 4}, {45, -4}, {19, 1}}, 11, 28, jogada_perdec, 0},
        // Rook 25-28; the player's queen on 44 takes on 28.
        {"rook taken by the queen, a knight retakes", {{1, 999}, {64, -999}, {25, 7}, {44, -20}, {11, 4}}, 25, 28, jogada_perdet, 0},
        {"rook taken by the queen, only the king retakes", {{19, 999}, {64, -999}, {25, 7}, {44, -20}}, 25, 28, jogada_perdet, jogada_perdet},
        // Queen 25-28 taken by a rook on 60 (down column 4), a knight on 11 retakes.
        {"queen taken by a rook", {{1, 999}, {64, -999}, {25, 20}, {60, -7}, {11, 4}}, 25, 28, jogada_perded, jogada_perded},
        {"queen taken by the queen", {{1, 999}, {64, -999}, {25, 20}, {60, -20}, {11, 4}}, 25, 28, jogada_perded, 0},
        // The king steps onto the file of a player's rook on 58.
        {"king steps into the rook's file", {{1, 999}, {64, -999}, {58, -7}}, 1, 2, jogada_perder, jogada_perder},
        {"king steps aside", {{1, 999}, {64, -999}, {58, -7}}, 1, 9, jogada_perder, 0},
    };
    // clang-format on
    for (const Registro& c : casos) confere(c);
}

TEST(Recorders, PawnRecaptureRule) {
    // clang-format off
    const Registro casos[] = {
        // Pawn 20-28, taken by a player's pawn on 37.
        {"a knight retakes", {{1, 999}, {64, -999}, {20, 1}, {37, -1}, {11, 4}}, 20, 28, jogada_perdep, 0},
        {"nothing retakes", {{1, 999}, {64, -999}, {20, 1}, {37, -1}}, 20, 28, jogada_perdep, jogada_perdep},
        {"only the king retakes", {{19, 999}, {64, -999}, {20, 1}, {37, -1}}, 20, 28, jogada_perdep, 0},
        // A quiet king move; player's pawns on 37 and 38 can take the pawns on 28 and 31.
        {"two pawns taken, both retaken", {{1, 999}, {64, -999}, {28, 1}, {31, 1}, {37, -1}, {38, -1}, {11, 4}, {14, 4}}, 1, 2, jogada_perdep, 0},
        {"the later capture cannot be retaken", {{1, 999}, {64, -999}, {28, 1}, {31, 1}, {37, -1}, {38, -1}, {11, 4}}, 1, 2, jogada_perdep, jogada_perdep},
        {"the earlier capture cannot be retaken", {{1, 999}, {64, -999}, {28, 1}, {31, 1}, {37, -1}, {38, -1}, {14, 4}}, 1, 2, jogada_perdep, jogada_perdep},
    };
    // clang-format on
    for (const Registro& c : casos) confere(c);
}

TEST(Recorders, ThreatsOfTheFollowUp) {
    // A computer rook on 25 watches row 4 and column 1; the candidate is a
    // quiet king move; a player's pawn on 54 gives the player a spare reply.
    // clang-format off
    const Registro casos[] = {
        {"bishop on the rook's row",  {{1, 999}, {64, -999}, {25, 7}, {28, -3}, {54, -1}}, 1, 2, AMEACAS, jogada_ameacab},
        {"knight on the rook's row",  {{1, 999}, {64, -999}, {25, 7}, {28, -4}, {54, -1}}, 1, 2, AMEACAS, jogada_ameacac},
        {"rook on the rook's row",    {{1, 999}, {64, -999}, {25, 7}, {28, -7}, {54, -1}}, 1, 2, AMEACAS, jogada_ameacat},
        {"queen on the rook's row",   {{1, 999}, {64, -999}, {25, 7}, {28, -20}, {54, -1}}, 1, 2, AMEACAS, jogada_ameacad},
        {"king on the rook's row",    {{1, 999}, {28, -999}, {25, 7}, {54, -1}}, 1, 2, AMEACAS, jogada_ameacar},
        {"a pawn is no threat",       {{1, 999}, {64, -999}, {25, 7}, {29, -1}, {54, -1}}, 1, 2, AMEACAS, 0},
        // A knight on 42 can step onto 27 or 57, both watched by the rook:
        // a capture on the square the reply landed on is no threat.
        {"only on the reply's square", {{1, 999}, {64, -999}, {25, 7}, {42, -4}}, 1, 2, AMEACAS, 0},
        // The player's king on 8 and pawns on 7, 15, 16 cannot move; every
        // other reply removes the threat, so none is recorded.
        {"the pawn 35-27 blocks the rook's row", {{57, 999}, {25, 7}, {29, -4}, {35, -1}, {8, -999}, {7, -1}, {15, -1}, {16, -1}}, 57, 58, AMEACAS, 0},
        {"the pawn 36-27 takes the knight", {{57, 999}, {27, 4}, {28, 1}, {44, -7}, {36, -1}, {8, -999}, {7, -1}, {15, -1}, {16, -1}}, 57, 58, AMEACAS, 0},
        {"nothing parries the knight", {{57, 999}, {27, 4}, {28, 1}, {44, -7}, {37, -1}, {8, -999}, {7, -1}, {15, -1}, {16, -1}}, 57, 58, AMEACAS, jogada_ameacat},
    };
    // clang-format on
    for (const Registro& c : casos) confere(c);
}

TEST(Recorders, PromotionWatchFromMoveSix) {
    // clang-format off
    const Registro casos[] = {
        {"player's pawn can promote, move 5", {{1, 999}, {64, -999}, {11, -1}}, 1, 9, PROMOCOES, 0, 5},
        {"player's pawn can promote, move 6", {{1, 999}, {64, -999}, {11, -1}}, 1, 9, PROMOCOES, jogada_promove_humano, 6},
        {"my pawn promotes, move 5",          {{1, 999}, {64, -999}, {51, 1}}, 51, 59, PROMOCOES, 0, 5},
        {"my pawn promotes, move 6",          {{1, 999}, {64, -999}, {51, 1}}, 51, 59, PROMOCOES, jogada_promove_maquina, 6},
    };
    // clang-format on
    for (const Registro& c : casos) confere(c);
}

TEST(Recorders, QueenAndKingOnOneOpenLine) {
    // clang-format off
    const Registro casos[] = {
        {"queen onto the king's open diagonal", {{1, 999}, {64, -999}, {20, 20}}, 20, 19, alinha, alinha},
        {"diagonal blocked by my pawn",         {{1, 999}, {64, -999}, {20, 20}, {10, 1}}, 20, 19, alinha, 0},
        {"diagonal blocked by a player's pawn", {{1, 999}, {64, -999}, {20, 20}, {10, -1}}, 20, 19, alinha, 0},
        {"queen onto the king's open file",     {{1, 999}, {64, -999}, {20, 20}}, 20, 17, alinha, alinha},
        {"queen off every line",                {{1, 999}, {64, -999}, {20, 20}}, 20, 27, alinha, 0},
        {"king steps onto the queen's line",    {{2, 999}, {64, -999}, {19, 20}}, 2, 1, alinha, alinha},
        {"a bishop opening the line marks nothing", {{1, 999}, {64, -999}, {28, 20}, {19, 3}}, 19, 12, alinha, 0},
    };
    // clang-format on
    for (const Registro& c : casos) confere(c);
}

TEST(MateProbes, TheCandidateMatesThePlayer) {
    // Back row: the player's king on 64 behind its pawns on 55 and 56; my
    // rook 33-57 checks along row 8.
    const Pecas fileira = {{1, 999}, {64, -999}, {55, -1}, {56, -1}, {33, 7}};
    // clang-format off
    const Registro casos[] = {
        {"back-row mate", fileira, 33, 57, lance_da_mate, lance_da_mate},
        {"the king escapes to 55", {{1, 999}, {64, -999}, {56, -1}, {33, 7}}, 33, 57, lance_da_mate, 0},
        {"a knight on 42 takes the rook", {{1, 999}, {64, -999}, {55, -1}, {56, -1}, {33, 7}, {42, -4}}, 33, 57, lance_da_mate, 0},
        {"a rook blocks on 62", {{1, 999}, {64, -999}, {55, -1}, {56, -1}, {33, 7}, {38, -7}}, 33, 57, lance_da_mate, 0},
        // The knight on 58 uncovers the rook on 57: a real mate, but the
        // moved piece does not attack the king, so it is not probed.
        {"discovered mate not seen", {{1, 999}, {64, -999}, {55, -1}, {56, -1}, {57, 7}, {58, 4}}, 58, 43, lance_da_mate, 0},
    };
    // clang-format on
    for (const Registro& c : casos) confere(c);

    Motor m(posicao(fileira));
    EXPECT_EQ(m.passe(), Desfecho::Lance);
    EXPECT_EQ(m.r.regra, 1);
    EXPECT_EQ(std::pair(m.r.de, m.r.para), std::pair(33, 57));
}

TEST(MateProbes, AReplyMatesTheComputer) {
    // My king on 8 behind its pawns on 15 and 16; the player's rook 33-1
    // checks along row 1. My knight on 46 is the piece that moves.
    // clang-format off
    const Registro casos[] = {
        {"back-row mate by the rook", {{8, 999}, {15, 1}, {16, 1}, {46, 4}, {33, -7}, {64, -999}}, 46, 29, expoem_a_xeque | resposta_da_mate, expoem_a_xeque | resposta_da_mate},
        {"escape by taking the rook", {{8, 999}, {15, 1}, {16, 1}, {46, 4}, {10, 3}, {33, -7}, {64, -999}}, 46, 29, expoem_a_xeque | resposta_da_mate, expoem_a_xeque},
        {"escape by a king move", {{8, 999}, {15, 1}, {16, 1}, {46, 4}, {33, -7}, {64, -999}}, 16, 24, expoem_a_xeque | resposta_da_mate, expoem_a_xeque},
        // The player's knight on 4 stands between the rook on 1 and my king:
        // moving it uncovers a check that no moved piece gives, so nothing is marked.
        {"discovered check by the reply", {{8, 999}, {15, 1}, {16, 1}, {46, 4}, {1, -7}, {4, -4}, {14, -1}, {64, -999}}, 46, 29, expoem_a_xeque | resposta_da_mate, 0},
    };
    // clang-format on
    for (const Registro& c : casos) confere(c);
}

// The cascade on hand-made candidates: which rule chooses which move.
struct Preferencia {
    const char* nome;
    std::vector<Candidato> candidatos;
    Contexto contexto;
    int regra;
    int escolhido; // index into candidatos
};

TEST(Cascade, Preferences) {
    const Contexto normal{0, false, 10, 2};
    const Contexto a_frente{1, false, 10, 2};
    const Contexto perigo{1, true, 10, 2};
    const Contexto lance_6{0, false, 6, 2};
    const Contexto lance_7{0, false, 7, 2};
    const Contexto um_bispo{0, false, 7, 1};
    // clang-format off
    const Preferencia casos[] = {
        {"mate first", {{1, 2, false, jogada_pegad}, {3, 4, false, lance_da_mate}}, normal, 1, 1},
        {"two ways to take the queen: the later pair", {{10, 20, false, jogada_pegad}, {12, 5, false, jogada_pegad}, {12, 9, false, jogada_pegad}}, normal, 2, 2},
        {"queen for queen refused while level", {{10, 20, false, jogada_pegad | jogada_perded}}, normal, 52, 0},
        {"queen for queen played while ahead", {{10, 20, false, jogada_pegad | jogada_perded}}, a_frente, 2, 0},
        {"queen capture allowing a check", {{10, 20, false, jogada_pegad | expoem_a_xeque}}, normal, 3, 0},
        {"promotion", {{51, 59, true, jogada_promove_maquina}}, normal, 4, 0},
        {"promotion refused when the player promotes too", {{51, 59, true, jogada_promove_maquina | jogada_promove_humano}}, normal, 51, 0},
        {"king threat", {{3, 4, false, jogada_ameacar}}, normal, 9, 0},
        {"king threat skipped in draw danger", {{3, 4, false, jogada_ameacar}}, perigo, 44, 0},
        {"pawn capture in draw danger", {{3, 4, false, jogada_ameacad}, {9, 18, true, jogada_pegap}}, perigo, 31, 1},
        {"bishop capture losing a knight: rule 12 refuses, 15 plays", {{5, 6, false, jogada_pegab | jogada_perdec}}, lance_7, 15, 0},
        {"the same before move 7", {{5, 6, false, jogada_pegab | jogada_perdec}}, lance_6, 46, 0},
        {"the same with one bishop left", {{5, 6, false, jogada_pegab | jogada_perdec}}, um_bispo, 46, 0},
        {"safe bishop capture", {{5, 6, false, jogada_pegab | jogada_perdec}, {7, 8, false, jogada_pegab}}, lance_7, 12, 1},
        {"bishop for bishop while ahead", {{5, 6, false, jogada_pegab | jogada_perdeb}}, a_frente, 12, 0},
        {"queen and rook threat losing a pawn: rule 17", {{5, 6, false, jogada_ameacad | jogada_ameacat | jogada_perdep}}, normal, 17, 0},
        {"the same allowing a check: neither 17 nor 18", {{5, 6, false, jogada_ameacad | jogada_ameacat | jogada_perdep | expoem_a_xeque}}, normal, 45, 0},
        {"queen and rook before queen and knight", {{5, 6, false, jogada_ameacad | jogada_ameacat}, {7, 8, false, jogada_ameacad | jogada_ameacac}}, normal, 17, 0},
        {"pawn move first, even below a knight move", {{9, 17, true, 0}, {58, 43, false, 0}}, normal, 39, 0},
        {"pawn move first in draw danger", {{9, 17, true, 0}, {58, 43, false, 0}}, perigo, 39, 0},
        {"piece move in draw danger falls to rule 44", {{58, 43, false, 0}}, perigo, 44, 0},
        {"pawn threatening a knight in draw danger", {{9, 17, true, jogada_ameacac}, {58, 43, false, jogada_ameacac}}, perigo, 36, 0},
        {"queen move lining up with the king", {{20, 19, false, alinha}}, normal, 41, 0},
        {"quiet move allowing a check", {{20, 19, false, expoem_a_xeque}}, normal, 42, 0},
        {"pawn move allowing a check in draw danger", {{9, 17, true, expoem_a_xeque}, {58, 43, false, expoem_a_xeque}}, perigo, 43, 0},
        {"lose a pawn before a knight", {{9, 17, false, jogada_perdep}, {58, 43, false, jogada_perdec}}, normal, 44, 0},
        {"lose the queen rather than be mated", {{3, 4, false, jogada_perded}, {5, 6, false, jogada_perded | resposta_da_mate | expoem_a_xeque}}, normal, 52, 0},
        {"every move loses the king", {{1, 2, false, jogada_perder}, {1, 9, false, jogada_perder}}, normal, 55, 1},
        {"no candidate at all", {}, normal, 0, -1},
    };
    // clang-format on
    for (const Preferencia& c : casos) {
        const Decisao d = cascata(c.candidatos, c.contexto);
        EXPECT_EQ(d.regra, c.regra) << c.nome;
        EXPECT_EQ(d.candidato, c.escolhido) << c.nome;
    }
}

TEST(Cascade, EveryRuleHasAnExplanationInBothLanguages) {
    for (int r = 1; r <= NUMERO_DE_REGRAS; ++r)
        for (bool ingles : {true, false}) {
            const char* texto = descricao(r, Abertura::nenhuma, ingles);
            ASSERT_GT(std::strlen(texto), 20u) << r;
            // English goes into the protocols' lines: plain ASCII. Portuguese
            // is UTF-8: each lead byte followed by its continuation bytes.
            for (const char* p = texto; *p; ++p) {
                const auto c = static_cast<unsigned char>(*p);
                if (ingles || c < 0x80) {
                    EXPECT_TRUE(c >= 32 && c < 127) << "rule " << r << " is not plain ASCII";
                    continue;
                }
                const int seguintes = c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : c >= 0xC2 ? 1 : -1;
                ASSERT_GE(seguintes, 1) << "rule " << r << " is not UTF-8";
                for (int i = 0; i < seguintes; ++i)
                    ASSERT_EQ(static_cast<unsigned char>(*++p) & 0xC0, 0x80)
                        << "rule " << r << " is not UTF-8";
            }
        }
    // Each rule's text tells it apart from its neighbour in English.
    for (int r = 1; r < NUMERO_DE_REGRAS; ++r)
        EXPECT_STRNE(descricao(r, Abertura::nenhuma, true),
                     descricao(r + 1, Abertura::nenhuma, true));
    for (Abertura a : {Abertura::peao_do_rei, Abertura::peao_do_cavalo, Abertura::cavalo_da_dama})
        EXPECT_NE(std::string(descricao(0, a, true)).find("Opening"), std::string::npos);
    // The protocol lines' words: plain ASCII, the player's where none of their own are set.
    for (int r = 0; r <= NUMERO_DE_REGRAS; ++r) {
        const std::string protocolo = descricao_do_protocolo(r, Abertura::peao_do_rei);
        EXPECT_TRUE(std::all_of(protocolo.begin(), protocolo.end(), [](char c) {
            return c >= 32 && c < 127;
        })) << r;
        if (r == 0 || !regras()[r - 1].protocolo) {
            EXPECT_EQ(protocolo, descricao(r, Abertura::peao_do_rei, true)) << r;
        }
    }
}

struct CasoDeAbertura {
    const char* nome;
    bool jogador_tem_brancas;
    int numero_de_meu_movimento;
    Pecas mudancas; // on top of the starting position
    int de, para;
    int depois; // numero_de_meu_movimento after the pass
    Abertura abertura;
};

TEST(OpeningMoves, BothColours) {
    // clang-format off
    const CasoDeAbertura casos[] = {
        {"first move, computer Black", true, 0, {}, 13, 21, 1, Abertura::peao_do_rei},
        {"first move, computer White", false, 0, {}, 12, 20, 1, Abertura::peao_do_rei},
        {"first move after the player's e4", true, 0, {{53, 0}, {37, -1}}, 13, 21, 1, Abertura::peao_do_rei},
        {"second move, computer White", false, 1, {}, 15, 23, 2, Abertura::peao_do_cavalo},
        {"second move, Black, bishop on g2", true, 1, {{55, -3}, {62, 0}}, 2, 17, 2, Abertura::cavalo_da_dama},
        {"second move, Black, pawn on g2", true, 1, {}, 10, 18, 2, Abertura::peao_do_cavalo},
        {"second move, Black, g2 empty", true, 1, {{55, 0}}, 10, 18, 2, Abertura::peao_do_cavalo},
    };
    // clang-format on
    for (const CasoDeAbertura& c : casos) {
        Tabuleiro t;
        t.posicao_inicial(c.jogador_tem_brancas);
        for (auto [n, codigo] : c.mudancas) t.poe(n, codigo);
        Motor m(t, 0);
        m.numero_de_meu_movimento = c.numero_de_meu_movimento;
        m.contagem_empate = 2;
        EXPECT_EQ(m.passe(), Desfecho::Lance) << c.nome;
        EXPECT_EQ(std::pair(m.r.de, m.r.para), std::pair(c.de, c.para)) << c.nome;
        EXPECT_EQ(m.r.regra, 0) << c.nome;
        EXPECT_EQ(m.r.abertura, c.abertura) << c.nome;
        EXPECT_EQ(m.numero_de_meu_movimento, c.depois) << c.nome;
        EXPECT_EQ(m.contagem_empate, 2) << c.nome << ": an opening move keeps the draw counter";
    }
}

TEST(OpeningMoves, AMoveThatCannotBePlayedLeavesTheChoiceToTheRules) {
    struct Caso {
        const char* nome;
        Pecas pecas;
        int numero_de_meu_movimento, fixo_de, fixo_para;
    };
    // clang-format off
    const Caso casos[] = {
        {"square 13 empty (a loaded game)", {{5, 999}, {9, 1}, {64, -999}}, 0, 13, 21},
        {"a player's piece on 13", {{5, 999}, {13, -4}, {9, 1}, {64, -999}}, 0, 13, 21},
        // 10-18 opens the diagonal from the bishop on 28 to my king on 1.
        {"the move would expose my king", {{1, 999}, {10, 1}, {14, 1}, {28, -3}, {64, -999}}, 1, 10, 18},
    };
    // clang-format on
    for (const Caso& c : casos) {
        Motor m(posicao(c.pecas), 0);
        m.numero_de_meu_movimento = c.numero_de_meu_movimento;
        EXPECT_EQ(m.passe(), Desfecho::Lance) << c.nome;
        EXPECT_NE(m.r.regra, 0) << c.nome;
        EXPECT_NE(std::pair(m.r.de, m.r.para), std::pair(c.fixo_de, c.fixo_para)) << c.nome;
        EXPECT_GT(m.t[m.r.de], 0) << c.nome;
        EXPECT_EQ(m.numero_de_meu_movimento, c.numero_de_meu_movimento + 1) << c.nome;
    }
}

TEST(DrawCounter, DangerOnlyAfterThreeCountMovesWhileAhead) {
    struct Caso {
        int contagem;
        Pecas mudancas;
        bool perigo;
    };
    // clang-format off
    const Caso casos[] = {
        {2, {{49, 0}}, false},  // ahead by a pawn, count 2
        {3, {{49, 0}}, true},   // ahead by a pawn, count 3
        {3, {}, false},         // level material
        {3, {{9, 0}}, false},   // behind
        {5, {{49, 0}}, true},
    };
    // clang-format on
    for (const Caso& c : casos) {
        Tabuleiro t;
        t.posicao_inicial(true);
        for (auto [n, codigo] : c.mudancas) t.poe(n, codigo);
        Motor m(t);
        m.contagem_empate = c.contagem;
        m.passe();
        EXPECT_EQ(m.r.contexto.perigo_empate, c.perigo) << c.contagem;
    }
}

TEST(DrawCounter, CountRulesAddResetRulesClearOthersKeep) {
    struct Caso {
        const char* nome;
        Pecas pecas;
        int regra;
        int depois; // the counter after the pass, from 2
    };
    // clang-format off
    const Caso casos[] = {
        {"a safe king move (count rule)", {{1, 999}, {64, -999}}, 40, 3},
        {"a safe pawn capture (reset rule)", {{1, 999}, {64, -999}, {12, 1}, {19, -1}}, 31, 0},
        {"a mate (rule 1, no flag)", {{1, 999}, {64, -999}, {55, -1}, {56, -1}, {33, 7}}, 1, 2},
    };
    // clang-format on
    for (const Caso& c : casos) {
        Motor m(posicao(c.pecas));
        m.contagem_empate = 2;
        EXPECT_EQ(m.passe(), Desfecho::Lance) << c.nome;
        EXPECT_EQ(m.r.regra, c.regra) << c.nome;
        EXPECT_EQ(m.contagem_empate, c.depois) << c.nome;
    }

    // Three count moves in a row while ahead switch the count rules off.
    Motor m(posicao({{1, 999}, {57, -999}, {40, 7}, {60, -1}}));
    for (int passe = 1; passe <= 3; ++passe) {
        m.passe();
        EXPECT_EQ(m.contagem_empate, passe);
        EXPECT_FALSE(m.r.contexto.perigo_empate);
    }
    m.passe();
    EXPECT_TRUE(m.r.contexto.perigo_empate);
    EXPECT_EQ(m.contagem_empate, 0) << "only reset rules remain";
}

TEST(EndOfGame, MateStalemateAndNoMove) {
    struct Caso {
        const char* nome;
        Pecas pecas;
        Desfecho desfecho;
    };
    // clang-format off
    const Caso casos[] = {
        {"checkmate: the queen on 10, guarded by the king", {{1, 999}, {10, -20}, {19, -999}}, Desfecho::Xequemate},
        {"stalemate: every king move walks into the queen", {{1, 999}, {18, -20}, {64, -999}}, Desfecho::Afogamento},
        {"no move at all, not attacked", {{57, 999}, {58, 1}, {49, 1}, {50, 1}, {8, -999}}, Desfecho::Afogamento},
        {"no move at all, a knight gives check", {{57, 999}, {58, 1}, {49, 1}, {50, 1}, {42, -4}, {8, -999}}, Desfecho::Xequemate},
    };
    // clang-format on
    for (const Caso& c : casos) {
        Motor m(posicao(c.pecas));
        m.contagem_empate = 2;
        EXPECT_EQ(m.passe(), c.desfecho) << c.nome;
        EXPECT_TRUE((m.r.desfecho != Desfecho::Lance)) << c.nome;
        EXPECT_EQ(std::pair(m.r.de, m.r.para), std::pair(0, 0)) << c.nome;
        EXPECT_EQ(m.r.regra, REGRA_FIM_DE_JOGO) << c.nome;
        EXPECT_EQ(m.contagem_empate, 2) << c.nome;
    }
}

TEST(WholeGames, APassNeverLetsThePlayerTakeTheKingAndLeavesTheBoard) {
    const auto momentos = teste::momentos_de_partidas(9, 30, 200);
    ASSERT_GT(momentos.size(), 300u);
    int lances = 0;
    for (const auto& momento : momentos) {
        Tabuleiro t = momento.tabuleiro;
        MotorDeRegras q;
        const Resultado r = q.passe(momento.entrada());
        if (r.desfecho != Desfecho::Lance) continue;
        ++lances;
        ASSERT_GT(t[r.de], 0);
        ASSERT_TRUE(t.validade(r.de, r.para));
        teste::aplica(t, r.de, r.para);
        EXPECT_FALSE(teste::rei_da_maquina_atacado(t)) << "rule " << r.regra;
    }
    EXPECT_GT(lances, 300);
}

} // namespace
} // namespace quelmaro
