#include <gtest/gtest.h>

#include <cctype>
#include <random>

#include "chess/lances.hpp"
#include "frente_apoio.hpp"
#include "game/jogo_salvo.hpp"
#include "game/regras_do_jogador.hpp"

namespace quelmaro {
namespace {

const std::string PEDIDO = "What is your move?\n";

// The last move of the game's history in coordinates, without a promotion letter.
std::string ultimo_lance_da_historia(const Jogo& jogo) {
    return xadrez::escreve_coordenadas(jogo.historico().back().lance).substr(0, 4);
}

// The rule's words are those of the rule table; the test checks that the
// rule which chose the move is the one told, in both languages.
TEST_F(NoConsole, WhyNamesTheRuleThatChoseTheComputersLastMove) {
    struct Caso {
        const char* nome;
        Pecas pecas;                   // empty: the starting position
        std::vector<std::string> dele; // the player's moves, each answered by the computer
        int lance_do_jogo;
        const char* lance; // the computer's last move
        int regra;         // 0: an opening move
        Abertura abertura;
    };
    constexpr Abertura nenhuma = Abertura::nenhuma;
    // clang-format off
    const Caso casos[] = {
        {"mate", {{"h1", -REI}, {"g2", -PEAO}, {"h2", -PEAO}, {"a8", TORRE}, {"e8", REI}}, {}, 10,
         "a8a1", 1, nenhuma},
        // (a pawn of the player's keeps the position alive after the capture)
        {"queen capture", {{"e1", -REI}, {"d4", -DAMA}, {"h2", -PEAO}, {"c6", CAVALO}, {"e8", REI}}, {}, 10,
         "c6d4", 2, nenhuma},
        {"promotion", {{"h4", -REI}, {"b2", PEAO}, {"e8", REI}}, {}, 10,
         "b2b1", 4, nenhuma},
        {"safe pawn move", {{"h1", -REI}, {"a7", PEAO}, {"h8", REI}}, {}, 10,
         "a7a5", 39, nenhuma},
        // every move lets the rook take the pawn and check the king
        {"fallback", {{"e2", -REI}, {"a1", -TORRE}, {"a5", PEAO}, {"h8", REI}}, {}, 10,
         "a5a4", 45, nenhuma},
        {"first opening move", {}, {"e2e4"}, 0, "e7e6", 0, Abertura::peao_do_rei},
        {"second opening move", {}, {"e2e4", "d2d4"}, 0, "b7b6", 0, Abertura::peao_do_cavalo},
        {"second opening move, bishop on g2", {}, {"g2g3", "f1g2"}, 0,
         "b8a6", 0, Abertura::cavalo_da_dama},
    };
    // clang-format on
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        monta();
        comeca();
        if (!c.pecas.empty()) {
            Estado e = estado_com(true, c.pecas);
            e.poe_contadores(c.lance_do_jogo, 0, 2);
            jogo().poe_estado(e);
        }
        for (const std::string& l : c.dele) {
            ASSERT_TRUE(vez_dele(l + "\n"));
            joga_maquina();
        }
        if (c.dele.empty()) joga_maquina();
        ASSERT_FALSE(jogo().historico().empty());
        EXPECT_EQ(ultimo_lance_da_historia(jogo()), c.lance);
        impresso();
        for (const bool ingles : {true, false}) {
            exibicao().ingles = ingles;
            const std::string numero =
                c.regra == 0 ? "" : (ingles ? "Rule " : "Regra ") + std::to_string(c.regra) + ": ";
            vez_dele("why\n");
            EXPECT_EQ(impresso(), numero + descricao(c.regra, c.abertura, ingles) + "\n" +
                                      (ingles ? PEDIDO : "Qual e' seu movimento?\n"));
        }
    }
}

TEST_F(NoConsole, WhyFollowsTakeBacksNewGamesAndLoadedGames) {
    comeca();
    const std::string ainda_nao = "There is no move of mine to explain yet.\n" + PEDIDO;
    vez_dele("why\n");
    EXPECT_EQ(impresso(), ainda_nao);
    vez_dele("e2e4\n");
    joga_maquina();
    vez_dele("d2d4\n");
    joga_maquina();
    impresso();
    // after a take-back the move before is the last one
    vez_dele("undo\nwhy\n");
    EXPECT_EQ(impresso(),
              PEDIDO + descricao(0, Abertura::peao_do_rei, true) + std::string("\n") + PEDIDO);
    vez_dele("save\njogo\nopen\njogo\nwhy\n");
    EXPECT_NE(impresso().find(ainda_nao), std::string::npos);
    comeca();
    impresso();
    vez_dele("why\n");
    EXPECT_EQ(impresso(), ainda_nao);
    exibicao().ingles = false;
    vez_dele("why\n");
    EXPECT_EQ(impresso(), "Ainda não há lance meu para explicar.\nQual e' seu movimento?\n");
}

TEST_F(NoConsole, HintChangesNothingOfTheGame) {
    struct Caso {
        const char* nome;
        bool brancas; // the player White
        Pecas pecas;  // empty: the starting position
        int contagem_empate;
        int numero_de_meu_movimento;
        int numero_b_inimigo;
    };
    // clang-format off
    const Caso casos[] = {
        {"the start, player White", true, {}, 0, 0, 2},
        {"the start, player Black", false, {}, 0, 1, 2},
        {"one bishop counted", true, {}, 0, 2, 1},
        {"draw danger of the computer",
         true, {{"e1", -REI}, {"e8", REI}, {"d1", -DAMA}, {"a8", TORRE}, {"h8", TORRE}, {"h2", -PEAO}}, 5, 2, 1},
        {"the player promotes",
         false, {{"e8", -REI}, {"e1", REI}, {"b2", -PEAO}, {"h7", PEAO}}, 0, 2, 2},
        {"the player can mate",
         true, {{"g1", -REI}, {"a1", -TORRE}, {"h8", REI}, {"g7", PEAO}, {"h7", PEAO}}, 0, 2, 2},
    };
    // clang-format on
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        monta();
        comeca();
        Estado e = estado_com(c.brancas, c.pecas);
        if (c.pecas.empty()) e.novo_jogo(c.brancas);
        Roques roques{};
        roques[PRETAS].rei_saiu = true;
        e.poe_posicao(e.tabuleiro(), c.brancas, c.brancas, roques, 20);
        e.poe_contadores(9, 0, c.numero_de_meu_movimento);
        Resultado passe;
        passe.numero_de_meu_movimento = c.numero_de_meu_movimento;
        passe.contagem_empate = c.contagem_empate;
        passe.numero_b_inimigo = c.numero_b_inimigo;
        e.depois_do_passe(passe);
        e.poe_ultimo_lance({'d', '7', 'd', '5'});
        jogo().poe_estado(e);
        vez_dele("save\nantes\nhint\nsave\ndepois\n");
        EXPECT_EQ(estado(), e);
        EXPECT_TRUE(jogo().historico().empty());
        EXPECT_FALSE(jogo().acabou());
        EXPECT_TRUE(exibicao().ingles);
        EXPECT_EQ(arquivos.arquivos["antes"], arquivos.arquivos["depois"]);

        const std::string s = impresso();
        const std::size_t i = s.find("\nHint: ");
        ASSERT_NE(i, std::string::npos) << s;
        const std::string lance = s.substr(i + 7, s.find('\n', i + 1) - i - 7);
        // the move suggested is one the player may make
        EXPECT_TRUE(vez_dele(lance + "\n1\n")) << lance;
        EXPECT_EQ(estado().lances_da_pessoa(), 1) << lance;
    }
}

TEST_F(NoConsole, HintSuggestsTheMateInOne) {
    posicao(true, {{"g1", -REI}, {"a1", -TORRE}, {"h8", REI}, {"g7", PEAO}, {"h7", PEAO}});
    vez_dele("hint\n");
    EXPECT_EQ(impresso(), "Hint: Ra8# (a1a8)\n" + PEDIDO);
    exibicao().ingles = false;
    vez_dele("hint\n");
    EXPECT_EQ(impresso(), "Sugestão: Ta8# (a1a8)\nQual e' seu movimento?\n");
}

TEST_F(NoConsole, HintWhenThePlayerHasNoMove) {
    for (const bool ingles : {true, false}) {
        exibicao().ingles = ingles;
        // stalemate: the king on h1 has no square and nothing else moves
        posicao(true, {{"h1", -REI}, {"g3", DAMA}, {"f2", REI}});
        vez_dele("hint\n");
        EXPECT_EQ(impresso(), ingles ? "You have no move to make.\nWhat is your move?\n"
                                     : "Você não tem nenhum lance.\nQual e' seu movimento?\n");
    }
}

TEST_F(NoConsole, UndoTakesBackTheComputersMovesAndThePlayersMoveBefore) {
    comeca();
    impresso();
    const Estado inicio = estado();
    vez_dele("e2e4\n");
    joga_maquina();
    const Estado depois_de_um = estado();
    const std::string resposta = ultimo_lance_da_historia(jogo());
    vez_dele("d2d4\n");
    joga_maquina();
    impresso();

    vez_dele("undo\n");
    EXPECT_EQ(impresso(), PEDIDO);
    EXPECT_EQ(estado(), depois_de_um);
    vez_dele("undo\n");
    EXPECT_EQ(estado(), inicio);
    vez_dele("undo\n");
    EXPECT_EQ(impresso(), PEDIDO + "There is no move to take back.\n" + PEDIDO);
    EXPECT_EQ(estado(), inicio);

    // the opening move comes again
    vez_dele("e2e4\n");
    joga_maquina();
    EXPECT_EQ(ultimo_lance_da_historia(jogo()), resposta);

    // after "play" the computer has moved twice in a row: both go with the
    // player's move before them, and the player has White again
    vez_dele("play\n");
    joga_maquina();
    EXPECT_FALSE(estado().jogador_tem_brancas());
    vez_dele("undo\n");
    EXPECT_EQ(estado(), inicio);
    EXPECT_TRUE(estado().vez_do_jogador());
}

TEST_F(NoConsole, UndoWithOnlyTheComputersFirstMove) {
    comeca("e\nn\nn\n");
    joga_maquina();
    const Estado antes = estado();
    impresso();
    vez_dele("undo\n");
    EXPECT_EQ(impresso(), "There is no move to take back.\n" + PEDIDO);
    EXPECT_EQ(estado(), antes);
    exibicao().ingles = false;
    vez_dele("undo\n");
    EXPECT_EQ(impresso(), "Não há lance para desfazer.\nQual e' seu movimento?\n");
}

TEST_F(NoConsole, UndoRedrawsTheBoard) {
    comeca("e\ny\ny\n");
    vez_dele("e2e4\n");
    joga_maquina();
    impresso();
    vez_dele("undo\n");
    const std::string s = impresso();
    EXPECT_EQ(s.substr(0, 60), "     Computer                            Quelmaro          0");
    EXPECT_NE(s.find("2 | P | P | P | P | P | P | P | P |"), std::string::npos);
    EXPECT_EQ(s.substr(s.size() - PEDIDO.size()), PEDIDO);
}

// The PGN text with the date tag checked and taken out.
std::string sem_data(std::string pgn) {
    const std::string_view tag = "[Date \"", molde = "####.##.##\"]\n"; // '#': a digit
    const std::size_t i = pgn.find(tag);
    bool ok = i != std::string::npos && pgn.size() >= i + tag.size() + molde.size();
    for (std::size_t k = 0; ok && k < molde.size(); ++k) {
        const char c = pgn[i + tag.size() + k];
        ok = molde[k] == '#' ? std::isdigit(static_cast<unsigned char>(c)) != 0 : c == molde[k];
    }
    EXPECT_TRUE(ok) << pgn;
    if (ok) pgn.erase(i, tag.size() + molde.size());
    return pgn;
}

TEST_F(NoConsole, PgnOfAGameFromTheStart) {
    comeca();
    for (const char* l : {"e2e4", "g1f3", "f1c4", "O-O", "d2d4"}) {
        ASSERT_TRUE(vez_dele(std::string(l) + "\n"));
        joga_maquina();
    }
    impresso();
    vez_dele("pgn\npartida.pgn\n");
    EXPECT_EQ(impresso(), "Enter the name of the file.\n" + PEDIDO);
    EXPECT_EQ(sem_data(arquivos.arquivos["partida.pgn"]),
              "[Event \"Quelmaro game\"]\n[Site \"?\"]\n[Round \"-\"]\n[White \"Player\"]\n"
              "[Black \"Quelmaro\"]\n[Result \"*\"]\n\n"
              "1. e4 e6 2. Nf3 b6 3. Bc4 Bb4 4. O-O Ba6 5. d4 Bxc4 *\n\n");

    // after the sides are swapped the names follow the colours
    vez_dele("play\n");
    joga_maquina();
    vez_dele("pgn\npartida.pgn\n");
    const std::string s = arquivos.arquivos["partida.pgn"];
    EXPECT_NE(s.find("[White \"Quelmaro\"]\n[Black \"Player\"]\n"), std::string::npos) << s;
}

TEST_F(NoConsole, PgnOfALoadedGame) {
    // The player has Black, the computer White has made one move more; the
    // player's king and h8 rook have not moved, a pawn waits on d2 to promote.
    JogoSalvo salvo;
    salvo.lance_do_jogo = 31;
    salvo.lances_da_pessoa = 30;
    salvo.ingles = true;
    const auto poe = [&](const char* nome, int codigo) {
        salvo.tabuleiro.poe(numero_da_casa(nome[0], nome[1], true), codigo);
    };
    poe("e8", -REI);
    poe("h8", -TORRE);
    poe("d2", -PEAO);
    poe("g1", REI);
    poe("c1", TORRE);
    poe("a2", PEAO);
    std::ostringstream texto;
    escreve_jogo_salvo(texto, salvo);
    arquivos.arquivos["salvo"] = texto.str();

    ASSERT_TRUE(vez_dele("open\nsalvo\nd2c1\n2\n"));
    joga_maquina();
    vez_dele("pgn\np\n");
    EXPECT_EQ(sem_data(arquivos.arquivos["p"]),
              "[Event \"Quelmaro game\"]\n[Site \"?\"]\n[Round \"-\"]\n[White \"Quelmaro\"]\n"
              "[Black \"Player\"]\n[Result \"*\"]\n[SetUp \"1\"]\n"
              "[FEN \"4k2r/8/8/8/8/8/P2p4/2R3K1 b k - 0 31\"]\n\n"
              "31... dxc1=N 32. a4 *\n\n");
}

TEST_F(NoConsole, PgnThatCannotBeWrittenLosesNothing) {
    comeca();
    vez_dele("e2e4\n");
    joga_maquina();
    arquivos.arquivos["velho.pgn"] = "old";
    arquivos.falhar_gravacao = true;
    const Estado antes = estado();
    const std::size_t historia = jogo().historico().size();
    impresso();
    vez_dele("pgn\nvelho.pgn\npgn\n\n");
    EXPECT_EQ(impresso(), "Enter the name of the file.\nThe PGN file could not be written.\n"
                          "The system could not write it.\n" +
                              PEDIDO +
                              "Enter the name of the file.\nThe PGN file could not be written.\n"
                              "No file name was given.\n" +
                              PEDIDO);
    EXPECT_EQ(arquivos.arquivos["velho.pgn"], "old");
    EXPECT_EQ(estado(), antes);
    EXPECT_EQ(jogo().historico().size(), historia);
    arquivos.falhar_gravacao = false;
    exibicao().ingles = false;
    vez_dele("pgn\n\n");
    EXPECT_EQ(impresso(), "Entre o nome do arquivo.\nNão foi possível gravar o arquivo PGN.\n"
                          "Nenhum nome de arquivo foi dado.\nQual e' seu movimento?\n");
    // every reason of a failed write, in the game's language
    arquivos.falhar_gravacao = true;
    arquivos.falha_de_gravacao = FalhaDeGravacao::protegido;
    vez_dele("pgn\nvelho.pgn\n");
    EXPECT_EQ(impresso(), "Entre o nome do arquivo.\nNão foi possível gravar o arquivo PGN.\n"
                          "O arquivo não pode ser escrito (protegido contra escrita, ou sem "
                          "permissão); ficou como estava.\nQual e' seu movimento?\n");
    EXPECT_EQ(arquivos.arquivos["velho.pgn"], "old");
}

} // namespace
} // namespace quelmaro

namespace quelmaro {
namespace {

// Along a game against random replies, with the draw counter running: each
// computer move keeps in its history entry the candidates and context of its
// pass, from which the cascade chooses the same move again, and "why" about
// that move names the rule that chose it.
TEST_F(NoConsole, EachComputerMoveKeepsTheAnalysisOfItsPass) {
    comeca();
    std::mt19937 rng(7);
    int explicados = 0;
    for (int vez = 0; vez < 60 && !jogo().acabou(); ++vez) {
        std::vector<std::string> lances;
        for (const xadrez::Movimento& m : xadrez::legais(posicao_com_a_vez_do_jogador(estado())))
            if (m.promocao == 0 || m.promocao == 'Q')
                lances.push_back(xadrez::escreve_coordenadas(m).substr(0, 4) +
                                 (m.promocao ? "\n1" : ""));
        if (lances.empty()) break;
        ASSERT_TRUE(vez_dele(lances[rng() % lances.size()] + "\n"));
        joga_maquina();
        const Lembranca& l = jogo().historico().back();
        if (!l.da_maquina) break;
        const Analise& a = l.analise;
        EXPECT_EQ(a.tabuleiro, l.antes.tabuleiro());
        ASSERT_GE(a.escolhido, 0);
        const Candidato& c = a.candidatos[a.escolhido];
        const std::string lance = xadrez::escreve_coordenadas(l.lance).substr(0, 4);
        EXPECT_EQ(coordenadas(c.de, c.para, a.maquina_tem_brancas), lance);
        if (a.regra == 0) continue;
        const Decisao d = cascata(a.candidatos, a.contexto);
        EXPECT_EQ(std::pair(d.regra, d.candidato), std::pair(a.regra, a.escolhido));
        impresso();
        vez_dele("why " + lance + "\n");
        EXPECT_NE(impresso().find("Rule " + std::to_string(a.regra) + " chose it.\n"),
                  std::string::npos);
        ++explicados;
    }
    EXPECT_GT(explicados, 10);
}

} // namespace
} // namespace quelmaro
