// The game: a game begun from a given position, the computer's move (and
// the hint) when its only legal move is a capture in passing, which the
// engine's movement test does not see, and the end of a game by the rules of
// chess (mate, stalemate, a dead position, the draws a player may claim).
#include <gtest/gtest.h>

#include "chess/lances.hpp"
#include "chess/pgn_leitura.hpp"
#include "frente_apoio.hpp"
#include "game/jogo.hpp"
#include "game/parecer.hpp"
#include "game/pgn.hpp"
#include "game/procedimento_principal.hpp"
#include "programs/protocolos.hpp"
#include "uci/palavras.hpp"
#include "uci/posicao_uci.hpp"

namespace quelmaro {
namespace {

TEST(Jogo, NewGameFromAPositionCountsAndRights) {
    struct Caso {
        const char* fen;
        bool maquina_brancas;
        int lance_do_jogo, lances_da_pessoa, abertura;
    };
    // clang-format off
    const Caso casos[] = {
        {"rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1", true, 0, 0, 0},
        {"rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1", false, 0, 0, 0},
        {"rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR b KQkq - 0 1", false, 0, 1, 2},
        {"rnbqkbnr/pppp1ppp/8/4p3/4P3/8/PPPP1PPP/RNBQKBNR w KQkq e6 0 2", true, 1, 1, 2},
        {"rnbqkbnr/pppp1ppp/8/4p3/4P3/8/PPPP1PPP/RNBQKBNR w KQkq e6 0 2", false, 1, 1, 2},
        {"4k3/8/8/8/8/8/8/4K2R b K - 3 40", true, 40, 39, 2},
        {"4k3/8/8/8/8/8/8/4K2R b K - 3 40", false, 39, 40, 2},
        {"r3k2r/8/8/8/8/8/8/R3K2R w Qk - 0 12", false, 11, 11, 2},
    };
    // clang-format on
    const auto dama = [] { return 'q'; };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.fen);
        // A game under way, with the draw counter running.
        Estado e;
        e.novo_jogo(true);
        Resultado passe;
        passe.contagem_empate = 3;
        e.depois_do_passe(passe);
        Jogo jogo;
        jogo.poe_estado(e);
        ASSERT_TRUE(jogo.lance_dele({*xadrez::le_casa("e2"), *xadrez::le_casa("e4")}, dama));
        jogo.encerra(Termino::interrompido);

        const xadrez::Posicao x = de_fen(c.fen);
        jogo.comeca_de_posicao(x, c.maquina_brancas);
        const Estado& novo = jogo.estado();
        EXPECT_EQ(novo.lance_do_jogo(), c.lance_do_jogo);
        EXPECT_EQ(novo.lances_da_pessoa(), c.lances_da_pessoa);
        EXPECT_EQ(novo.numero_de_meu_movimento(), c.abertura);
        EXPECT_EQ(novo.contagem_empate(), 0);
        EXPECT_TRUE(jogo.historico().empty());
        EXPECT_FALSE(jogo.acabou());
        EXPECT_EQ(novo.maquina_tem_brancas(), c.maquina_brancas);
        // The board, side to move, castling and capture in passing read back.
        xadrez::Posicao y = novo.posicao();
        y.meios_lances = x.meios_lances;
        y.numero = x.numero;
        EXPECT_EQ(xadrez::escreve_fen(y), c.fen);
        EXPECT_EQ(jogo.fen_inicial().empty(), c.abertura == 0);
    }
}

// The computer (Black) has one legal move, e4xd3 in passing: the rook holds
// the g-file, the knight h7 and g8, its own pawn e3 blocks the e-pawn.
constexpr const char* SO_EN_PASSANT = "7k/8/5N2/8/3Pp3/4P3/8/K5R1 b - d3 0 2";
// The same for the player (White): e5xd6 in passing.
constexpr const char* SO_EN_PASSANT_DELE = "k5r1/8/4p3/3pP3/8/5n2/8/7K w - d6 0 2";

// The computer's moves when its movement test allows none of its legal ones:
// a capture in passing, or a pawn's double step beside an opposing pawn (the
// only answer to the queen's check on b3 is c2-c4, beside the pawn on b4).
TEST(Jogo, MovesTheEngineDoesNotSeeArePlayedWhenTheyAreAll) {
    struct Caso {
        const char* fen;
        const char* lance; // "": no move; "*": a rule's move
    };
    const Caso casos[] = {
        {SO_EN_PASSANT, "e4d3"},
        {SO_EN_PASSANT_DELE, "e5d6"},
        {"rnb1kbnr/3p1ppp/pp2q3/4p3/Pp6/1K1PPP2/RBP1Q1PP/1N3BNR w kq - 2 13", "c2c4"},
        {"7k/8/5N2/8/3Pp3/4P3/8/K5R1 b - - 0 2", ""}, // stalemate
        {"4k3/8/8/8/3Pp3/8/8/4K3 b - d3 0 2", "*"},   // the king may move
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.fen);
        const xadrez::Posicao x = de_fen(c.fen);
        Estado e;
        comeca_de_posicao(e, x, x.brancas_a_mover);
        MotorDeRegras motor;
        const Escolha escolha = escolhe(e, motor);
        const std::string_view lance = c.lance;
        EXPECT_EQ(escolha.lance(), !lance.empty());
        EXPECT_EQ(escolha.pensamento.fora_das_regras, !lance.empty() && lance != "*");
        if (lance.size() == 4) {
            EXPECT_EQ(escolha.pensamento.lance, lance);
        }
    }
}

TEST(Jogo, TheComputersOnlyMoveACaptureInPassingIsPlayed) {
    const xadrez::Posicao x = de_fen(SO_EN_PASSANT);
    Jogo jogo;
    jogo.comeca_de_posicao(x, false);
    const LanceDaMaquina l = jogo.lance_da_maquina();
    ASSERT_EQ(l.termino, Termino::nenhum);
    EXPECT_EQ(l.lance, "e4d3");
    EXPECT_TRUE(l.pensamento.fora_das_regras);
    EXPECT_EQ(l.pensamento.regra, 0);
    EXPECT_FALSE(jogo.acabou());
    // The position is the one chess gives after the capture: the pawn on d4 is gone.
    xadrez::Posicao depois = x;
    xadrez::joga(depois, *xadrez::le_coordenadas("e4d3"));
    EXPECT_EQ(jogo.estado().posicao().pecas, depois.pecas);
    EXPECT_EQ(em(jogo.estado(), "d4"), VAZIO);
    ASSERT_EQ(jogo.historico().size(), 1u);
    EXPECT_TRUE(jogo.historico().back().analise.fora_das_regras);
    EXPECT_EQ(jogo.historico().back().lance, *xadrez::le_coordenadas("e4d3"));

    // The engine's choice alone, not played.
    Estado e;
    comeca_de_posicao(e, x, false);
    MotorDeRegras motor;
    const Escolha escolha = escolhe(e, motor);
    ASSERT_TRUE(escolha.lance());
    EXPECT_EQ(coordenadas(escolha.resultado.de, escolha.resultado.para, false), "e4d3");
    EXPECT_EQ(escolha.pensamento.lance, "e4d3");
}

TEST(Jogo, TheHintOfACaptureInPassingAsThePlayersOnlyMove) {
    Jogo jogo;
    jogo.comeca_de_posicao(de_fen(SO_EN_PASSANT_DELE), false);
    const Estado antes = jogo.estado();
    const std::optional<Pensamento> s = jogo.analisa_a_vez();
    ASSERT_TRUE(s);
    EXPECT_EQ(s->lance, "e5d6");
    EXPECT_EQ(jogo.estado(), antes);
}

// The same through the front ends. The program before this game model
// answered with the end of the game: a result line, "bestmove 0000", "I
// can't move", "You have no move to make."
TEST(Jogo, ACaptureInPassingAsTheOnlyMoveThroughTheFrontEnds) {
    BancadaDoXboard xboard;
    const std::string xb = xboard.sessao(std::string("setboard ") + SO_EN_PASSANT + "\ngo\n");
    EXPECT_EQ(xb, "move e4d3\n");

    std::istringstream entrada(std::string("uci\nposition fen ") + SO_EN_PASSANT + "\ngo\n");
    std::ostringstream saida;
    ConsoleDeFluxo console(entrada, saida);
    ArquivosNaMemoria arquivos;
    EXPECT_EQ(executa_motor(console, arquivos, false), 0);
    EXPECT_NE(saida.str().find("\nbestmove e4d3\n"), std::string::npos) << saida.str();
    EXPECT_EQ(saida.str().find("0000"), std::string::npos) << saida.str();

    // At the console the player White plays d2d4 beside the computer's pawn.
    BancadaDoConsole dialogo;
    dialogo.arquivos.arquivos["antes.fen"] = "7k/8/5N2/8/4p3/4P3/3P4/K5R1 w - - 0 1\n";
    dialogo.arquivos.arquivos["dele.fen"] = std::string(SO_EN_PASSANT_DELE) + "\n";
    const std::string lance = dialogo.sessao("e\nn\ns\nopen\nantes.fen\nd2d4\n");
    EXPECT_NE(lance.find("\nMy move is: e4d3\nWhat is your move?\n"), std::string::npos) << lance;
    const std::string dica = dialogo.sessao("e\nn\ns\nopen\ndele.fen\nhint\n");
    EXPECT_TRUE(dica.ends_with("What is your move?\nHint: exd6 (e5d6)\nWhat is your move?\n"))
        << dica;
}

// A game of chess installed from PGN text (a FEN tag, moves in SAN).
Jogo jogo_de(const std::string& pgn) {
    const xadrez::LeituraPgn l = xadrez::le_pgn(pgn);
    EXPECT_TRUE(l.ok()) << pgn;
    Jogo j;
    j.instala_partida(l.partida);
    return j;
}

std::string pgn_de(const char* fen, const char* lances) {
    return std::string("[FEN \"") + fen + "\"]\n\n" + lances + " *\n";
}

constexpr const char* INICIO = "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1";

// A game a GUI sends whole (UCI): the second position extends the first or
// begins a new game; "@" is the computer's choice at the first, played with
// the values its pass carried (abertura -1).
TEST(Jogo, AGameSentWholeCountsEachMoveForTheSideThatMadeIt) {
    struct Caso {
        const char *primeira, *segunda;
        bool encerra; // the GUI ends the game in between
        int lance_do_jogo, lances_da_pessoa, abertura;
    };
    // clang-format off
    const Caso casos[] = {
        {"startpos moves e2e4", "startpos moves e2e4 e7e5 g1f3", false, 1, 2, 1},
        {"fen rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w - - 0 5", "startpos moves e2e4", false, 0, 1, 0},
        {"startpos", "startpos moves e2e4", true, 0, 1, 0},
        {"startpos", "startpos moves @ e7e5", false, 1, 1, -1},
        {"startpos", "startpos moves h2h3 e7e5", false, 1, 1, 1},
    };
    // clang-format on
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.segunda);
        Jogo jogo;
        const auto envia = [&](std::string texto, const std::string& escolha) {
            if (const auto a = texto.find('@'); a != std::string::npos)
                texto.replace(a, 1, escolha);
            const uci::PedidoDePosicao p = uci::le_posicao(uci::palavras(texto));
            jogo.segue_partida({p.inicio, p.lances});
            EXPECT_EQ(jogo.partida(), (xadrez::Partida{p.inicio, p.lances}));
        };
        envia(c.primeira, "");
        const Parecer parecer = jogo.opina(nullptr, 1);
        if (c.encerra) jogo.encerra(Termino::interrompido);
        envia(c.segunda, xadrez::escreve_coordenadas(parecer.lance().value()));
        const Estado& e = jogo.estado();
        const Resultado& passe = parecer.escolha.resultado;
        EXPECT_EQ(e.lance_do_jogo(), c.lance_do_jogo);
        EXPECT_EQ(e.lances_da_pessoa(), c.lances_da_pessoa);
        EXPECT_EQ(e.numero_de_meu_movimento(),
                  c.abertura < 0 ? passe.numero_de_meu_movimento : c.abertura);
        EXPECT_EQ(jogo.historico().front().da_maquina, c.abertura < 0);
    }
}

TEST(Termino, TheRulesOfChessOnTheLastPositionAndTheDrawsToClaim) {
    struct Caso {
        const char* nome;
        const char* fen;
        const char* lances;
        Termino fim, reclamavel;
    };
    using T = Termino;
    // clang-format off
    const Caso casos[] = {
        {"king against king",             "4k3/8/8/8/8/8/8/4K3 w - - 0 1",   "",  T::material_insuficiente, T::nenhum},
        {"a bishop alone",                "4k3/8/8/8/8/8/8/3BK3 b - - 0 1",  "",  T::material_insuficiente, T::nenhum},
        {"a knight alone",                "4k3/8/8/8/8/8/8/3NK3 w - - 0 1",  "",  T::material_insuficiente, T::nenhum},
        {"bishops on one colour",         "4kb2/8/8/8/8/8/8/2B1K3 w - - 0 1", "", T::material_insuficiente, T::nenhum},
        {"bishops on both colours",       "4k3/8/8/8/8/8/8/2B1KB2 w - - 0 1", "", T::nenhum,                T::nenhum},
        {"two knights can mate",          "4k3/8/8/8/8/8/8/1N2K1N1 w - - 0 1", "", T::nenhum,               T::nenhum},
        {"a rook",                        "4k3/8/8/8/8/8/8/R3K3 w - - 0 1",  "",  T::nenhum,                T::nenhum},
        {"the last piece taken",          "4k3/8/8/8/8/8/3q4/4K3 w - - 0 1", "1. Kxd2", T::material_insuficiente, T::nenhum},
        {"mate",                          INICIO, "1. f3 e5 2. g4 Qh4#",          T::mate,                  T::nenhum},
        {"stalemate",                     "7k/5Q2/6K1/8/8/8/8/8 b - - 0 1",  "",  T::afogamento,            T::nenhum},
        {"stalemate with a bishop left",  "7k/5K2/6B1/8/8/8/8/8 b - - 0 1", "",  T::afogamento,            T::nenhum},
        {"fifty moves",                   "4k3/8/8/8/8/8/8/R3K3 w - - 100 80", "", T::nenhum,               T::cinquenta_lances},
        {"forty-nine and a half",         "4k3/8/8/8/8/8/8/R3K3 w - - 99 80", "", T::nenhum,                T::nenhum},
        {"the hundredth half-move",       "4k3/8/8/8/8/8/8/R3K3 w - - 99 80", "80. Ra2", T::nenhum,         T::cinquenta_lances},
        {"a capture starts them again",   "4k3/8/8/8/8/8/p7/R3K3 w - - 99 80", "80. Rxa2", T::nenhum,       T::nenhum},
        {"the third time",                INICIO, "1. Nf3 Nf6 2. Ng1 Ng8 3. Nf3 Nf6 4. Ng1 Ng8", T::nenhum, T::repeticao_tripla},
        {"the second time",               INICIO, "1. Nf3 Nf6 2. Ng1 Ng8",        T::nenhum,                T::nenhum},
        {"another side to move",          INICIO, "1. Nf3 Nf6 2. Ng1 Ng8 3. Nf3 Nf6 4. Ng1", T::nenhum,     T::nenhum},
    };
    // clang-format on
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        const Jogo j = jogo_de(pgn_de(c.fen, c.lances));
        EXPECT_EQ(j.fim_pelas_regras(), c.fim);
        EXPECT_EQ(j.empate_reclamavel(), c.reclamavel);
        EXPECT_FALSE(j.acabou()); // only a front end ends it
    }
}

// The end stays until a take-back, a new game or another game loaded; a
// draw it ended in is the PGN's result.
TEST(Termino, AnEndLastsUntilTheGameChanges) {
    Jogo j = jogo_de(pgn_de("4k3/8/8/8/8/8/3q4/4K3 w - - 0 1", "1. Kxd2"));
    EXPECT_NE(pgn_do_jogo(j, "2025.01.01").find("\n1. Kxd2 *\n"), std::string::npos);
    j.encerra(Termino::material_insuficiente);
    EXPECT_TRUE(j.acabou());
    EXPECT_EQ(j.termino(), Termino::material_insuficiente);
    const std::string pgn = pgn_do_jogo(j, "2025.01.01");
    EXPECT_NE(pgn.find("[Result \"1/2-1/2\"]"), std::string::npos) << pgn;
    EXPECT_NE(pgn.find("\n1. Kxd2 1/2-1/2\n"), std::string::npos) << pgn;
    j.desfaz(1);
    EXPECT_FALSE(j.acabou());
    EXPECT_EQ(j.termino(), Termino::nenhum);
    j.encerra(Termino::repeticao_tripla);
    j.carrega(j.salvo(true, true));
    EXPECT_FALSE(j.acabou());
    EXPECT_EQ(j.termino(), Termino::nenhum);
    j.encerra(Termino::cinquenta_lances);
    j.novo(true);
    EXPECT_EQ(j.termino(), Termino::nenhum);
    // A mate is the writer's own result, whatever the end says.
    Jogo mate = jogo_de(pgn_de(INICIO, "1. f3 e5 2. g4 Qh4#"));
    mate.encerra(Termino::mate);
    EXPECT_NE(pgn_do_jogo(mate, "").find("[Result \"0-1\"]"), std::string::npos);
}

// The main procedure ends by returning, with the end its front end chose:
// the player's "quit" (its turn says false) or the front end ending the
// program after the computer's move. Each row: who has White, what each
// player's turn and each computer move answer in order, the end, and how many
// computer moves were said.
TEST(ProcedimentoPrincipal, EndsByReturningTheFrontEndsEnd) {
    struct Roteiro : Frente {
        std::vector<bool> vezes, lances;
        std::size_t vez = 0, lance = 0;
        void apresenta() override {}
        bool pos_lance_dele() override { return vezes.at(vez++); }
        bool meu_lance(const LanceDaMaquina&) override { return lances.at(lance++); }
        bool fim_do_passe(Termino) override { return false; }
    };
    const struct {
        bool jogador_tem_brancas;
        std::vector<bool> vezes, lances;
        Encerramento fim;
        std::size_t lances_ditos;
    } casos[] = {
        {true, {false}, {}, Encerramento::pedido, 0},
        {false, {}, {false}, Encerramento::partida_acabou, 1},
        {true, {true, false}, {true}, Encerramento::pedido, 1},
        {false, {true}, {true, false}, Encerramento::partida_acabou, 2},
    };
    for (const auto& c : casos) {
        Jogo jogo;
        jogo.novo(c.jogador_tem_brancas);
        Roteiro r;
        r.vezes = c.vezes;
        r.lances = c.lances;
        EXPECT_EQ(executa_jogo(jogo, r), c.fim) << c.jogador_tem_brancas;
        EXPECT_EQ(r.lance, c.lances_ditos);
        EXPECT_EQ(r.vez, c.vezes.size());
    }
}

} // namespace
} // namespace quelmaro
