// The player's turn at the console (src/console/vez_dele.cpp): moves typed in
// coordinates and in SAN, castling, the lines read at the prompt, and each of
// the console's commands, in the order "help" lists them (draw, why, hint,
// undo, pgn, moves), then the game's words (save, open, turn, play).
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <random>
#include <utility>
#include <vector>

#include "chess/lances.hpp"
#include "chess/pgn_leitura.hpp"
#include "chess/san.hpp"
#include "frente_apoio.hpp"
#include "game/jogo_salvo.hpp"
#include "game/regras_do_jogador.hpp"

namespace quelmaro {
namespace {

// The groups of tests, one fixture for all.
using Coordenadas = NoConsole; // moves typed in coordinates
using Linhas = NoConsole;      // the lines read at the prompt
using Roque = NoConsole;       // castling
using San = NoConsole;         // moves typed in SAN
using Draw = NoConsole;
using Why = NoConsole;
using Hint = NoConsole;
using Undo = NoConsole;
using Pgn = NoConsole;
using Moves = NoConsole;
using SaveAndOpen = NoConsole; // "save", "open" (and "load")
using TurnAndPlay = NoConsole;

const std::string PEDIDO = "What is your move?\n";
const std::string RECUSA = "This move is not allowed. What is your move?\n";
const std::string ACABOU = "The game is over: new, undo, moves, pgn, save or quit.\n";

// The last move of the game's history in coordinates, without a promotion letter.
std::string ultimo_lance_da_historia(const Jogo& jogo) {
    return xadrez::escreve_coordenadas(jogo.historico().back().lance).substr(0, 4);
}

std::string pgn_de(const char* fen, const char* lances) {
    return std::string("[FEN \"") + fen + "\"]\n\n" + lances + " *\n";
}

constexpr const char* INICIO = "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1";

// --- Moves in coordinates ---

TEST_F(Coordenadas, MoveChecks) {
    struct Caso {
        const char* nome;
        Pecas pecas;
        const char* linha;
        bool aceito;
        bool ingles = true; // the refusal's language
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
        {"empty square, in Portuguese", {{"e1", -REI}, {"e8", REI}}, "e2e4", false, false},
    };
    // clang-format on
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        monta();
        exibicao().ingles = c.ingles;
        posicao(true, c.pecas);
        const Tabuleiro antes = estado().tabuleiro();
        EXPECT_EQ(vez_dele(std::string(c.linha) + "\n"), c.aceito);
        EXPECT_EQ(estado().tabuleiro() == antes, !c.aceito);
        const std::string recusa =
            c.ingles ? RECUSA : "Esse movimento nao e' permitido. Qual e' seu movimento?\n";
        EXPECT_EQ(impresso(), c.aceito ? "" : recusa);
    }
}

// --- The lines read at the prompt ---

// A line longer than a hundred characters is read in pieces; what a command
// in the first piece reads next (a file name, a promotion number) is the rest
// of that same line.
TEST_F(Linhas, TheRestOfALongLineIsWhatTheCommandReadsNext) {
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
TEST_F(Linhas, LinesReadAtThePrompt) {
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

// --- Castling ---

TEST_F(Roque, Castling) {
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
        EXPECT_EQ(estado().direitos_de_roque()[brancas ? BRANCAS : PRETAS].ja_rocou, c.aceito);
        if (!c.aceito) {
            EXPECT_EQ(impresso(), RECUSA);
        }
    }
}

TEST_F(Roque, CastlingRefusedOnceTheKingOrRookHasMoved) {
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

TEST_F(Roque, AfterCastlingNoSecondCastling) {
    posicao(true, {{"e1", -REI}, {"a1", -TORRE}, {"h1", -TORRE}, {"e8", REI}});
    ASSERT_TRUE(vez_dele("O-O\n"));
    ASSERT_TRUE(vez_dele("g1e1\nf1h1\n") == false); // the king cannot walk two squares
    EXPECT_EQ(em("g1"), -REI);
}

TEST_F(Roque, CastlingWordNeverMovesAnotherPiece) {
    posicao(true, {{"e1", -TORRE}, {"a1", -TORRE}, {"g2", -REI}, {"e8", REI}});
    EXPECT_FALSE(vez_dele("O-O-O\n"));
    EXPECT_EQ(em("e1"), -TORRE);
    EXPECT_EQ(em("c1"), VAZIO);
    EXPECT_EQ(impresso(), RECUSA);
}

// --- Moves in SAN ---

TEST_F(San, MovesInSanInBothLanguages) {
    struct Caso {
        const char* nome;
        bool ingles;
        const char* fen; // empty: the ordinary start
        const char* linhas;
        std::string impresso;
        std::vector<std::pair<const char*, int>> casas; // afterwards
    };
    const char* const TORRE_E_REI = "4k3/8/8/8/8/8/8/R3K3 w Q - 0 1";
    const char* const DOIS_CAVALOS = "4k3/8/8/8/8/5N2/8/1N2K3 w - - 0 1";
    const char* const PEAO_NA_SETIMA = "r3k3/1P6/8/8/8/8/8/4K3 w - - 0 1";
    const char* const EN_PASSANT = "4k3/8/8/3pP3/8/8/8/4K3 w - d6 0 2";
    const std::string OPCOES = " 1- Queen, 2- Knight, 3- Bishop, 4- Rook.\n";
    // clang-format off
    const Caso casos[] = {
        {"pawn move", true, "", "e4\n", "", {{"e4", -PEAO}, {"e2", VAZIO}}},
        {"knight, Portuguese letter", false, "", "Cf3\n", "", {{"f3", -CAVALO}}},
        {"knight, English letter in Portuguese", false, "", "Nf3\n", "", {{"f3", -CAVALO}}},
        {"English R is the rook", true, TORRE_E_REI, "Rd1\n", "", {{"d1", -TORRE}, {"e1", -REI}}},
        {"Portuguese R is the king", false, TORRE_E_REI, "Rd1\n", "", {{"d1", -REI}, {"a1", -TORRE}}},
        {"Portuguese T in English", true, TORRE_E_REI, "Td1\n", "", {{"d1", -TORRE}}},
        {"ambiguous, then by file", true, DOIS_CAVALOS, "Nd2\nNbd2\n",
         "Ambiguous move: Nbd2 or Nfd2?\n" + PEDIDO, {{"d2", -CAVALO}, {"b1", VAZIO}}},
        {"ambiguous in Portuguese", false, DOIS_CAVALOS, "Cxd2\nCfd2\n",
         "Lance ambíguo: Cbd2 ou Cfd2?\nQual e' seu movimento?\n", {{"d2", -CAVALO}, {"f3", VAZIO}}},
        {"three candidates", true, "4k3/8/8/8/8/1N3N2/8/1N2K3 w - - 0 1", "Nd2\nNfd2\n",
         "Ambiguous move: N1d2, Nb3d2 or Nfd2?\n" + PEDIDO, {{"d2", -CAVALO}, {"f3", VAZIO}}},
        {"a pin removes the ambiguity", true, "4k3/8/8/8/1b6/8/3N4/4K1N1 w - - 0 1", "Nf3\n", "",
         {{"f3", -CAVALO}, {"d2", -CAVALO}, {"g1", VAZIO}}},
        {"rank disambiguation", true, "4k3/8/8/R7/8/8/8/R3K3 w - - 0 1", "R1a3\n", "",
         {{"a3", -TORRE}, {"a5", -TORRE}, {"a1", VAZIO}}},
        {"promotion named: no dialog", true, PEAO_NA_SETIMA, "b8=Q\n", "", {{"b8", -DAMA}}},
        {"promotion named without =", true, PEAO_NA_SETIMA, "b8N\n", "", {{"b8", -CAVALO}}},
        {"promotion by capture, Portuguese", false, PEAO_NA_SETIMA, "bxa8=T+\n", "",
         {{"a8", -TORRE}, {"b8", VAZIO}}},
        {"promotion without its piece: the dialog", true, PEAO_NA_SETIMA, "b8\n4\n", OPCOES,
         {{"b8", -TORRE}}},
        // Coordinates with the piece's letter: the English ones, and in a
        // Portuguese game its own too; any other letter leaves the dialog.
        {"coordinates with q", true, PEAO_NA_SETIMA, "b7b8q\n", "", {{"b8", -DAMA}}},
        {"coordinates with N", true, PEAO_NA_SETIMA, "b7b8N\n", "", {{"b8", -CAVALO}}},
        {"coordinates with d, Portuguese", false, PEAO_NA_SETIMA, "b7b8d\n", "", {{"b8", -DAMA}}},
        {"coordinates with c, Portuguese", false, PEAO_NA_SETIMA, "b7b8c\n", "", {{"b8", -CAVALO}}},
        {"coordinates with t, Portuguese", false, PEAO_NA_SETIMA, "b7b8t\n", "", {{"b8", -TORRE}}},
        {"coordinates with r, Portuguese", false, PEAO_NA_SETIMA, "b7b8r\n", "", {{"b8", -TORRE}}},
        {"coordinates with b, Portuguese", false, PEAO_NA_SETIMA, "b7-b8b\n", "", {{"b8", -BISPO}}},
        {"a Portuguese letter in English: the dialog", true, PEAO_NA_SETIMA, "b7b8d\n2\n", OPCOES,
         {{"b8", -CAVALO}}},
        {"capture in passing", true, EN_PASSANT, "exd6\n", "", {{"d6", -PEAO}, {"d5", VAZIO}}},
        {"capture in passing without x", true, EN_PASSANT, "ed6\n", "", {{"d6", -PEAO}, {"d5", VAZIO}}},
        {"capture in passing with a colon", true, EN_PASSANT, "e:d6\n", "", {{"d5", VAZIO}}},
        {"castling with a mark", true, "4k3/8/8/8/8/8/8/4K2R w K - 0 1", "O-O!\n", "",
         {{"g1", -REI}, {"f1", -TORRE}}},
        {"long castling with a mark, Black", true, "r3k3/8/8/8/8/8/8/4K3 b q - 0 1", "O-O-O+\n", "",
         {{"c8", -REI}, {"d8", -TORRE}}},
        {"no legal move named: the refusal", true, "", "Nf6\ne4\n", RECUSA, {{"e4", -PEAO}}},
        {"no legal move in Portuguese", false, "", "Dh5\ne4\n",
         "Esse movimento nao e' permitido. Qual e' seu movimento?\n", {{"e4", -PEAO}}},
        {"not SAN: read past in silence", true, "", "hello\nNf\ne9\nnova\n0-0-0\no-O\n\ne4\n", "", {{"e4", -PEAO}}},
        {"the rest of the line ignored", true, "", "Nf3 is my move\n", "", {{"f3", -CAVALO}}},
    };
    // clang-format on
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        partida(c.ingles, c.fen);
        ASSERT_TRUE(vez_dele(c.linhas));
        EXPECT_EQ(impresso(), c.impresso);
        for (const auto& [casa, codigo] : c.casas) EXPECT_EQ(em(casa), codigo) << casa;
        EXPECT_EQ(jogo().historico().size(), 1u);
    }
}

// A console session that can be fed line by line.
struct Sessao : BancadaDoConsole {
    explicit Sessao(const std::string& teclas) {
        digita(teclas);
        frente->apresenta();
    }
};

// Seeded random games, the player's moves typed in coordinates in one session
// and in SAN in the other: the two print the same, byte for byte. At the end
// the game is written as PGN, loaded again and written again: the two files
// are the same.
TEST(SanSessao, AWholeGameInSanPrintsWhatItPrintsInCoordinates) {
    int lances = 0, recargas = 0;
    for (int semente = 1; semente <= 16; ++semente) {
        const bool ingles = semente % 2 == 1;
        const std::string teclas =
            std::string(ingles ? "e" : "p") + "\ns\n" + (semente % 3 ? "s" : "n") + "\n";
        Sessao coordenadas(teclas), san(teclas);
        std::mt19937 aleatorio(semente);
        bool seguem = san.jogo().estado().jogador_tem_brancas() ||
                      (coordenadas.joga_maquina() && san.joga_maquina());
        for (int vez = 0; seguem && vez < 60; ++vez) {
            const xadrez::Posicao x = san.jogo().estado().posicao();
            std::vector<xadrez::Movimento> escolhas;
            for (const xadrez::Movimento& m : xadrez::legais(x)) {
                const bool roque =
                    (x.pecas[m.de] == 'K' || x.pecas[m.de] == 'k') && std::abs(m.para - m.de) == 2;
                if (!roque && (m.promocao == 0 || m.promocao == 'Q')) escolhas.push_back(m);
            }
            ASSERT_FALSE(escolhas.empty());
            const xadrez::Movimento m = escolhas[aleatorio() % escolhas.size()];
            std::string palavra =
                xadrez::escreve_san(x, m, ingles ? xadrez::INGLES : xadrez::PORTUGUES);
            std::string coordenada = xadrez::escreve_coordenadas(m).substr(0, 4);
            if (m.promocao) { // the piece left out, so that both ask
                palavra.erase(palavra.find('='), 2);
                palavra += "\n1";
                coordenada += "\n1";
            }
            ASSERT_TRUE(coordenadas.vez_dele(coordenada + "\n"));
            ASSERT_TRUE(san.vez_dele(palavra + "\n")) << palavra;
            ++lances;
            ASSERT_EQ(san.saida.str(), coordenadas.saida.str()) << palavra;
            const bool segue_coordenadas = coordenadas.joga_maquina();
            seguem = san.joga_maquina() && segue_coordenadas;
        }
        EXPECT_EQ(san.saida.str(), coordenadas.saida.str());
        // Taken back to the player's last turn, so that the game can go on.
        san.vez_dele("undo\n");
        const Tabuleiro tabuleiro = san.jogo().estado().tabuleiro();
        const std::size_t historia = san.jogo().historico().size();
        const bool brancas = san.jogo().estado().jogador_tem_brancas();
        san.vez_dele("pgn\na.pgn\nopen\na.pgn\npgn\nb.pgn\n"); // then the input ends
        const auto& arquivos = san.arquivos.arquivos;
        ASSERT_TRUE(arquivos.contains("a.pgn") && arquivos.contains("b.pgn"));
        EXPECT_EQ(arquivos.at("b.pgn"), arquivos.at("a.pgn"));
        EXPECT_EQ(san.jogo().historico().size(), historia);
        EXPECT_EQ(san.jogo().estado().tabuleiro(), tabuleiro);
        EXPECT_EQ(san.jogo().estado().jogador_tem_brancas(), brancas);
        ++recargas;
    }
    EXPECT_GT(lances, 150);
    EXPECT_GT(recargas, 2);
}

// --- draw ---

TEST_F(Draw, ClaimedWhenTheRulesAllowIt) {
    struct Caso {
        const char* nome;
        std::string arquivo;
        const char* impresso; // after "draw"
        Termino termino;
    };
    const Caso casos[] = {
        {"threefold repetition", pgn_de(INICIO, "1. Nf3 Nf6 2. Ng1 Ng8 3. Nf3 Nf6 4. Ng1 Ng8"),
         "The same position has stood three times: the game is a draw.\n",
         Termino::repeticao_tripla},
        {"fifty moves", "4k3/8/8/8/8/8/8/R3K3 w - - 100 80\n",
         "Fifty moves each without a capture or a pawn move: the game is a draw.\n",
         Termino::cinquenta_lances},
        // Neither: the player's offer, agreed when the computer would offer
        // one itself (not ahead, more than ten moves), else declined, said.
        {"no claim, agreed", "4k2r/8/8/8/8/8/8/R3K3 w - - 20 40\n",
         "No draw can be claimed here, but I accept your offer: the game is a draw.\n",
         Termino::empate_acordado},
        {"no claim, declined", pgn_de(INICIO, "1. Nf3 Nf6 2. Ng1 Ng8"),
         "No draw can be claimed here, and I decline your offer: play on.\nWhat is your move?\n",
         Termino::nenhum},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        abre(c.arquivo);
        vez_dele("draw\n");
        const bool acabou = c.termino != Termino::nenhum;
        EXPECT_EQ(impresso(), c.impresso + (acabou ? ACABOU : ""));
        EXPECT_EQ(jogo().termino(), c.termino);
        EXPECT_EQ(jogo().acabou(), acabou);
        vez_dele("pgn\np.pgn\n");
        EXPECT_NE(
            arquivos.arquivos["p.pgn"].find(acabou ? "[Result \"1/2-1/2\"]" : "[Result \"*\"]"),
            std::string::npos);
    }
}

// The player's "draw" with no claim standing: the draw the computer would
// offer itself is agreed, any other declined; both said in words.
TEST_F(Draw, OfferedAfterTenMovesWithoutAMaterialLead) {
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
        if (*c.vazia) esvazia(e, c.vazia);
        e.poe_contadores(c.lance_do_jogo, c.lance_do_jogo, 2);
        jogo().poe_estado(e);
        // Agreed, the game is over and e2e4 is not played; declined, it is.
        EXPECT_EQ(vez_dele("draw\ne2e4\n"), !c.oferece);
        EXPECT_EQ(impresso(), c.oferece ? ACEITO + ACABOU + ACABOU : RECUSADO + PEDIDO);
        EXPECT_EQ(em("e4"), c.oferece ? VAZIO : -PEAO);
        EXPECT_EQ(jogo().termino(), c.oferece ? Termino::empate_acordado : Termino::nenhum);
    }
}

// --- why ---

// The rule's words are those of the rule table; the test checks that the
// rule which chose the move is the one told, in both languages.
TEST_F(Why, NamesTheRuleThatChoseTheComputersLastMove) {
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

TEST_F(Why, FollowsTakeBacksNewGamesAndLoadedGames) {
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

// Along a game against random replies, with the draw counter running: each
// computer move keeps in its history entry the candidates and context of its
// pass, from which the cascade chooses the same move again, and "why" about
// that move names the rule that chose it.
TEST_F(Why, EachComputerMoveKeepsTheAnalysisOfItsPass) {
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

// --- hint ---

TEST_F(Hint, ChangesNothingOfTheGame) {
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
        DireitosPorCor roques{};
        roques[PRETAS].rei_saiu = true;
        poe_vez(e, c.brancas, roques, *xadrez::le_casa("d6"));
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

// The hint in SAN, then in coordinates, in the game's language; the
// coordinates it names, typed as they are, are the move it names: no question
// asked, not even for a promotion.
TEST_F(Hint, InSanThenInTheCoordinatesThatPlayIt) {
    struct Caso {
        bool ingles;
        const char* fen; // empty: the pieces below, set on the board
        const char* dica;
    };
    // clang-format off
    const Caso casos[] = {
        {true, "", "Hint: Ra8# (a1a8)\n"},
        {false, "", "Sugestão: Ta8# (a1a8)\n"},
        {true, "6k1/5ppp/8/8/8/8/8/R5K1 w - - 0 1", "Hint: Ra8# (a1a8)\n"},
        {false, "6k1/5ppp/8/8/8/8/8/R5K1 w - - 0 1", "Sugestão: Ta8# (a1a8)\n"},
        {true, "4k3/1P6/8/8/8/8/8/4K3 w - - 0 1", "Hint: b8=Q+ (b7b8q)\n"},
        {false, "4k3/1P6/8/8/8/8/8/4K3 w - - 0 1", "Sugestão: b8=D+ (b7b8d)\n"},
    };
    // clang-format on
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.dica);
        if (*c.fen) {
            abre(c.fen, "", c.ingles);
        } else {
            monta();
            exibicao().ingles = c.ingles;
            posicao(true, {{"g1", -REI}, {"a1", -TORRE}, {"h8", REI}, {"g7", PEAO}, {"h7", PEAO}});
        }
        vez_dele("hint\n");
        EXPECT_EQ(impresso(), c.dica + std::string(c.ingles ? PEDIDO : "Qual e' seu movimento?\n"));
        const std::string dica = c.dica;
        const std::string coordenadas =
            dica.substr(dica.find('(') + 1, dica.find(')') - dica.find('(') - 1);
        EXPECT_TRUE(vez_dele(coordenadas + "\n"));
        EXPECT_EQ(jogo().historico().size(), 1u);
        EXPECT_EQ(impresso(), "");
        EXPECT_EQ(em(coordenadas.substr(2, 2).c_str()), coordenadas[1] == '7' ? -DAMA : -TORRE);
    }
}
TEST_F(Hint, WhenThePlayerHasNoMove) {
    for (const bool ingles : {true, false}) {
        exibicao().ingles = ingles;
        // stalemate: the king on h1 has no square and nothing else moves
        posicao(true, {{"h1", -REI}, {"g3", DAMA}, {"f2", REI}});
        vez_dele("hint\n");
        EXPECT_EQ(impresso(), ingles ? "You have no move to make.\nWhat is your move?\n"
                                     : "Você não tem nenhum lance.\nQual e' seu movimento?\n");
    }
}

// --- undo ---

TEST_F(Undo, TakesBackTheComputersMovesAndThePlayersMoveBefore) {
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

TEST_F(Undo, WithOnlyTheComputersFirstMove) {
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

TEST_F(Undo, RedrawsTheBoard) {
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

// --- pgn ---

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

TEST_F(Pgn, OfAGameFromTheStart) {
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

TEST_F(Pgn, OfALoadedGame) {
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

TEST_F(Pgn, ThatCannotBeWrittenLosesNothing) {
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

// --- moves ---

TEST_F(Moves, ListsTheGameFromItsStart) {
    partida(true);
    ASSERT_TRUE(vez_dele("moves\ne4\n"));
    EXPECT_EQ(impresso(), "No move has been played yet.\n" + PEDIDO);
    joga_maquina(); // the opening move e7e6
    impresso();
    ASSERT_TRUE(vez_dele("Nf3\n"));
    joga_maquina();
    impresso();
    EXPECT_FALSE(vez_dele("moves\n"));
    EXPECT_EQ(impresso(), "1. e4 e6 2. Nf3 b6\n" + PEDIDO);

    partida(false, "4k3/8/8/8/8/8/8/R3K3 b Q - 0 12");
    EXPECT_FALSE(vez_dele("moves\n"));
    EXPECT_EQ(impresso(), "A partida começou em: 4k3/8/8/8/8/8/8/R3K3 b Q - 0 12\n"
                          "Nenhum lance foi jogado ainda.\nQual e' seu movimento?\n");
    ASSERT_TRUE(vez_dele("Rd7\n"));
    joga_maquina();
    impresso();
    EXPECT_FALSE(vez_dele("moves\n"));
    const std::string lista = impresso();
    EXPECT_TRUE(lista.starts_with("A partida começou em: 4k3/8/8/8/8/8/8/R3K3 b Q - 0 12\n"
                                  "12... Rd7 13. "))
        << lista;
}

TEST_F(Moves, WrapBetweenMoves) {
    std::string pgn = "[Event \"x\"]\n\n";
    // A long game of knights going back and forth, with long moves between.
    const char* volta[] = {"Nf3", "Nf6", "Ng1", "Ng8", "Nc3", "Nc6", "Nb1", "Nb8"};
    for (int i = 0; i < 48; ++i) {
        if (i % 2 == 0) pgn += std::to_string(i / 2 + 1) + ". ";
        pgn += std::string(volta[i % 8]) + " ";
    }
    abre(pgn + "*\n");
    vez_dele("moves\n");
    const xadrez::Partida p = jogo().partida();
    const std::string lista = xadrez::lances_numerados(p);
    ASSERT_GT(lista.size(), 200u);
    std::istringstream linhas(impresso());
    std::string linha, juntas;
    int n = 0;
    while (std::getline(linhas, linha) && linha != "What is your move?") {
        ++n;
        EXPECT_LE(linha.size(), 79u) << linha;
        EXPECT_FALSE(linha.ends_with(".")) << "a move number apart from its move: " << linha;
        EXPECT_FALSE(linha.starts_with(" ") || linha.ends_with(" ")) << linha;
        juntas += (juntas.empty() ? "" : " ") + linha;
    }
    EXPECT_GE(n, 3);
    EXPECT_EQ(juntas, lista);
}

// --- save and open ---

TEST_F(SaveAndOpen, SaveAtTheStart) {
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

TEST_F(SaveAndOpen, SaveOpenRoundTrip) {
    // The player has Black, has moved the king, the display is turned.
    Estado e =
        estado_com(false, {{"f8", -REI}, {"h8", -TORRE}, {"e1", REI}, {"a1", TORRE}, {"b2", PEAO}});
    DireitosPorCor roques{};
    roques[PRETAS].rei_saiu = true;
    poe_vez(e, false, roques);
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
    EXPECT_EQ(estado().direitos_de_roque()[PRETAS], roques[PRETAS]);
    // the computer's rights follow from its king and rooks at home or not
    EXPECT_EQ(estado().direitos_de_roque()[BRANCAS], (DireitosDeRoque{.torre_h_saiu = true}));
    vez_dele("save\nb.sav\n");
    EXPECT_EQ(arquivos.arquivos["b.sav"], salvo);
}

TEST_F(SaveAndOpen, SavedCastlingFlagsOfThePlayerWhite) {
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
        poe_vez(e, true, {c.d, {true, true, true, true}});
        jogo().poe_estado(e);
        vez_dele("save\nf\n");
        EXPECT_EQ(arquivos.arquivos["f"].substr(730, 5), c.flags);
        poe_vez(e, true, {});
        jogo().poe_estado(e);
        vez_dele("open\nf\n");
        EXPECT_EQ(estado().direitos_de_roque()[BRANCAS], c.d);
    }
}

TEST_F(SaveAndOpen, BadFilesLeaveTheGameAsItWas) {
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
        e.move(*xadrez::le_casa("e2"), *xadrez::le_casa("e4"));
        EXPECT_EQ(estado().tabuleiro(), e.tabuleiro());
        EXPECT_EQ(estado().lances_da_pessoa(), 1);
        EXPECT_FALSE(exibicao().ingles);
        EXPECT_EQ(estado().ultimo_lance(), (UltimoLance{'d', '7', 'd', '5'}));
    }
}

TEST_F(SaveAndOpen, NamesThatNameNoFile) {
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

TEST_F(SaveAndOpen, FileNameEndsWithTheInput) {
    EXPECT_FALSE(vez_dele("save\n"));
    EXPECT_FALSE(vez_dele("open\n"));
    EXPECT_TRUE(arquivos.arquivos.empty());
}

TEST_F(SaveAndOpen, OpenLoadsAPgnGameAndGoesOnFromItsLastPosition) {
    partida(true);
    arquivos.arquivos["g.pgn"] =
        "[Event \"x\"]\n[White \"a\"]\n\n1. e4 {c} e5 (1... c5) 2. Nf3 $1 *\n";
    EXPECT_FALSE(vez_dele("open\ng.pgn\n"));
    EXPECT_EQ(impresso(), "Enter the name of the file\n" + PEDIDO);
    EXPECT_FALSE(estado().jogador_tem_brancas());
    EXPECT_EQ(xadrez::escreve_fen(posicao_atual()).substr(0, 59),
              "rnbqkbnr/pppp1ppp/8/4p3/4P3/5N2/PPPP1PPP/RNBQKB1R b KQkq - ");
    ASSERT_EQ(jogo().historico().size(), 3u);
    EXPECT_TRUE(jogo().historico()[0].da_maquina);
    EXPECT_FALSE(jogo().historico()[1].da_maquina);
    EXPECT_EQ(estado().lance_do_jogo(), 2);
    EXPECT_EQ(estado().lances_da_pessoa(), 1);
    EXPECT_EQ(estado().numero_de_meu_movimento(), 2);
    EXPECT_EQ(std::string(estado().ultimo_lance().data(), 4), "g1f3");
    EXPECT_EQ(jogo().fen_inicial(), "");

    EXPECT_FALSE(vez_dele("moves\nundo\nmoves\n"));
    EXPECT_EQ(impresso(), "1. e4 e5 2. Nf3\n" + PEDIDO + PEDIDO + "1. e4\n" + PEDIDO);
    EXPECT_EQ(xadrez::escreve_fen(posicao_atual()).substr(0, 55),
              "rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR b KQkq e3");
    ASSERT_TRUE(vez_dele("c5\n"));
    EXPECT_EQ(em("c5"), -PEAO);

    // A FEN file: castling and the square passed over come from it.
    arquivos.arquivos["p.fen"] = "4k2r/8/8/8/3Pp3/8/8/4K3 b k d3 0 40\n";
    EXPECT_FALSE(vez_dele("open\np.fen\n"));
    impresso();
    EXPECT_EQ(jogo().fen_inicial(), "4k2r/8/8/8/3Pp3/8/8/4K3 b k d3 0 40");
    EXPECT_EQ(xadrez::escreve_fen(posicao_atual()), jogo().fen_inicial());
    EXPECT_TRUE(jogo().historico().empty());
    EXPECT_EQ(estado().lance_do_jogo(), 40);
    EXPECT_EQ(estado().lances_da_pessoa(), 39);
    ASSERT_TRUE(vez_dele("exd3\n"));
    EXPECT_EQ(em("d4"), VAZIO);
    jogo().desfaz(1);
    ASSERT_TRUE(vez_dele("O-O\n"));
    EXPECT_EQ(em("g8"), -REI);
}

TEST_F(SaveAndOpen, AFileThatIsNoGameLeavesTheGameAsItWas) {
    std::string fundo = "1. e4 ";
    for (int i = 0; i < 200000; ++i) fundo += "(1. d4 ";
    std::string lixo(3000000, '\0');
    for (std::size_t i = 0; i < lixo.size(); ++i) lixo[i] = static_cast<char>(i * 7919 % 251);
    struct Ruim {
        const char* nome;
        std::string conteudo;
        const char* motivo; // in English; the Portuguese is one line too
    };
    const Ruim arquivos_ruins[] = {
        {"truncated in the tags", "[Event \"x\"]\n[White \"a",
         "A tag is not of the form [Name \"value\"]."},
        {"truncated in the moves", "[Event \"x\"]\n\n1. e4 e5 2. Nf3 Nc6 3. B",
         "Move 3. B is not a move."},
        {"truncated before the result", "[Event \"x\"]\n\n1. e4 e5 2. Nf3",
         "Its moves do not end in a result (1-0, 0-1, 1/2-1/2 or *)."},
        {"illegal move", "1. e4 e5 2. Ke3 *", "Move 2. Ke3 is not legal there."},
        {"ambiguous move", "[FEN \"4k3/8/8/8/8/5N2/8/1N2K3 w - - 0 1\"]\n1. Nd2 *",
         "Move 1. Nd2 could be more than one move."},
        {"impossible FEN", "4k3/8/8/8/8/8/8/4KK2 w - - 0 1\n",
         "Its FEN is not a position that can be played: it does not have one king of each colour."},
        {"impossible FEN tag", "[FEN \"4k3/8/8/8/8/8/8/4KK2 w - - 0 1\"]\n\n*\n",
         "Its FEN is not a position that can be played: it does not have one king of each colour."},
        {"saved game cut short", "          8           3",
         "It is a saved game cut short or damaged."},
        {"blanks", std::string(400, ' '),
         "It is not a game: neither a saved game, nor a FEN, nor a PGN game."},
        {"empty", "", "It is not a game: neither a saved game, nor a FEN, nor a PGN game."},
        {"garbage", lixo, "The file is not text, so it holds no game of chess."},
        {"huge nesting", fundo, "A variation is left open, or a ) has no (."},
    };
    for (const bool ingles : {true, false}) {
        partida(ingles);
        ASSERT_TRUE(vez_dele("e4\n"));
        joga_maquina();
        impresso();
        const Tabuleiro antes = estado().tabuleiro();
        const std::size_t historia = jogo().historico().size();
        for (const auto& [nome, conteudo, motivo] : arquivos_ruins) {
            SCOPED_TRACE(nome);
            arquivos.arquivos["ruim"] = conteudo;
            EXPECT_FALSE(vez_dele("open\nruim\n"));
            const std::string s = impresso();
            if (ingles) {
                EXPECT_EQ(s, "Enter the name of the file\nThe game could not be loaded.\n" +
                                 std::string(motivo) + "\nWhat is your move?\n");
            } else {
                const std::string inicio =
                    "Entre o nome do arquivo\nNão foi possível carregar o jogo.\n";
                EXPECT_TRUE(s.starts_with(inicio)) << s;
                EXPECT_TRUE(s.ends_with("\nQual e' seu movimento?\n")) << s;
                EXPECT_EQ(std::count(s.begin(), s.end(), '\n'), 4) << s;
            }
            EXPECT_EQ(estado().tabuleiro(), antes);
            EXPECT_EQ(jogo().historico().size(), historia);
            EXPECT_TRUE(estado().jogador_tem_brancas());
            EXPECT_EQ(exibicao().ingles, ingles);
            EXPECT_EQ(jogo().fen_inicial(), "");
            EXPECT_EQ(estado().lance_do_jogo(), 1);
        }
    }
}

TEST_F(SaveAndOpen, AFileOfSeveralGamesListsThemAndLoadsTheOneNamed) {
    const std::string ruim = le_arquivo(QUELMARO_TEST_DATA "/pgn/ruim_no_meio.pgn");
    const std::string lista = "Enter the name of the file\nThe file holds 3 games:\n"
                              "  1. Correspondence, Carla - Duarte, 0-1\n"
                              "  2. Correspondence, Duarte - Carla, 1-0 (cannot be loaded)\n"
                              "  3. Correspondence, Carla - Duarte, 1/2-1/2\n"
                              "Which game (1 to 3)?\n";
    struct Caso {
        const char* resposta;
        std::string depois; // what follows the question
        std::size_t lances; // the history after it
    };
    const std::string nao = "The game could not be loaded.\n";
    const Caso casos[] = {
        {"3", "This game is over, as the file says: a draw (1/2-1/2).\n" + ACABOU, 8},
        {" 3 ", "This game is over, as the file says: a draw (1/2-1/2).\n" + ACABOU, 8},
        {"1", "Checkmate: Black wins.\n" + ACABOU, 4},
        {"2", nao + "Move 18. Ke2 is not legal there.\n" + PEDIDO, 0},
        {"4", nao + "The file has no game 4.\n" + PEDIDO, 0},
        {"0", nao + "The file has no game 0.\n" + PEDIDO, 0},
        {"two", nao + "The file has no game two.\n" + PEDIDO, 0},
        {"", nao + "No game was chosen.\n" + PEDIDO, 0},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.resposta);
        const std::string s = abre(ruim, c.resposta + std::string("\n"));
        EXPECT_EQ(s, lista + c.depois);
        EXPECT_EQ(jogo().historico().size(), c.lances); // none: the game as it was
    }
    // In Portuguese, the list and the question too.
    const std::string pt = abre(ruim, "2\n", false);
    EXPECT_NE(pt.find("O arquivo tem 3 partidas:\n"), std::string::npos) << pt;
    EXPECT_NE(pt.find("1-0 (não pode ser carregada)\n"), std::string::npos) << pt;
    EXPECT_NE(pt.find("Qual partida (1 a 3)?\nNão foi possível carregar o jogo.\n"
                      "O lance 18. Ke2 não é legal nessa posição.\n"),
              std::string::npos)
        << pt;
    // Games without the tags that tell them apart.
    const std::string sem =
        abre("1. e4 *\n\n[Event \"?\"]\n[Date \"????.??.??\"]\n\n1. d4 *\n", "9\n");
    EXPECT_NE(sem.find("  1. (no tags)\n  2. (no tags)\n"), std::string::npos) << sem;
}

// --- turn and play ---

TEST_F(TurnAndPlay, CommandsBetweenMoves) {
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

TEST_F(TurnAndPlay, PlayHandsTheMoveToTheComputer) {
    exibicao().usa_tabuleiro = 's';
    EXPECT_TRUE(vez_dele("PLAY\n"));
    EXPECT_FALSE(estado().jogador_tem_brancas());
    EXPECT_EQ(impresso(), ""); // no drawing after the swap
    EXPECT_EQ(em("e1"), REI);  // the computer now has White
    EXPECT_EQ(estado().lances_da_pessoa(), 0);
}

} // namespace
} // namespace quelmaro
