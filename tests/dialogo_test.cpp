#include <gtest/gtest.h>

#include "frente_apoio.hpp"
#include "game/jogo_salvo.hpp"

namespace quelmaro {
namespace {

const std::string RECUSA = "This move is not allowed. What is your move?\n";

TEST_F(NoConsole, Castling) {
    struct Caso {
        const char* nome;
        bool brancas; // the player White
        Pecas extra;  // besides kings on e1, e8 and the player's rooks
        const char* linha;
        bool aceito;
        const char *rei, *torre; // where the player's king and rook end
    };
    // clang-format off
    const Caso casos[] = {
        {"white short", true, {}, "O-O", true, "g1", "f1"},
        {"white short as squares", true, {}, "e1g1", true, "g1", "f1"},
        {"white short, digit zeros", true, {}, "0-0", true, "g1", "f1"},
        {"white long", true, {}, "O-O-O", true, "c1", "d1"},
        {"white long as squares", true, {}, "e1c1", true, "c1", "d1"},
        {"black short", false, {}, "o-o", true, "g8", "f8"},
        {"black short as squares", false, {}, "e8g8", true, "g8", "f8"},
        {"black long", false, {}, "o-o-o", true, "c8", "d8"},
        {"white long, b1 attacked", true, {{"a3", 4}}, "O-O-O", true, "c1", "d1"},
        {"black long, b8 attacked", false, {{"a6", 4}}, "O-O-O", true, "c8", "d8"},
        {"white long, d1 attacked", true, {{"d3", 7}, {"d2", 0}}, "O-O-O", false, "e1", "a1"},
        {"white long, b1 occupied", true, {{"b1", -4}}, "O-O-O", false, "e1", "a1"},
        {"white short, in check", true, {{"e3", 7}, {"e2", 0}}, "O-O", false, "e1", "h1"},
        {"white short, g1 attacked", true, {{"h3", 4}}, "O-O", false, "e1", "h1"},
        {"white short, f1 attacked by a pawn", true, {{"e2", 1}}, "O-O", false, "e1", "h1"},
        {"white short, g1 attacked by a pawn", true, {{"h2", 1}}, "O-O", false, "e1", "h1"},
        {"white short, pawn on f2 before f1", true, {{"f2", 1}}, "O-O", false, "e1", "h1"},
        {"white short, pawn not attacking", true, {{"c2", 1}, {"h3", 1}}, "O-O", true, "g1", "f1"},
        {"black short, f8 attacked by a pawn", false, {{"g7", 1}}, "O-O", false, "e8", "h8"},
        {"black short, h8 attacked only", false, {{"h3", 7}}, "O-O", true, "g8", "f8"},
        {"white short, f1 occupied", true, {{"f1", -3}}, "O-O", false, "e1", "h1"},
        {"black long, king's word in white's notation", false, {}, "e1c1", false, "e8", "a8"},
    };
    // clang-format on
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        monta();
        const bool brancas = c.brancas;
        Pecas pecas = {{brancas ? "e1" : "e8", -REI},
                       {brancas ? "e8" : "e1", REI},
                       {brancas ? "a1" : "a8", -TORRE},
                       {brancas ? "h1" : "h8", -TORRE},
                       {brancas ? "a2" : "a7", -PEAO}};
        for (const auto& [casa, codigo] : c.extra) pecas[casa] = codigo;
        posicao(brancas, pecas);
        ASSERT_TRUE(vez_dele(std::string(c.linha) + "\n") || !c.aceito);
        EXPECT_EQ(em(c.rei), -REI);
        EXPECT_EQ(em(c.torre), -TORRE);
        EXPECT_EQ(estado().lances_da_pessoa(), c.aceito ? 1 : 0);
        EXPECT_EQ(estado().roques()[brancas ? BRANCAS : PRETAS].ja_rocou, c.aceito);
        if (!c.aceito) {
            EXPECT_EQ(impresso(), RECUSA);
        }
    }
}

TEST_F(NoConsole, CastlingRefusedOnceTheKingOrRookHasMoved) {
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
        posicao(true, {{"e1", -REI}, {"a1", -TORRE}, {"h1", -TORRE}, {"e8", REI}});
        digita(c.lances);
        frente->pos_lance_dele();
        frente->pos_lance_dele();
        impresso();
        vez_dele(std::string(c.roque) + "\n");
        EXPECT_EQ(em("e1") == VAZIO, c.aceito);
        EXPECT_EQ(impresso(), c.aceito ? "" : RECUSA);
    }
}

TEST_F(NoConsole, AfterCastlingNoSecondCastling) {
    posicao(true, {{"e1", -REI}, {"a1", -TORRE}, {"h1", -TORRE}, {"e8", REI}});
    ASSERT_TRUE(vez_dele("O-O\n"));
    ASSERT_TRUE(vez_dele("g1e1\nf1h1\n") == false); // the king cannot walk two squares
    EXPECT_EQ(em("g1"), -REI);
}

TEST_F(NoConsole, CastlingWordNeverMovesAnotherPiece) {
    posicao(true, {{"e1", -TORRE}, {"a1", -TORRE}, {"g2", -REI}, {"e8", REI}});
    EXPECT_FALSE(vez_dele("O-O-O\n"));
    EXPECT_EQ(em("e1"), -TORRE);
    EXPECT_EQ(em("c1"), VAZIO);
    EXPECT_EQ(impresso(), RECUSA);
}

TEST_F(NoConsole, MoveChecks) {
    struct Caso {
        const char* nome;
        Pecas pecas;
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
        posicao(true, c.pecas);
        const Tabuleiro antes = estado().tabuleiro();
        EXPECT_EQ(vez_dele(std::string(c.linha) + "\n"), c.aceito);
        EXPECT_EQ(estado().tabuleiro() == antes, !c.aceito);
        EXPECT_EQ(impresso(), c.aceito ? "" : RECUSA);
    }
}

TEST_F(NoConsole, RefusalLineInPortuguese) {
    exibicao().ingles = false;
    posicao(true, {{"e1", -REI}, {"e8", REI}});
    EXPECT_FALSE(vez_dele("e2e4\n"));
    EXPECT_EQ(impresso(), "Esse movimento nao e' permitido. Qual e' seu movimento?\n");
}

TEST_F(NoConsole, ConsolePromotionDialog) {
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
        exibicao().ingles = c.ingles;
        // (the pawn on h2 keeps a knight or bishop from ending the game)
        posicao(true, {{"e1", -REI}, {"a8", REI}, {"e7", -PEAO}, {"h2", -PEAO}});
        EXPECT_TRUE(vez_dele(std::string("e7e8\n") + c.respostas));
        EXPECT_EQ(em("e8"), c.codigo);
        std::string esperado;
        for (int i = 0; i < c.perguntas; ++i) esperado += c.ingles ? ingles : portugues;
        EXPECT_EQ(impresso(), esperado);
    }
}

TEST_F(NoConsole, ConsolePromotionEndsWithTheInput) {
    posicao(true, {{"e1", -REI}, {"a8", REI}, {"e7", -PEAO}});
    EXPECT_FALSE(vez_dele("e7e8\n9\n"));
}

TEST_F(NoConsole, PlayHandsTheMoveToTheComputer) {
    exibicao().usa_tabuleiro = 's';
    EXPECT_TRUE(vez_dele("PLAY\n"));
    EXPECT_FALSE(estado().jogador_tem_brancas());
    EXPECT_EQ(impresso(), ""); // no drawing after the swap
    EXPECT_EQ(em("e1"), REI);  // the computer now has White
    EXPECT_EQ(estado().lances_da_pessoa(), 0);
}

std::string linhas(std::initializer_list<const char*> l) {
    std::string s;
    for (const char* x : l) (s += x) += '\n';
    return s;
}

TEST_F(NoConsole, DrawingInBothOrientationsAndLanguages) {
    exibicao().usa_tabuleiro = 's';
    Estado e;
    e.novo_jogo(false);
    e.poe_contadores(4, 3, 2);
    jogo().poe_estado(e);
    frente->escreve_tabuleiro();
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
    exibicao().ingles = false;
    exibicao().maquina_no_alto = false;
    frente->escreve_tabuleiro();
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
    exibicao().usa_tabuleiro = 'n';
    frente->escreve_tabuleiro();
    EXPECT_EQ(impresso(), "");
}

TEST_F(NoConsole, CommandsBetweenMoves) {
    exibicao().usa_tabuleiro = 'n';
    posicao(true, {{"e1", -REI}, {"e8", REI}, {"e2", -PEAO}});
    // turn, then save: the prompt, then the save dialog
    EXPECT_TRUE(vez_dele("turn\nsave\njogo\ne2e4\n"));
    EXPECT_EQ(impresso(), "What is your move?\nEnter the name of the file.\nWhat is your move?\n");
    EXPECT_FALSE(exibicao().maquina_no_alto);
    // with the drawing on, save then turn shows the board once more in between
    exibicao().usa_tabuleiro = 's';
    EXPECT_TRUE(vez_dele("save\njogo\nturn\ne4e5\n"));
    const std::string s = impresso();
    std::size_t desenhos = 0;
    for (std::size_t p = 0; (p = s.find("Quelmaro ", p)) != std::string::npos; ++p) ++desenhos;
    EXPECT_EQ(desenhos, 3u); // extra, after turn, after the move
    EXPECT_TRUE(exibicao().maquina_no_alto);
    EXPECT_TRUE(s.starts_with("Enter the name of the file.\nWhat is your move?\n     Human  "));
}

TEST_F(NoConsole, SaveAtTheStart) {
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
        exibicao().ingles = c.ingles;
        exibicao().maquina_no_alto = c.normal;
        EXPECT_FALSE(vez_dele("save\ninicio.sav\n"));
        const std::string& f = arquivos.arquivos["inicio.sav"];
        ASSERT_EQ(f.size(), 738u);
        EXPECT_EQ(f.substr(0, 55), "          7          4          3         20        999");
        EXPECT_EQ(f.substr(726), c.fim);
        EXPECT_EQ(impresso(), c.ingles ? "Enter the name of the file.\nWhat is your move?\n"
                                       : "Entre o nome do arquivo.\nQual e' seu movimento?\n");
    }
}

TEST_F(NoConsole, SaveOpenRoundTrip) {
    // The player has Black, has moved the king, the display is turned.
    Estado e =
        estado_com(false, {{"f8", -REI}, {"h8", -TORRE}, {"e1", REI}, {"a1", TORRE}, {"b2", PEAO}});
    Roques roques{};
    roques[PRETAS].rei_saiu = true;
    e.poe_posicao(e.tabuleiro(), false, false, roques, 0);
    e.poe_contadores(7, 6, 2);
    e.poe_ultimo_lance({'&', '1', 'a', '1'});
    jogo().poe_estado(e);
    exibicao().maquina_no_alto = false;
    vez_dele("save\na.sav\n");
    const std::string salvo = arquivos.arquivos["a.sav"];
    EXPECT_EQ(salvo.substr(726), "&1a1TFFFFFT\n");

    monta(); // a fresh program, Portuguese, player White
    exibicao().ingles = false;
    impresso();
    vez_dele("open\na.sav\n");
    EXPECT_EQ(impresso(), "Entre o nome do arquivo\nMy last move was: e1a1\nWhat is your move?\n");
    EXPECT_EQ(estado().tabuleiro(), e.tabuleiro());
    EXPECT_FALSE(estado().jogador_tem_brancas());
    EXPECT_TRUE(exibicao().ingles);
    EXPECT_FALSE(exibicao().maquina_no_alto);
    EXPECT_EQ(estado().lance_do_jogo(), 7);
    EXPECT_EQ(estado().lances_da_pessoa(), 6);
    EXPECT_EQ(estado().roques()[PRETAS], roques[PRETAS]);
    // the computer's rights follow from its king and rooks at home or not
    EXPECT_EQ(estado().roques()[BRANCAS], (DireitosDeRoque{.torre_h_saiu = true}));
    vez_dele("save\nb.sav\n");
    EXPECT_EQ(arquivos.arquivos["b.sav"], salvo);
}

TEST_F(NoConsole, SavedCastlingFlagsOfThePlayerWhite) {
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
        Estado e = estado();
        // the computer's rights are not in the file
        e.poe_posicao(e.tabuleiro(), true, true, {c.d, {true, true, true, true}}, 0);
        jogo().poe_estado(e);
        vez_dele("save\nf\n");
        EXPECT_EQ(arquivos.arquivos["f"].substr(730, 5), c.flags);
        e.poe_posicao(e.tabuleiro(), true, true, {}, 0);
        jogo().poe_estado(e);
        vez_dele("open\nf\n");
        EXPECT_EQ(estado().roques()[BRANCAS], c.d);
    }
}

TEST_F(NoConsole, BadFilesLeaveTheGameAsItWas) {
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
        const char* motivo; // the line after "could not be loaded"
    };
    const char* danificado = "É um jogo salvo incompleto ou danificado.";
    const Caso casos[] = {
        {"empty", "", "Não é uma partida: nem um jogo salvo, nem uma FEN, nem uma partida PGN."},
        {"short", b.substr(0, 400), danificado},
        {"no flags", b.substr(0, 730), danificado},
        {"six flags", b.substr(0, 736), danificado},
        {"not a code", com(0, "          8"), danificado},
        {"not a number", com(0, "       rook"), "O lance 1. rook não é um lance."},
        {"two computer kings", com(11, "        999"), danificado},
        {"no player's king", com(660, "          0"), danificado},
        {"negative counter", com(704, "         -1"), danificado},
        {"computer's king attacked", texto_atacado.str(), danificado},
        {"a FEN of two white kings", "4k3/8/8/8/8/8/8/3KK3 w - - 0 1\n",
         "A FEN não é uma posição que se possa jogar: não tem um rei de cada cor."},
        {"a PGN game with an illegal move", "[Event \"x\"]\n\n1. e4 e5 2. Ke3 *\n",
         "O lance 2. Ke3 não é legal nessa posição."},
        {"a folder", "", "Esse nome é de uma pasta, não de um arquivo."},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        monta();
        exibicao().ingles = false;
        Estado e = estado_com(true, {{"e1", -REI}, {"e8", REI}, {"e2", -PEAO}});
        e.poe_ultimo_lance({'d', '7', 'd', '5'});
        jogo().poe_estado(e);
        arquivos.arquivos["ruim"] = c.conteudo;
        if (std::string_view(c.nome) == "a folder") arquivos.pastas.insert("ruim");
        EXPECT_TRUE(vez_dele("open\nruim\ne2e4\n"));
        EXPECT_EQ(impresso(), "Entre o nome do arquivo\nNão foi possível carregar o jogo.\n" +
                                  std::string(c.motivo) + "\nQual e' seu movimento?\n");
        // only the move was made
        e.move(numero_da_casa('e', '2', false), numero_da_casa('e', '4', false));
        EXPECT_EQ(estado().tabuleiro(), e.tabuleiro());
        EXPECT_EQ(estado().lances_da_pessoa(), 1);
        EXPECT_FALSE(exibicao().ingles);
        EXPECT_EQ(estado().ultimo_lance(), (UltimoLance{'d', '7', 'd', '5'}));
    }
}

TEST_F(NoConsole, NamesThatNameNoFile) {
    const std::string nulo("a\0b\n", 4);
    const std::string pedido = "What is your move?\n";
    arquivos.arquivos["a"] = "";
    vez_dele("save\n" + nulo);
    EXPECT_EQ(impresso(), "Enter the name of the file.\nThe game could not be saved.\n"
                          "No file name was given.\n" +
                              pedido);
    EXPECT_EQ(arquivos.arquivos.size(), 1u);
    vez_dele("open\nnada\nopen\n" + nulo);
    EXPECT_EQ(impresso(), "Enter the name of the file\nThe game could not be loaded.\n"
                          "There is no file of that name.\n" +
                              pedido +
                              "Enter the name of the file\nThe game could not be loaded.\n"
                              "No file name was given.\n" +
                              pedido);
    const std::string longo(5000, 'x');
    vez_dele("save\n" + longo + "\n");
    EXPECT_TRUE(arquivos.arquivos.contains(longo));
    arquivos.falhar_gravacao = true;
    impresso();
    // each reason a write can fail for, said after the failure
    for (const auto& [falha, motivo] :
         std::initializer_list<std::pair<FalhaDeGravacao, const char*>>{
             {FalhaDeGravacao::erro, "The system could not write it."},
             {FalhaDeGravacao::especial,
              "That name is not a regular file: a device, a FIFO or a socket."},
             {FalhaDeGravacao::sem_espaco, "The disk is full."},
             {FalhaDeGravacao::so_leitura, "The file system is read-only."},
             {FalhaDeGravacao::pasta_sem_permissao,
              "Its folder may not be written (no permission)."}}) {
        arquivos.falha_de_gravacao = falha;
        vez_dele("save\na\n");
        EXPECT_EQ(impresso(), "Enter the name of the file.\nThe game could not be saved.\n" +
                                  std::string(motivo) + "\n" + pedido);
    }
    EXPECT_EQ(arquivos.arquivos["a"], "");
}

TEST_F(NoConsole, FileNameEndsWithTheInput) {
    EXPECT_FALSE(vez_dele("save\n"));
    EXPECT_FALSE(vez_dele("open\n"));
    EXPECT_TRUE(arquivos.arquivos.empty());
}

// A line longer than a hundred characters is read in pieces; what a command
// in the first piece reads next (a file name, a promotion number) is the rest
// of that same line.
TEST_F(NoConsole, TheRestOfALongLineIsWhatTheCommandReadsNext) {
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
        vez_dele("save\nx.sav\n");
        impresso();
        const std::string linha = c.palavra + std::string(96, ' ');
        EXPECT_TRUE(vez_dele(linha + "x.sav\ne2e4\n"));
        EXPECT_EQ(impresso(), c.impresso);
        EXPECT_EQ(arquivos.arquivos.size(), 1u);
        EXPECT_EQ(em("e4"), -PEAO);
    }
    // the promotion dialog's number
    posicao(true, {{"e1", -REI}, {"a8", REI}, {"e7", -PEAO}, {"h2", -PEAO}});
    EXPECT_TRUE(vez_dele("e7e8" + std::string(96, ' ') + " 2\n"));
    EXPECT_EQ(em("e8"), -CAVALO);
}

// What the move prompt makes of its lines: a line longer than a hundred
// characters is read in pieces, each a line of its own; the engine build's
// questions are read past in silence.
TEST_F(NoConsole, LinesReadAtThePrompt) {
    struct Caso {
        const char* nome;
        std::string linhas;
        const char* impresso;
        bool lance; // e2e4 was played and the turn ended
    };
    const Caso casos[] = {
        {"a hundred characters read past", std::string(100, 'x') + "e2e4\n", "", true},
        {"ninety-nine: the command cut in two", std::string(99, 'x') + "save\nf\n", "", false},
        {"a command at the start of the third piece", std::string(200, 'x') + "save\nf\ne2e4\n",
         "Enter the name of the file.\nWhat is your move?\n", true},
        {"a command that starts no piece", std::string(201, 'x') + "save\n", "", false},
        {"the engine build's questions", "protover 2\nping 7\nxboard\nforce\ne2e4\n", "", true},
        {"a blank before the move", " e2e4\n", "", false},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        monta();
        EXPECT_EQ(vez_dele(c.linhas), c.lance);
        EXPECT_EQ(impresso(), c.impresso);
        EXPECT_EQ(em("e4"), c.lance ? -PEAO : VAZIO);
    }
    // The rest of a line after a move is the next turn's line.
    monta();
    ASSERT_TRUE(vez_dele("e2e4" + std::string(96, 'x') + "d2d4\n"));
    frente->pos_lance_dele();
    EXPECT_EQ(em("d4"), -PEAO);
}

// The player's "draw" with no claim standing: the draw the computer would
// offer itself is agreed, any other declined; both said in words.
TEST_F(NoConsole, DrawOfferedAfterTenMovesWithoutAMaterialLead) {
    const std::string ACEITO =
        "No draw can be claimed here, but I accept your offer: the game is a draw.\n";
    const std::string RECUSADO =
        "No draw can be claimed here, and I decline your offer: play on.\n";
    const std::string ACABOU = "The game is over: new, undo, moves, pgn, save or quit.\n";
    const std::string PEDIDO = "What is your move?\n";
    struct Caso {
        int lance_do_jogo;
        const char* vazia; // a square emptied in the starting position
        bool oferece;
    };
    const Caso casos[] = {
        {11, "", true},   {10, "", false},
        {30, "", true},   {11, "a2", false}, // the computer a pawn up
        {11, "a7", true},                    // the player a pawn up
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(std::to_string(c.lance_do_jogo) + " " + c.vazia);
        Estado e;
        e.novo_jogo(true);
        Tabuleiro t = e.tabuleiro();
        if (*c.vazia) t.poe(numero_da_casa(c.vazia[0], c.vazia[1], false), VAZIO);
        e.poe_posicao(t, true, true, {}, 0);
        e.poe_contadores(c.lance_do_jogo, c.lance_do_jogo, 2);
        jogo().poe_estado(e);
        // Agreed, the game is over and e2e4 is not played; declined, it is.
        EXPECT_EQ(vez_dele("draw\ne2e4\n"), !c.oferece);
        EXPECT_EQ(impresso(), c.oferece ? ACEITO + ACABOU + ACABOU : RECUSADO + PEDIDO);
        EXPECT_EQ(em("e4"), c.oferece ? VAZIO : -PEAO);
        EXPECT_EQ(jogo().termino(), c.oferece ? Termino::empate_acordado : Termino::nenhum);
    }
}

} // namespace
} // namespace quelmaro
