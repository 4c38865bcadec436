// PGN files that chess.js wrote (tests/referee/write_pgn.js), loaded by the
// PGN reader and by the console's "open", checked position by position
// against the positions chess.js went through. CTest runs the writer first
// and names its folder in QUELMARO_CHESSJS_PGN (see CMakeLists.txt); alone,
// the test reads the sample in tests/data/pgn_chessjs/ (seed 1, games 0, 1,
// 2, 4 and 10 of `write_pgn.js --games 40`).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

#include "chess/empates.hpp"
#include "chess/lances.hpp"
#include "chess/pgn_leitura.hpp"
#include "chess/san.hpp"
#include "frente_apoio.hpp"

namespace quelmaro {
namespace {

std::string le(const std::filesystem::path& p) {
    std::ifstream f(p, std::ios::binary);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}

std::vector<std::string> campos(const std::string& fen) {
    std::istringstream in(fen);
    std::vector<std::string> v;
    for (std::string c; in >> c;) v.push_back(c);
    return v;
}

// The same position: pieces, side to move, castling and (unless the board
// of the game is compared, which keeps none) the counters; chess.js writes
// the square passed over only when a capture in passing is possible, and
// then it must be ours.
void mesma_posicao(const std::string& nossa, const std::string& dele, bool contadores = true) {
    const std::vector<std::string> a = campos(nossa), b = campos(dele);
    ASSERT_EQ(a.size(), 6u) << nossa;
    ASSERT_EQ(b.size(), 6u) << dele;
    for (int i : {0, 1, 2, 4, 5})
        if (i < 4 || contadores) {
            EXPECT_EQ(a[i], b[i]) << nossa << " / " << dele;
        }
    if (b[3] != "-") {
        EXPECT_EQ(a[3], b[3]) << nossa << " / " << dele;
    }
}

class PgnDoChessJs : public NoConsole {};

TEST_F(PgnDoChessJs, EveryFileLoadsPositionByPosition) {
    // Without node, a few files of an earlier run kept in the tests' data.
    const char* vivo = std::getenv("QUELMARO_CHESSJS_PGN");
    const std::string pasta = vivo ? vivo : QUELMARO_TEST_DATA "/pgn_chessjs";
    int partidas = 0, lances = 0, terminadas = 0;
    for (const auto& arquivo : std::filesystem::directory_iterator(pasta)) {
        if (arquivo.path().extension() != ".pgn") continue;
        SCOPED_TRACE(arquivo.path().string());
        const std::string pgn = le(arquivo.path());
        std::istringstream linhas(
            le(std::filesystem::path(arquivo.path()).replace_extension(".txt")));
        std::string inicio, linha;
        std::getline(linhas, inicio);
        std::vector<std::pair<std::string, std::string>> esperados; // SAN, FEN after it
        bool completo = false, acabou = false;
        while (std::getline(linhas, linha)) {
            if (linha == "end") completo = true;
            if (linha == "over") acabou = true;
            const std::size_t tab = linha.find('\t');
            if (tab != std::string::npos)
                esperados.emplace_back(linha.substr(0, tab), linha.substr(tab + 1));
        }
        ASSERT_TRUE(completo);

        // The reader: every move and every position.
        const xadrez::LeituraPgn lido = xadrez::le_pgn(pgn);
        ASSERT_TRUE(lido.ok()) << static_cast<int>(lido.erro) << " at " << lido.onde;
        ASSERT_EQ(lido.partida.lances.size(), esperados.size());
        xadrez::Posicao x = lido.partida.inicio;
        mesma_posicao(xadrez::escreve_fen(x), inicio);
        std::string lista;
        for (std::size_t i = 0; i < esperados.size(); ++i) {
            EXPECT_EQ(xadrez::escreve_san(x, lido.partida.lances[i]), esperados[i].first);
            xadrez::joga(x, lido.partida.lances[i]);
            mesma_posicao(xadrez::escreve_fen(x), esperados[i].second);
        }
        lances += static_cast<int>(esperados.size());
        ++partidas;

        // The console: the game goes on from the last position, or, when
        // that is mate or stalemate, the game is loaded as it ended.
        monta();
        comeca();
        arquivos.arquivos["partida.pgn"] = pgn;
        vez_dele("open\npartida.pgn\nmoves\n");
        std::string impresso = saida.str();
        saida.str("");
        EXPECT_EQ(impresso.find("The game could not be loaded."), std::string::npos);
        EXPECT_EQ(jogo().historico().size(), esperados.size());
        // Over: mate, stalemate, or a position dead by its material.
        const std::string fim = esperados.empty() ? inicio : esperados.back().second;
        const bool morta = xadrez::material_insuficiente(xadrez::le_fen(fim).posicao);
        EXPECT_EQ(jogo().acabou(), acabou || morta);
        if (acabou || morta) {
            ++terminadas;
            EXPECT_NE(impresso.find("The game is over: "), std::string::npos) << impresso;
        }
        mesma_posicao(xadrez::escreve_fen(estado().posicao()), fim, false);
        EXPECT_EQ(estado().jogador_tem_brancas(), campos(fim)[1] == "w");
        // "moves" wraps the list between moves.
        std::replace(impresso.begin(), impresso.end(), '\n', ' ');
        if (!esperados.empty()) {
            EXPECT_NE(impresso.find(xadrez::lances_numerados(lido.partida) + " "),
                      std::string::npos);
        }
    }
    EXPECT_GE(partidas, vivo ? 40 : 5);
    EXPECT_GT(terminadas, 0);
    std::cout << partidas << " games, " << lances << " moves, " << terminadas
              << " over (mate, stalemate or a dead position)\n";
}

} // namespace
} // namespace quelmaro
