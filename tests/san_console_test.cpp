// The console and chess notation: moves typed in SAN, the "moves" list, and
// games loaded from PGN and FEN files.
#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <utility>
#include <vector>

#include "chess/lances.hpp"
#include "chess/san.hpp"
#include "frente_apoio.hpp"

namespace quelmaro {
namespace {

const std::string PEDIDO = "What is your move?\n";
const std::string RECUSA = "This move is not allowed. What is your move?\n";

class San : public NoConsole {
  protected:
    // A new game in the language given, continued from the FEN (empty: the
    // ordinary start) with the player on the side to move.
    void partida(bool ingles, const char* fen = "") {
        monta();
        comeca(ingles ? "e\nn\ns\n" : "p\nn\ns\n");
        if (*fen) jogo().instala_partida({.inicio = de_fen(fen), .lances = {}});
    }
    xadrez::Posicao posicao_atual() { return posicao_de_xadrez(estado()); }
};

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
            const xadrez::Posicao x = posicao_de_xadrez(san.jogo().estado());
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

TEST_F(San, MovesListsTheGameFromItsStart) {
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

TEST_F(San, OpenLoadsAPgnGameAndGoesOnFromItsLastPosition) {
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

TEST_F(San, AFileThatIsNoGameLeavesTheGameAsItWas) {
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

} // namespace
} // namespace quelmaro
