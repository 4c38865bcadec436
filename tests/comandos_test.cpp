#include <gtest/gtest.h>

#include <cctype>
#include <random>

#include "driver/jogo_salvo.hpp"
#include "driver_apoio.hpp"

namespace quelmaro {
namespace {

const std::string PEDIDO = "What is your move?\n";

// The computer's turn; the game may end there.
void joga_maquina(Quelmaro& jogo) {
    try {
        jogo.meu_lance();
    } catch (const FimDoPrograma&) {
    }
}

std::string ultimo_lance_da_historia(const Quelmaro& jogo) {
    const pgn::Lance& l = jogo.historico.back().lance;
    return l.de + l.para;
}

// The rule's words are those of the rule table; the test checks that the
// rule which chose the move is the one told, in both languages.
TEST_F(Driver, WhyNamesTheRuleThatChoseTheComputersLastMove) {
    struct Caso {
        const char* nome;
        std::map<std::string, int> pecas; // empty: the starting position
        std::vector<std::string> dele;    // the player's moves, each answered by the computer
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
        {"queen capture", {{"e1", -REI}, {"d4", -DAMA}, {"c6", CAVALO}, {"e8", REI}}, {}, 10,
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
            posicao('s', c.pecas);
            jogo->motor.numero_de_meu_movimento = 2;
        }
        jogo->motor.lance_do_jogo = c.lance_do_jogo;
        for (const std::string& l : c.dele) {
            ASSERT_TRUE(vez_dele(l + "\n"));
            joga_maquina(*jogo);
        }
        if (c.dele.empty()) joga_maquina(*jogo);
        ASSERT_FALSE(jogo->historico.empty());
        EXPECT_EQ(ultimo_lance_da_historia(*jogo), c.lance);
        impresso();
        for (const bool ingles : {true, false}) {
            jogo->motor.ingles = ingles;
            const std::string numero =
                c.regra == 0 ? "" : (ingles ? "Rule " : "Regra ") + std::to_string(c.regra) + ": ";
            vez_dele("why\n");
            EXPECT_EQ(impresso(), numero + descricao(c.regra, c.abertura, ingles) + "\n" +
                                      (ingles ? PEDIDO : "Qual e' seu movimento?\n"));
        }
    }
}

TEST_F(Driver, WhyFollowsTakeBacksNewGamesAndLoadedGames) {
    comeca();
    const std::string ainda_nao = "There is no move of mine to explain yet.\n" + PEDIDO;
    vez_dele("why\n");
    EXPECT_EQ(impresso(), ainda_nao);
    vez_dele("e2e4\n");
    joga_maquina(*jogo);
    vez_dele("d2d4\n");
    joga_maquina(*jogo);
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
    jogo->motor.ingles = false;
    vez_dele("why\n");
    EXPECT_EQ(impresso(), "Ainda nao ha lance meu para explicar.\nQual e' seu movimento?\n");
}

// What a hint must leave as it was.
struct Estado {
    Tabuleiro tabuleiro;
    int lance_do_jogo, lances_da_pessoa, numero_de_meu_movimento, contagem_empate, numero_b_inimigo,
        regra, cc, dd, casa_en_passant;
    std::array<DireitosDeRoque, 2> roque;
    std::array<char, 4> ultimo_lance;
    char resposta;
    bool vez_das_brancas, acabou, ingles;
    std::size_t historico;
    bool operator==(const Estado&) const = default;
};

// `com_o_passe`: with what the engine's last pass left (its move and rule),
// which a take-back does not restore.
Estado estado(const Quelmaro& j, bool com_o_passe = true) {
    return {j.tabuleiro,
            j.motor.lance_do_jogo,
            j.lances_da_pessoa,
            j.motor.numero_de_meu_movimento,
            j.motor.contagem_empate,
            j.motor.numero_b_inimigo,
            com_o_passe ? j.motor.regra : 0,
            com_o_passe ? j.motor.cc : 0,
            com_o_passe ? j.motor.dd : 0,
            j.casa_en_passant,
            j.roque,
            j.ultimo_lance,
            j.resposta,
            j.vez_das_brancas,
            j.motor.acabou,
            j.motor.ingles,
            j.historico.size()};
}

TEST_F(Driver, HintChangesNothingOfTheGame) {
    struct Caso {
        const char* nome;
        char resposta;
        std::map<std::string, int> pecas; // empty: the starting position
        int contagem_empate;
        int numero_de_meu_movimento;
        int numero_b_inimigo;
    };
    // clang-format off
    const Caso casos[] = {
        {"the start, player White", 's', {}, 0, 0, 2},
        {"the start, player Black, upper-case answer", 'N', {}, 0, 1, 2},
        {"upper-case yes", 'S', {}, 0, 2, 1},
        {"draw danger of the computer",
         's', {{"e1", -REI}, {"e8", REI}, {"d1", -DAMA}, {"a8", TORRE}, {"h8", TORRE}, {"h2", -PEAO}}, 5, 2, 1},
        {"the player promotes",
         'n', {{"e8", -REI}, {"e1", REI}, {"b2", -PEAO}, {"h7", PEAO}}, 0, 2, 2},
        {"the player can mate",
         's', {{"g1", -REI}, {"a1", -TORRE}, {"h8", REI}, {"g7", PEAO}, {"h7", PEAO}}, 0, 2, 2},
    };
    // clang-format on
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        monta();
        comeca();
        if (c.pecas.empty()) {
            jogo->resposta = c.resposta;
            jogo->tabuleiro.posicao_inicial(jogo->jogador_tem_brancas());
        } else {
            posicao(c.resposta, c.pecas);
        }
        jogo->vez_das_brancas = jogo->jogador_tem_brancas();
        jogo->motor.contagem_empate = c.contagem_empate;
        jogo->motor.numero_de_meu_movimento = c.numero_de_meu_movimento;
        jogo->motor.numero_b_inimigo = c.numero_b_inimigo;
        jogo->motor.lance_do_jogo = 9;
        jogo->roque[PRETAS].rei_saiu = true;
        jogo->ultimo_lance = {'d', '7', 'd', '5'};
        jogo->casa_en_passant = 20;
        const Estado antes = estado(*jogo);
        vez_dele("save\nantes\nhint\nsave\ndepois\n");
        EXPECT_EQ(estado(*jogo), antes);
        EXPECT_EQ(arquivos.arquivos["antes"], arquivos.arquivos["depois"]);

        const std::string s = impresso();
        const std::size_t i = s.find("\nHint: ");
        ASSERT_NE(i, std::string::npos) << s;
        const std::string lance = s.substr(i + 7, s.find('\n', i + 1) - i - 7);
        // the move suggested is one the player may make
        EXPECT_TRUE(vez_dele(lance + "\n1\n")) << lance;
        EXPECT_EQ(jogo->lances_da_pessoa, 1) << lance;
    }
}

TEST_F(Driver, HintSuggestsTheMateInOne) {
    posicao('s', {{"g1", -REI}, {"a1", -TORRE}, {"h8", REI}, {"g7", PEAO}, {"h7", PEAO}});
    vez_dele("hint\n");
    EXPECT_EQ(impresso(), "Hint: a1a8\n" + PEDIDO);
    jogo->motor.ingles = false;
    vez_dele("hint\n");
    EXPECT_EQ(impresso(), "Sugestao: a1a8\nQual e' seu movimento?\n");
}

TEST_F(Driver, HintWhenThePlayerHasNoMove) {
    struct Caso {
        bool winboard, ingles;
        const char* impresso;
    };
    const Caso casos[] = {
        {false, true, "You have no move to make.\nWhat is your move?\n"},
        {false, false, "Voce nao tem nenhum lance.\nQual e' seu movimento?\n"},
        {true, true, ""},
    };
    for (const Caso& c : casos) {
        monta(c.winboard);
        jogo->motor.ingles = c.ingles;
        // stalemate: the king on h1 has no square and nothing else moves
        posicao('s', {{"h1", -REI}, {"g3", DAMA}, {"f2", REI}});
        vez_dele("hint\n");
        EXPECT_EQ(impresso(), c.impresso);
    }
}

TEST_F(Driver, UndoTakesBackTheComputersMovesAndThePlayersMoveBefore) {
    comeca();
    impresso();
    const Estado inicio = estado(*jogo, false);
    vez_dele("e2e4\n");
    joga_maquina(*jogo);
    const Estado depois_de_um = estado(*jogo, false);
    const std::string resposta = ultimo_lance_da_historia(*jogo);
    vez_dele("d2d4\n");
    joga_maquina(*jogo);
    impresso();

    vez_dele("undo\n");
    EXPECT_EQ(impresso(), PEDIDO);
    EXPECT_EQ(estado(*jogo, false), depois_de_um);
    vez_dele("undo\n");
    EXPECT_EQ(estado(*jogo, false), inicio);
    vez_dele("undo\n");
    EXPECT_EQ(impresso(), PEDIDO + "There is no move to take back.\n" + PEDIDO);
    EXPECT_EQ(estado(*jogo, false), inicio);

    // the opening move comes again
    vez_dele("e2e4\n");
    joga_maquina(*jogo);
    EXPECT_EQ(ultimo_lance_da_historia(*jogo), resposta);

    // after "play" the computer has moved twice in a row: both go with the
    // player's move before them, and the player has White again
    vez_dele("play\n");
    joga_maquina(*jogo);
    EXPECT_EQ(jogo->resposta, 'n');
    vez_dele("undo\n");
    EXPECT_EQ(estado(*jogo, false), inicio);
    EXPECT_TRUE(jogo->vez_do_jogador());
}

TEST_F(Driver, UndoWithOnlyTheComputersFirstMove) {
    comeca("e\nn\nn\n");
    joga_maquina(*jogo);
    const Estado antes = estado(*jogo, false);
    impresso();
    vez_dele("undo\n");
    EXPECT_EQ(impresso(), "There is no move to take back.\n" + PEDIDO);
    EXPECT_EQ(estado(*jogo, false), antes);
    jogo->motor.ingles = false;
    vez_dele("undo\n");
    EXPECT_EQ(impresso(), "Nao ha lance para desfazer.\nQual e' seu movimento?\n");
}

TEST_F(Driver, UndoRedrawsTheBoard) {
    comeca("e\ny\ny\n");
    vez_dele("e2e4\n");
    joga_maquina(*jogo);
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

TEST_F(Driver, PgnOfAGameFromTheStart) {
    comeca();
    for (const char* l : {"e2e4", "g1f3", "f1c4", "O-O", "d2d4"}) {
        ASSERT_TRUE(vez_dele(std::string(l) + "\n"));
        joga_maquina(*jogo);
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
    joga_maquina(*jogo);
    vez_dele("pgn\npartida.pgn\n");
    const std::string s = arquivos.arquivos["partida.pgn"];
    EXPECT_NE(s.find("[White \"Quelmaro\"]\n[Black \"Player\"]\n"), std::string::npos) << s;
}

TEST_F(Driver, PgnOfALoadedGame) {
    // The player has Black, the computer White has made one move more; the
    // player's king and h8 rook have not moved, a pawn waits on d2 to promote.
    JogoSalvo salvo;
    salvo.lance_do_jogo = 31;
    salvo.lances_da_pessoa = 30;
    salvo.ingles = true;
    const auto poe = [&](const char* nome, int codigo) {
        salvo.tabuleiro.poe(lparanumero(nome[0], nome[1], 'n'), codigo);
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

    jogo->usa_tabuleiro = 'n';
    ASSERT_TRUE(vez_dele("open\nsalvo\nd2c1\n2\n"));
    joga_maquina(*jogo);
    vez_dele("pgn\np\n");
    EXPECT_EQ(sem_data(arquivos.arquivos["p"]),
              "[Event \"Quelmaro game\"]\n[Site \"?\"]\n[Round \"-\"]\n[White \"Quelmaro\"]\n"
              "[Black \"Player\"]\n[Result \"*\"]\n[SetUp \"1\"]\n"
              "[FEN \"4k2r/8/8/8/8/8/P2p4/2R3K1 b k - 0 31\"]\n\n"
              "31... dxc1=N 32. a4 *\n\n");
}

TEST_F(Driver, PgnThatCannotBeWrittenLosesNothing) {
    comeca();
    vez_dele("e2e4\n");
    joga_maquina(*jogo);
    arquivos.arquivos["velho.pgn"] = "old";
    arquivos.falhar_gravacao = true;
    const Estado antes = estado(*jogo);
    impresso();
    vez_dele("pgn\nvelho.pgn\npgn\n\n");
    EXPECT_EQ(impresso(),
              "Enter the name of the file.\nThe PGN file could not be written.\n" + PEDIDO +
                  "Enter the name of the file.\nThe PGN file could not be written.\n" + PEDIDO);
    EXPECT_EQ(arquivos.arquivos["velho.pgn"], "old");
    EXPECT_EQ(estado(*jogo), antes);
    arquivos.falhar_gravacao = false;
    jogo->motor.ingles = false;
    vez_dele("pgn\n\n");
    EXPECT_EQ(impresso(), "Entre o nome do arquivo.\nNao foi possivel gravar o arquivo PGN.\n"
                          "Qual e' seu movimento?\n");
}

} // namespace
} // namespace quelmaro

namespace quelmaro {
namespace {

// Along a game against random replies, with the draw counter running: each
// computer move keeps in its history entry the candidates and context of its
// pass, from which the cascade chooses the same move again, and "why" about
// that move names the rule that chose it.
TEST_F(Driver, EachComputerMoveKeepsTheAnalysisOfItsPass) {
    comeca();
    std::mt19937 rng(7);
    int explicados = 0;
    for (int vez = 0; vez < 60 && !jogo->motor.acabou; ++vez) {
        std::vector<std::string> lances;
        for (Casas o = jogo->tabuleiro.pecas_do_jogador(); o; o &= o - 1)
            for (Casas d = jogo->tabuleiro.destinos(menor_casa(o)); d; d &= d - 1)
                if (!jogo->expoemreidele(menor_casa(o), menor_casa(d)))
                    lances.push_back(nparaletra(menor_casa(o), 's') +
                                     nparaletra(menor_casa(d), 's'));
        if (lances.empty()) break;
        ASSERT_TRUE(vez_dele(lances[rng() % lances.size()] + "q\n"));
        joga_maquina(*jogo);
        const Lembranca& l = jogo->historico.back();
        if (!l.da_maquina) break;
        const Analise& a = l.analise;
        EXPECT_EQ(a.tabuleiro, l.tabuleiro);
        ASSERT_GE(a.escolhido, 0);
        const Candidato& c = a.candidatos[a.escolhido];
        EXPECT_EQ(nparaletra(c.de, 's') + nparaletra(c.para, 's'), l.lance.de + l.lance.para);
        if (a.regra == 0) continue;
        const Decisao d = cascata(a.candidatos, a.contexto);
        EXPECT_EQ(std::pair(d.regra, d.candidato), std::pair(a.regra, a.escolhido));
        impresso();
        vez_dele("why " + l.lance.de + l.lance.para + "\n");
        EXPECT_NE(impresso().find("Rule " + std::to_string(a.regra) + " chose it.\n"),
                  std::string::npos);
        ++explicados;
    }
    EXPECT_GT(explicados, 10);
}

} // namespace
} // namespace quelmaro
