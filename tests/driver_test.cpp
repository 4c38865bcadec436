#include <gtest/gtest.h>

#include "driver/jogo_salvo.hpp"
#include "driver_apoio.hpp"

namespace quelmaro {
namespace {

const std::string RECUSA = "This move is not allowed. What is your move?\n";

TEST_F(Driver, Castling) {
    struct Caso {
        const char* nome;
        char resposta;
        std::map<std::string, int> extra; // besides kings on e1, e8 and the player's rooks
        const char* linha;
        bool aceito;
        const char *rei, *torre; // where the player's king and rook end
    };
    // clang-format off
    const Caso casos[] = {
        {"white short", 's', {}, "O-O", true, "g1", "f1"},
        {"white short as squares", 's', {}, "e1g1", true, "g1", "f1"},
        {"white short, digit zeros", 's', {}, "0-0", true, "g1", "f1"},
        {"white long", 's', {}, "O-O-O", true, "c1", "d1"},
        {"white long as squares", 's', {}, "e1c1", true, "c1", "d1"},
        {"black short", 'n', {}, "o-o", true, "g8", "f8"},
        {"black short as squares", 'n', {}, "e8g8", true, "g8", "f8"},
        {"black long", 'n', {}, "o-o-o", true, "c8", "d8"},
        {"white long, b1 attacked", 's', {{"a3", 4}}, "O-O-O", true, "c1", "d1"},
        {"black long, b8 attacked", 'n', {{"a6", 4}}, "O-O-O", true, "c8", "d8"},
        {"white long, d1 attacked", 's', {{"d3", 7}, {"d2", 0}}, "O-O-O", false, "e1", "a1"},
        {"white long, b1 occupied", 's', {{"b1", -4}}, "O-O-O", false, "e1", "a1"},
        {"white short, in check", 's', {{"e3", 7}, {"e2", 0}}, "O-O", false, "e1", "h1"},
        {"white short, g1 attacked", 's', {{"h3", 4}}, "O-O", false, "e1", "h1"},
        {"white short, f1 attacked by a pawn", 's', {{"e2", 1}}, "O-O", false, "e1", "h1"},
        {"white short, g1 attacked by a pawn", 's', {{"h2", 1}}, "O-O", false, "e1", "h1"},
        {"white short, pawn on f2 before f1", 's', {{"f2", 1}}, "O-O", false, "e1", "h1"},
        {"white short, pawn not attacking", 's', {{"c2", 1}, {"h3", 1}}, "O-O", true, "g1", "f1"},
        {"black short, f8 attacked by a pawn", 'n', {{"g7", 1}}, "O-O", false, "e8", "h8"},
        {"black short, h8 attacked only", 'n', {{"h3", 7}}, "O-O", true, "g8", "f8"},
        {"white short, f1 occupied", 's', {{"f1", -3}}, "O-O", false, "e1", "h1"},
        {"black long, king's word in white's notation", 'n', {}, "e1c1", false, "e8", "a8"},
    };
    // clang-format on
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        monta();
        const bool brancas = c.resposta == 's';
        std::map<std::string, int> pecas = {{brancas ? "e1" : "e8", -REI},
                                            {brancas ? "e8" : "e1", REI},
                                            {brancas ? "a1" : "a8", -TORRE},
                                            {brancas ? "h1" : "h8", -TORRE},
                                            {brancas ? "a2" : "a7", -PEAO}};
        for (const auto& [casa, codigo] : c.extra) pecas[casa] = codigo;
        posicao(c.resposta, pecas);
        ASSERT_TRUE(vez_dele(std::string(c.linha) + "\n") || !c.aceito);
        EXPECT_EQ(em(c.rei), -REI);
        EXPECT_EQ(em(c.torre), -TORRE);
        EXPECT_EQ(jogo->lances_da_pessoa, c.aceito ? 1 : 0);
        EXPECT_EQ(jogo->roque[brancas ? BRANCAS : PRETAS].ja_rocou, c.aceito);
        if (!c.aceito) {
            EXPECT_EQ(impresso(), RECUSA);
        }
    }
}

TEST_F(Driver, CastlingRefusedOnceTheKingOrRookHasMoved) {
    struct Caso {
        const char* lances; // the player's moves before castling
        const char* roque;
        bool aceito;
    };
    // clang-format off
    const Caso casos[] = {
        {"e1f1\nf1e1\n", "O-O", false},
        {"e1d1\nd1e1\n", "O-O-O", false},
        {"h1h2\nh2h1\n", "O-O", false},
        {"h1h2\nh2h1\n", "O-O-O", true},
        {"a1a2\na2a1\n", "O-O-O", false},
        {"a1a2\na2a1\n", "O-O", true},
    };
    // clang-format on
    for (const Caso& c : casos) {
        SCOPED_TRACE(std::string(c.lances) + c.roque);
        monta();
        posicao('s', {{"e1", -REI}, {"a1", -TORRE}, {"h1", -TORRE}, {"e8", REI}});
        digita(c.lances);
        jogo->pos_lance_dele();
        jogo->pos_lance_dele();
        impresso();
        vez_dele(std::string(c.roque) + "\n");
        EXPECT_EQ(em("e1") == VAZIO, c.aceito);
        EXPECT_EQ(impresso(), c.aceito ? "" : RECUSA);
    }
}

TEST_F(Driver, AfterCastlingNoSecondCastling) {
    posicao('s', {{"e1", -REI}, {"a1", -TORRE}, {"h1", -TORRE}, {"e8", REI}});
    ASSERT_TRUE(vez_dele("O-O\n"));
    ASSERT_TRUE(vez_dele("g1e1\nf1h1\n") == false); // the king cannot walk two squares
    EXPECT_EQ(em("g1"), -REI);
}

TEST_F(Driver, CastlingWordNeverMovesAnotherPiece) {
    posicao('s', {{"e1", -TORRE}, {"a1", -TORRE}, {"g2", -REI}, {"e8", REI}});
    EXPECT_FALSE(vez_dele("O-O-O\n"));
    EXPECT_EQ(em("e1"), -TORRE);
    EXPECT_EQ(em("c1"), VAZIO);
    EXPECT_EQ(impresso(), RECUSA);
}

TEST_F(Driver, MoveChecks) {
    struct Caso {
        const char* nome;
        std::map<std::string, int> pecas;
        const char* linha;
        bool aceito;
    };
    // clang-format off
    const Caso casos[] = {
        {"plain move", {{"e1", -REI}, {"e8", REI}, {"e2", -PEAO}}, "e2e4", true},
        {"three rows", {{"e1", -REI}, {"e8", REI}, {"e2", -PEAO}}, "e2e5", false},
        {"computer's piece", {{"e1", -REI}, {"e8", REI}, {"e7", PEAO}}, "e7e6", false},
        {"onto own piece", {{"e1", -REI}, {"e8", REI}, {"d1", -DAMA}, {"d2", -PEAO}}, "d1d2", false},
        {"empty square", {{"e1", -REI}, {"e8", REI}}, "e2e4", false},
        {"leaves the king capturable", {{"e1", -REI}, {"e8", REI}, {"e2", -BISPO}, {"e5", TORRE}},
         "e2d3", false},
        {"king into check", {{"e1", -REI}, {"e8", REI}, {"d8", TORRE}}, "e1d1", false},
        {"capture of the computer's king", {{"e1", -REI}, {"e8", REI}, {"e2", -TORRE}}, "e2e8", true},
        {"pawn diagonally onto empty", {{"e1", -REI}, {"e8", REI}, {"e2", -PEAO}}, "e2d3", false},
        {"pawn capture", {{"e1", -REI}, {"e8", REI}, {"e2", -PEAO}, {"d3", CAVALO}}, "e2d3", true},
    };
    // clang-format on
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        monta();
        posicao('s', c.pecas);
        const Tabuleiro antes = jogo->tabuleiro;
        EXPECT_EQ(vez_dele(std::string(c.linha) + "\n"), c.aceito);
        EXPECT_EQ(jogo->tabuleiro == antes, !c.aceito);
        EXPECT_EQ(impresso(), c.aceito ? "" : RECUSA);
    }
}

TEST_F(Driver, RefusalLinesByBuildAndLanguage) {
    monta(true);
    jogo->Apresentacao();
    EXPECT_FALSE(vez_dele("e2e5\nPe2-e5\n"));
    EXPECT_EQ(impresso(), "Illegal move: e2e5\nIllegal move: e2e5\n");
    monta();
    jogo->motor.ingles = false;
    posicao('s', {{"e1", -REI}, {"e8", REI}});
    EXPECT_FALSE(vez_dele("e2e4\n"));
    EXPECT_EQ(impresso(), "Esse movimento nao e' permitido. Qual e' seu movimento?\n");
}

TEST_F(Driver, ConsolePromotionDialog) {
    struct Caso {
        bool ingles;
        const char* respostas;
        int codigo;
        int perguntas;
    };
    // clang-format off
    const Caso casos[] = {
        {true, "1\n", -DAMA, 1}, {true, "2\n", -CAVALO, 1}, {true, "3\n", -BISPO, 1},
        {true, "4\n", -TORRE, 1}, {true, "0\n7\n4\n", -TORRE, 3}, {true, "x\n 2 \n", -CAVALO, 2},
        {true, "\n1.5\n-1\n3\n", -BISPO, 4}, {false, "5\n1\n", -DAMA, 2},
    };
    // clang-format on
    const std::string ingles = " 1- Queen, 2- Knight, 3- Bishop, 4- Rook.\n";
    const std::string portugues = " Por qual peca voce deseja trocar seu peao?\n"
                                  " 1- Dama, 2- Cavalo, 3- Bispo, 4- Torre.\n";
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.respostas);
        monta();
        jogo->motor.ingles = c.ingles;
        posicao('s', {{"e1", -REI}, {"a8", REI}, {"e7", -PEAO}});
        EXPECT_TRUE(vez_dele(std::string("e7e8\n") + c.respostas));
        EXPECT_EQ(em("e8"), c.codigo);
        std::string esperado;
        for (int i = 0; i < c.perguntas; ++i) esperado += c.ingles ? ingles : portugues;
        EXPECT_EQ(impresso(), esperado);
    }
}

TEST_F(Driver, ConsolePromotionEndsWithTheInput) {
    posicao('s', {{"e1", -REI}, {"a8", REI}, {"e7", -PEAO}});
    EXPECT_FALSE(vez_dele("e7e8\n9\n"));
}

TEST_F(Driver, EngineBuildPromotionByLetter) {
    struct Caso {
        char resposta;
        const char* linhas;
        const char* casa;
        int codigo;
    };
    // clang-format off
    const Caso casos[] = {
        {'s', "e7e8q\n", "e8", -DAMA}, {'s', "e7e8n\n", "e8", -CAVALO},
        {'s', "e7e8b\n", "e8", -BISPO}, {'s', "e7e8r\n", "e8", -TORRE},
        {'s', "e7e8\n", "e8", -DAMA}, {'s', "e7d8n\n", "d8", -CAVALO},
        {'n', "e2e1r\n", "e1", -TORRE}, {'n', "e2d1b\n", "d1", -BISPO},
        // a letter of an older line does not carry over
        {'s', "e7e9n\ne7e8\n", "e8", -DAMA}, {'s', "a2a1n\ne7e8\n", "e8", -DAMA},
    };
    // clang-format on
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.linhas);
        monta(true);
        const bool brancas = c.resposta == 's';
        posicao(c.resposta, {{brancas ? "h1" : "h8", -REI},
                             {brancas ? "a6" : "a3", REI},
                             {brancas ? "e7" : "e2", -PEAO},
                             {brancas ? "d8" : "d1", TORRE}});
        EXPECT_TRUE(vez_dele(c.linhas));
        EXPECT_EQ(em(c.casa), c.codigo);
    }
}

TEST_F(Driver, MateAndStalemateOfThePlayer) {
    struct Caso {
        const char* nome;
        std::map<std::string, int> pecas;
        bool sem_lance;
        bool atacado;
    };
    // clang-format off
    const Caso casos[] = {
        {"back-rank mate", {{"g1", -REI}, {"f2", -PEAO}, {"g2", -PEAO}, {"h2", -PEAO},
                            {"e1", TORRE}, {"e8", REI}}, true, true},
        {"escape by capture", {{"g1", -REI}, {"f2", -PEAO}, {"g2", -PEAO}, {"h2", -PEAO},
                               {"e1", TORRE}, {"e8", REI}, {"e3", -TORRE}}, false, true},
        {"stalemate", {{"a1", -REI}, {"b3", DAMA}, {"h8", REI}}, true, false},
        {"free king", {{"a1", -REI}, {"h8", REI}}, false, false},
    };
    // clang-format on
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        monta();
        posicao('s', c.pecas);
        const Tabuleiro antes = jogo->tabuleiro;
        jogo->matenele();
        EXPECT_EQ(jogo->sem_lance_dele, c.sem_lance);
        EXPECT_EQ(jogo->tabuleiro, antes);
    }
}

TEST_F(Driver, SwapTwiceGivesTheSameBoard) {
    for (char r : {'s', 'S', 'n', 'N'}) {
        monta();
        jogo->resposta = r;
        jogo->tabuleiro.posicao_inicial(jogo->jogador_tem_brancas());
        const Tabuleiro antes = jogo->tabuleiro;
        jogo->vira_tabuleiro();
        Tabuleiro outra;
        outra.posicao_inicial(!(r == 's' || r == 'S'));
        EXPECT_EQ(jogo->tabuleiro, outra);
        jogo->vira_tabuleiro();
        EXPECT_EQ(jogo->tabuleiro, antes);
        EXPECT_EQ(jogo->resposta, r == 's' || r == 'S' ? 's' : 'n');
    }
}

TEST_F(Driver, PlayHandsTheMoveToTheComputer) {
    monta();
    jogo->resposta = 's';
    jogo->tabuleiro.posicao_inicial(true);
    jogo->usa_tabuleiro = 's';
    EXPECT_TRUE(vez_dele("PLAY\n"));
    EXPECT_EQ(jogo->resposta, 'n');
    EXPECT_EQ(impresso(), ""); // no drawing after the swap
    EXPECT_EQ(em("e1"), REI);  // the computer now has White
    EXPECT_EQ(jogo->lances_da_pessoa, 0);
}

std::string linhas(std::initializer_list<const char*> l) {
    std::string s;
    for (const char* x : l) (s += x) += '\n';
    return s;
}

TEST_F(Driver, DrawingInBothOrientationsAndLanguages) {
    jogo->usa_tabuleiro = 's';
    jogo->resposta = 'n';
    jogo->tabuleiro.posicao_inicial(false);
    jogo->lances_da_pessoa = 3;
    jogo->motor.lance_do_jogo = 4;
    jogo->escreve_tabuleiro();
    const std::string frame = "  ---------------------------------";
    EXPECT_EQ(impresso(),
              linhas({"     Computer                            Quelmaro          3          4",
                      frame.c_str(),
                      "1 |*R |*N |*B |*K |*Q |*B |*N |*R |",
                      frame.c_str(),
                      "2 |*P |*P |*P |*P |*P |*P |*P |*P |",
                      frame.c_str(),
                      "3 |   |   |   |   |   |   |   |   |",
                      frame.c_str(),
                      "4 |   |   |   |   |   |   |   |   |",
                      frame.c_str(),
                      "5 |   |   |   |   |   |   |   |   |",
                      frame.c_str(),
                      "6 |   |   |   |   |   |   |   |   |",
                      frame.c_str(),
                      "7 | P | P | P | P | P | P | P | P |",
                      frame.c_str(),
                      "8 | R | N | B | K | Q | B | N | R |",
                      frame.c_str(),
                      "    h   g   f   e   d   c   b   a",
                      "    Human",
                      ""}));
    jogo->motor.ingles = false;
    jogo->tabuleironormal = false;
    jogo->escreve_tabuleiro();
    EXPECT_EQ(impresso(),
              linhas({"     Humano                              Quelmaro          3          4",
                      frame.c_str(),
                      "8 | T | C | B | D | R | B | C | T |",
                      frame.c_str(),
                      "7 | P | P | P | P | P | P | P | P |",
                      frame.c_str(),
                      "6 |   |   |   |   |   |   |   |   |",
                      frame.c_str(),
                      "5 |   |   |   |   |   |   |   |   |",
                      frame.c_str(),
                      "4 |   |   |   |   |   |   |   |   |",
                      frame.c_str(),
                      "3 |   |   |   |   |   |   |   |   |",
                      frame.c_str(),
                      "2 |*P |*P |*P |*P |*P |*P |*P |*P |",
                      frame.c_str(),
                      "1 |*T |*C |*B |*D |*R |*B |*C |*T |",
                      frame.c_str(),
                      "    a   b   c   d   e   f   g   h",
                      "    computador",
                      ""}));
    jogo->usa_tabuleiro = 'n';
    jogo->escreve_tabuleiro();
    EXPECT_EQ(impresso(), "");
}

TEST_F(Driver, CommandsBetweenMoves) {
    jogo->usa_tabuleiro = 'n';
    posicao('s', {{"e1", -REI}, {"e8", REI}, {"e2", -PEAO}});
    // turn, then save: the prompt, then the save dialog
    EXPECT_TRUE(vez_dele("turn\nsave\njogo\ne2e4\n"));
    EXPECT_EQ(impresso(), "What is your move?\nEnter the name of the file.\nWhat is your move?\n");
    EXPECT_FALSE(jogo->tabuleironormal);
    // with the drawing on, save then turn shows the board once more in between
    jogo->usa_tabuleiro = 's';
    EXPECT_TRUE(vez_dele("save\njogo\nturn\ne4e5\n"));
    const std::string s = impresso();
    std::size_t desenhos = 0;
    for (std::size_t p = 0; (p = s.find("Quelmaro ", p)) != std::string::npos; ++p) ++desenhos;
    EXPECT_EQ(desenhos, 3u); // extra, after turn, after the move
    EXPECT_TRUE(jogo->tabuleironormal);
    EXPECT_TRUE(s.starts_with("Enter the name of the file.\nWhat is your move?\n     Human  "));
}

TEST_F(Driver, SaveAtTheStart) {
    struct Caso {
        bool ingles;
        bool normal;
        const char* fim;
    };
    const Caso casos[] = {{true, true, "----FFFFFTT\n"},
                          {false, true, "----FFFFFTF\n"},
                          {false, false, "----FFFFFFF\n"}};
    for (const Caso& c : casos) {
        monta();
        jogo->motor.ingles = c.ingles;
        jogo->tabuleironormal = c.normal;
        jogo->tabuleiro.posicao_inicial(true);
        digita("inicio.sav\n");
        jogo->save();
        const std::string& f = arquivos.arquivos["inicio.sav"];
        ASSERT_EQ(f.size(), 738u);
        EXPECT_EQ(f.substr(0, 55), "          7          4          3         20        999");
        EXPECT_EQ(f.substr(726), c.fim);
        EXPECT_EQ(impresso(),
                  c.ingles ? "Enter the name of the file.\n" : "Entre o nome do arquivo.\n");
    }
}

TEST_F(Driver, SaveOpenRoundTrip) {
    // The player has Black, has moved the king, the display is turned.
    posicao('n', {{"e8", -REI}, {"h8", -TORRE}, {"e1", REI}, {"a1", TORRE}, {"b2", PEAO}});
    jogo->tabuleiro.poe(lparanumero('e', '8', 'n'), VAZIO);
    jogo->tabuleiro.poe(lparanumero('f', '8', 'n'), -REI);
    jogo->roque[PRETAS].rei_saiu = true;
    jogo->motor.lance_do_jogo = 7;
    jogo->lances_da_pessoa = 6;
    jogo->ultimo_lance = {'&', '1', 'a', '1'};
    jogo->tabuleironormal = false;
    digita("a.sav\n");
    jogo->save();
    const std::string salvo = arquivos.arquivos["a.sav"];
    EXPECT_EQ(salvo.substr(726), "&1a1TFFFFFT\n");
    const Tabuleiro antes = jogo->tabuleiro;
    const auto roque = jogo->roque;

    monta(); // a fresh program, Portuguese, player White
    jogo->motor.ingles = false;
    jogo->tabuleiro.posicao_inicial(true);
    impresso();
    digita("a.sav\nb.sav\n");
    jogo->open();
    EXPECT_EQ(impresso(), "Entre o nome do arquivo\nMy last move was: e1a1\n");
    EXPECT_EQ(jogo->tabuleiro, antes);
    EXPECT_EQ(jogo->resposta, 'n');
    EXPECT_TRUE(jogo->motor.ingles);
    EXPECT_FALSE(jogo->tabuleironormal);
    EXPECT_EQ(jogo->motor.lance_do_jogo, 7);
    EXPECT_EQ(jogo->lances_da_pessoa, 6);
    EXPECT_EQ(jogo->roque[PRETAS], roque[PRETAS]);
    // the computer's rights follow from its king and rooks at home or not
    EXPECT_EQ(jogo->roque[BRANCAS], (DireitosDeRoque{.torre_h_saiu = true}));
    jogo->save();
    EXPECT_EQ(arquivos.arquivos["b.sav"], salvo);
}

TEST_F(Driver, SavedCastlingFlagsOfThePlayerWhite) {
    struct Caso {
        DireitosDeRoque d;
        const char* flags;
    };
    const Caso casos[] = {{{.rei_saiu = true}, "FTFFF"},
                          {{.torre_a_saiu = true}, "FFTFF"},
                          {{.torre_h_saiu = true}, "FFFTF"},
                          {{.rei_saiu = true, .ja_rocou = true}, "FTFFT"}};
    for (const Caso& c : casos) {
        monta();
        jogo->tabuleiro.posicao_inicial(true);
        jogo->roque[BRANCAS] = c.d;
        jogo->roque[PRETAS] = {true, true, true, true}; // the computer's: not in the file
        digita("f\nf\n");
        jogo->save();
        const std::string salvo = arquivos.arquivos["f"];
        EXPECT_EQ(salvo.substr(730, 5), c.flags);
        jogo->roque = {};
        jogo->open();
        EXPECT_EQ(jogo->roque[BRANCAS], c.d);
    }
}

TEST_F(Driver, BadFilesLeaveTheGameAsItWas) {
    JogoSalvo bom;
    bom.tabuleiro.posicao_inicial(true);
    std::ostringstream texto;
    escreve_jogo_salvo(texto, bom);
    const std::string b = texto.str();
    auto com = [&](std::size_t pos, const std::string& campo) {
        std::string s = b;
        s.replace(pos, campo.size(), campo);
        return s;
    };
    JogoSalvo atacado = bom;
    atacado.tabuleiro.poe(13, VAZIO);
    atacado.tabuleiro.poe(29, -DAMA);
    std::ostringstream texto_atacado;
    escreve_jogo_salvo(texto_atacado, atacado);
    struct Caso {
        const char* nome;
        std::string conteudo;
    };
    const Caso casos[] = {
        {"empty", ""},
        {"short", b.substr(0, 400)},
        {"no flags", b.substr(0, 730)},
        {"six flags", b.substr(0, 736)},
        {"not a code", com(0, "          8")},
        {"not a number", com(0, "       rook")},
        {"two computer kings", com(11, "        999")},
        {"no player's king", com(660, "          0")},
        {"negative counter", com(704, "         -1")},
        {"computer's king attacked", texto_atacado.str()},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        monta();
        jogo->usa_tabuleiro = 'n';
        jogo->motor.ingles = false;
        posicao('s', {{"e1", -REI}, {"e8", REI}, {"e2", -PEAO}});
        jogo->ultimo_lance = {'d', '7', 'd', '5'};
        arquivos.arquivos["ruim"] = c.conteudo;
        const Tabuleiro antes = jogo->tabuleiro;
        EXPECT_TRUE(vez_dele("open\nruim\ne2e4\n"));
        EXPECT_EQ(impresso(), "Entre o nome do arquivo\nNao foi possivel carregar o jogo.\n"
                              "Qual e' seu movimento?\n");
        EXPECT_EQ(em("e4"), -PEAO);
        jogo->tabuleiro.poe(lparanumero('e', '4', 's'), VAZIO);
        jogo->tabuleiro.poe(lparanumero('e', '2', 's'), -PEAO);
        EXPECT_EQ(jogo->tabuleiro, antes);
        EXPECT_EQ(jogo->lances_da_pessoa, 1);
        EXPECT_FALSE(jogo->motor.ingles);
        EXPECT_EQ(jogo->ultimo_lance, (std::array<char, 4>{'d', '7', 'd', '5'}));
    }
}

TEST_F(Driver, NamesThatNameNoFile) {
    jogo->tabuleiro.posicao_inicial(true);
    arquivos.arquivos["a"] = "";
    digita(std::string("a\0b\n", 4) + "nada\n" + std::string("a\0b\n", 4));
    jogo->save();
    EXPECT_EQ(impresso(), "Enter the name of the file.\nThe game could not be saved.\n");
    EXPECT_EQ(arquivos.arquivos.size(), 1u);
    jogo->open();
    jogo->open();
    EXPECT_EQ(impresso(), "Enter the name of the file\nThe game could not be loaded.\n"
                          "Enter the name of the file\nThe game could not be loaded.\n");
    const std::string longo(5000, 'x');
    digita(longo + "\n");
    jogo->save();
    EXPECT_TRUE(arquivos.arquivos.contains(longo));
    arquivos.falhar_gravacao = true;
    digita("a\n");
    jogo->save();
    EXPECT_EQ(impresso(), "Enter the name of the file.\nEnter the name of the file.\n"
                          "The game could not be saved.\n");
    EXPECT_EQ(arquivos.arquivos["a"], "");
}

TEST_F(Driver, FileNameEndsWithTheInput) {
    digita("");
    EXPECT_THROW(jogo->save(), FimDoPrograma);
    EXPECT_THROW(jogo->open(), FimDoPrograma);
    EXPECT_TRUE(arquivos.arquivos.empty());
}

// A line longer than a hundred characters is read in pieces; what a command
// in the first piece reads next (a file name, a promotion number) is the rest
// of that same line.
TEST_F(Driver, TheRestOfALongLineIsWhatTheCommandReadsNext) {
    struct Caso {
        const char* palavra;
        const char* impresso; // what the command printed, after the name prompt
    };
    const Caso casos[] = {
        {"save", "Enter the name of the file.\nWhat is your move?\n"},
        {"open", "Enter the name of the file\nMy last move was: ----\nWhat is your move?\n"},
        {"load", "Enter the name of the file\nMy last move was: ----\nWhat is your move?\n"},
        {"pgn ", "Enter the name of the file.\nWhat is your move?\n"},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.palavra);
        monta();
        jogo->tabuleiro.posicao_inicial(true);
        digita("x.sav\n");
        jogo->save();
        impresso();
        const std::string linha = c.palavra + std::string(96, ' ');
        EXPECT_TRUE(vez_dele(linha + "x.sav\ne2e4\n"));
        EXPECT_EQ(impresso(), c.impresso);
        EXPECT_EQ(arquivos.arquivos.size(), 1u);
        EXPECT_EQ(em("e4"), -PEAO);
    }
    // the promotion dialog's number
    posicao('s', {{"e1", -REI}, {"a8", REI}, {"e7", -PEAO}});
    EXPECT_TRUE(vez_dele("e7e8" + std::string(96, ' ') + " 2\n"));
    EXPECT_EQ(em("e8"), -CAVALO);
}

// The engine build's protocol: force mode, "go", take-backs.
class Protocolo : public Driver {
  protected:
    void SetUp() override {
        monta(true);
        jogo->Apresentacao();
    }
};

TEST_F(Protocolo, ForceModePlaysBothColoursSilently) {
    EXPECT_FALSE(vez_dele("force\ne2e4\ne7e5\ng1f3\nb8c6\nd2d4\ne5d4\n"));
    EXPECT_EQ(impresso(), "");
    EXPECT_EQ(em("e4"), -PEAO);
    EXPECT_EQ(em("d4"), PEAO);
    EXPECT_EQ(em("c6"), CAVALO);
    EXPECT_EQ(em("f3"), -CAVALO);
    EXPECT_EQ(jogo->lances_da_pessoa, 3);
    EXPECT_EQ(jogo->motor.lance_do_jogo, 3);
    EXPECT_EQ(jogo->motor.numero_de_meu_movimento, 2);
    EXPECT_EQ(jogo->ultimo_lance, (std::array<char, 4>{'&', '5', 'd', '4'}));
    EXPECT_TRUE(jogo->vez_das_brancas);
    EXPECT_EQ(jogo->historico.size(), 6u);
}

TEST_F(Protocolo, ForceModeRefusesTheWrongColour) {
    EXPECT_FALSE(vez_dele("force\ne2e4\nd2d4\ne7e6\ne6e5\n"));
    EXPECT_EQ(impresso(), "Illegal move: d2d4\nIllegal move: e6e5\n");
    EXPECT_EQ(em("e6"), PEAO);
}

TEST_F(Protocolo, GoPlaysTheSideToMove) {
    struct Caso {
        const char* linhas;
        char resposta; // 'n': the computer took over White
    };
    const Caso casos[] = {
        {"go\n", 'n'},                    // the player's side: side swap
        {"force\ne2e4\ngo\n", 's'},       // already the computer's side
        {"force\ne2e4\ne7e5\ngo\n", 'n'}, // White to move again
    };
    for (const Caso& c : casos) {
        SetUp();
        EXPECT_TRUE(vez_dele(c.linhas)) << c.linhas;
        EXPECT_EQ(jogo->resposta, c.resposta) << c.linhas;
        EXPECT_FALSE(jogo->forcado);
        EXPECT_FALSE(jogo->vez_do_jogador()) << c.linhas;
    }
}

TEST_F(Protocolo, CastlingOfBothColoursInForceMode) {
    EXPECT_FALSE(vez_dele("force\ne2e4\ne7e5\ng1f3\ng8f6\nf1c4\nf8c5\ne1g1\ne8g8\n"));
    EXPECT_EQ(impresso(), "");
    EXPECT_EQ(em("g1"), -REI);
    EXPECT_EQ(em("f1"), -TORRE);
    EXPECT_EQ(em("g8"), REI);
    EXPECT_EQ(em("f8"), TORRE);
    EXPECT_TRUE(jogo->roque[BRANCAS].ja_rocou);
    EXPECT_TRUE(jogo->roque[PRETAS].ja_rocou);
    EXPECT_EQ(jogo->ultimo_lance, (std::array<char, 4>{'&', '8', 'g', '8'}));
}

TEST_F(Protocolo, QueenSideCastlingWithTheBSquareAttackedInForceMode) {
    // a computer's knight on a3 attacks b1, a player's knight on a6 attacks b8
    posicao('s', {{"e1", -REI},
                  {"a1", -TORRE},
                  {"e8", REI},
                  {"a8", TORRE},
                  {"a3", CAVALO},
                  {"a6", -CAVALO},
                  {"d2", -PEAO},
                  {"d7", PEAO}});
    EXPECT_FALSE(vez_dele("force\ne1c1\ne8c8\n"));
    EXPECT_EQ(impresso(), "");
    EXPECT_EQ(em("c1"), -REI);
    EXPECT_EQ(em("d1"), -TORRE);
    EXPECT_EQ(em("c8"), REI);
    EXPECT_EQ(em("d8"), TORRE);
}

TEST_F(Protocolo, CastlingRightsStayWithTheColour) {
    // Black's king walks and comes back; then the sides are swapped, so the
    // player has Black and may not castle, while White (now the computer's)
    // still may.
    posicao('s', {{"e1", -REI}, {"h1", -TORRE}, {"a2", -PEAO}, {"e8", REI}, {"h8", TORRE}});
    EXPECT_TRUE(vez_dele("force\na2a3\ne8f8\na3a4\nf8e8\ngo\n"));
    EXPECT_EQ(jogo->resposta, 'n');
    jogo->forcado = true;
    EXPECT_FALSE(vez_dele("e1g1\ne8g8\n"));
    EXPECT_EQ(em("g1"), REI);
    EXPECT_EQ(em("f1"), TORRE);
    EXPECT_EQ(em("e8"), -REI);
    EXPECT_EQ(impresso(), "Illegal move: e8g8\n");
    EXPECT_EQ(jogo->roque[PRETAS], (DireitosDeRoque{.rei_saiu = true}));
    EXPECT_EQ(jogo->roque[BRANCAS], (DireitosDeRoque{.rei_saiu = true, .ja_rocou = true}));
}

TEST_F(Protocolo, CaptureInPassingForBothColours) {
    EXPECT_FALSE(vez_dele("force\ne2e4\na7a6\ne4e5\nd7d5\ne5d6\n"));
    EXPECT_EQ(em("d6"), -PEAO);
    EXPECT_EQ(em("d5"), VAZIO);
    SetUp();
    EXPECT_FALSE(vez_dele("force\na2a3\ne7e5\na3a4\ne5e4\nd2d4\ne4d3\n"));
    EXPECT_EQ(em("d3"), PEAO);
    EXPECT_EQ(em("d4"), VAZIO);
    // only right after the double step
    SetUp();
    EXPECT_FALSE(vez_dele("force\ne2e4\na7a6\ne4e5\nd7d5\nh2h3\nh7h6\ne5d6\n"));
    EXPECT_EQ(impresso(), "Illegal move: e5d6\n");
    EXPECT_EQ(em("d5"), PEAO);
}

TEST_F(Protocolo, UndoAndRemoveRestoreEverything) {
    const Tabuleiro inicio = jogo->tabuleiro;
    vez_dele("force\ne2e4\ne7e5\ng1f3\n");
    const Lembranca depois_de_e5 = jogo->historico.back();
    jogo->motor.contagem_empate = 5;
    EXPECT_FALSE(vez_dele("undo\n"));
    EXPECT_EQ(jogo->tabuleiro, depois_de_e5.tabuleiro);
    EXPECT_EQ(jogo->motor.contagem_empate, 0);
    EXPECT_FALSE(jogo->vez_das_brancas == false);
    EXPECT_EQ(jogo->lances_da_pessoa, 1);
    EXPECT_EQ(jogo->motor.lance_do_jogo, 1);
    EXPECT_EQ(jogo->motor.numero_de_meu_movimento, 1);
    EXPECT_FALSE(vez_dele("remove\nremove\nundo\n"));
    EXPECT_EQ(jogo->tabuleiro, inicio);
    EXPECT_EQ(jogo->lances_da_pessoa, 0);
    EXPECT_EQ(jogo->motor.lance_do_jogo, 0);
    EXPECT_EQ(jogo->ultimo_lance, (std::array<char, 4>{'-', '-', '-', '-'}));
    EXPECT_TRUE(jogo->vez_das_brancas);
    EXPECT_EQ(impresso(), "");
}

TEST_F(Protocolo, UndoEntersForceModeAndRemoveDoesNot) {
    jogo->forcado = false;
    vez_dele("undo\n");
    EXPECT_TRUE(jogo->forcado);
    SetUp();
    vez_dele("remove\n");
    EXPECT_FALSE(jogo->forcado);
    // castling rights come back with the move taken back
    posicao('s', {{"e1", -REI}, {"h1", -TORRE}, {"e8", REI}});
    vez_dele("force\ne1f1\n");
    EXPECT_TRUE(jogo->roque[BRANCAS].rei_saiu);
    vez_dele("undo\n");
    EXPECT_FALSE(jogo->roque[BRANCAS].rei_saiu);
}

TEST_F(Protocolo, ResultEndsTheGameUntilNew) {
    vez_dele("result 1-0 {White mates}\n");
    EXPECT_TRUE(jogo->motor.acabou);
    vez_dele("force\ne2e4\nnew\n");
    EXPECT_FALSE(jogo->motor.acabou);
    EXPECT_FALSE(jogo->forcado);
    EXPECT_TRUE(jogo->historico.empty());
    EXPECT_EQ(em("e2"), -PEAO);
}

// The GUI may send the player's moves after the game has ended. A move of
// the player's leaves the computer's colour to move, so "go" then changes
// no sides: the game saved afterwards is the player's, White, as it stood.
TEST_F(Protocolo, PlayersMoveAfterTheComputerIsMatedThenGoThenSave) {
    digita("force\ne2e4\ne7e5\nf1c4\nb8c6\nd1h5\ng8f6\nh5f7\ngo\n"
           "a2a3\ngo\nsave\nfim.sav\n");
    EXPECT_EQ(jogo->executa(), 0);
    EXPECT_EQ(impresso(), "1-0 {White Mates}\nEnter the name of the file.\nWhat is your move?\n");
    EXPECT_EQ(jogo->resposta, 's');
    EXPECT_FALSE(jogo->vez_do_jogador());
    // (the program would not load this file back: the computer's king stands
    // attacked in it)
    const std::string& f = arquivos.arquivos["fim.sav"];
    ASSERT_EQ(f.size(), 738u);
    const auto campo = [&](int i) { return std::stoi(f.substr(11 * i, 11)); };
    const std::map<std::string, int> casas = {{"a3", -PEAO}, {"a2", VAZIO},  {"f7", -DAMA},
                                              {"e8", REI},   {"f6", CAVALO}, {"e1", -REI}};
    for (const auto& [nome, codigo] : casas)
        EXPECT_EQ(campo(lparanumero(nome[0], nome[1], 's') - 1), codigo) << nome;
    for (int i = 0; i < 64; ++i) EXPECT_EQ(campo(i), jogo->tabuleiro[i + 1]) << i;
    EXPECT_EQ(campo(64), 3);
    EXPECT_EQ(campo(65), 5);
    EXPECT_EQ(f.substr(726), "g8f6FFFFFTT\n");
}

} // namespace
} // namespace quelmaro
