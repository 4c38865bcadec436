#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "console/dialogo.hpp"
#include "programs/protocolos.hpp"

namespace quelmaro {
namespace {

namespace fs = std::filesystem;

std::string conteudo(const fs::path& p) {
    std::ifstream f(p, std::ios::binary);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}

// The first `linhas` lines of a text (all of it when it has fewer).
std::string primeiras_linhas(const std::string& texto, std::size_t linhas) {
    std::size_t fim = 0;
    for (std::size_t i = 0; i < linhas && fim < texto.size(); ++i) {
        const std::size_t quebra = texto.find('\n', fim);
        fim = quebra == std::string::npos ? texto.size() : quebra + 1;
    }
    return texto.substr(0, fim);
}

// The last line of a text, without its line end ("-" when there is none).
std::string ultima_linha(const std::string& texto) {
    if (texto.empty()) return "-";
    const std::string sem_fim = texto.back() == '\n' ? texto.substr(0, texto.size() - 1) : texto;
    const std::size_t quebra = sem_fim.rfind('\n');
    return quebra == std::string::npos ? sem_fim : sem_fim.substr(quebra + 1);
}

// One transcript in this process over text streams and files in memory; the
// engine build as its main runs it (UCI when the first line says so).
void confere(const std::string& entrada_texto, const std::string& esperado, bool winboard) {
    std::istringstream entrada(entrada_texto);
    std::ostringstream saida;
    ConsoleDeFluxo console(entrada, saida);
    ArquivosNaMemoria arquivos;
    EXPECT_EQ(winboard ? executa_motor(console, arquivos, false)
                       : Dialogo(console, arquivos).executa(),
              0);
    EXPECT_EQ(saida.str(), esperado);
}

// The golden transcripts, and the inputs that end early (the rows of
// fins.tsv), run in this process (the same files run through the real
// programs as tests of their own).
TEST(Transcricoes, EveryTranscriptInProcess) {
    const fs::path pasta = fs::path(QUELMARO_TEST_DATA).parent_path() / "transcripts";
    int vistas = 0;
    for (const fs::directory_entry& e : fs::directory_iterator(pasta)) {
        const fs::path p = e.path();
        if (p.extension() != ".in") continue;
        const fs::path base = p.parent_path() / p.stem();
        SCOPED_TRACE(base.filename().string());
        confere(conteudo(p), conteudo(fs::path(base.string() + ".out")), base.extension() == ".xb");
        ++vistas;
    }
    EXPECT_GT(vistas, 0);
    std::istringstream fins(conteudo(pasta / "fins.tsv"));
    int finais = 0;
    for (std::string linha; std::getline(fins, linha);) {
        if (linha.empty() || linha[0] == '#') continue;
        std::istringstream campos(linha);
        std::string nome, jogo, linhas_entrada, linhas_saida, ultima;
        std::getline(campos, nome, '\t');
        std::getline(campos, jogo, '\t');
        std::getline(campos, linhas_entrada, '\t');
        std::getline(campos, linhas_saida, '\t');
        std::getline(campos, ultima);
        SCOPED_TRACE(nome);
        const std::string entrada =
            primeiras_linhas(conteudo(pasta / (jogo + ".in")), std::stoul(linhas_entrada));
        const std::string esperado =
            primeiras_linhas(conteudo(pasta / (jogo + ".out")), std::stoul(linhas_saida));
        // The row still names the place where its input runs out.
        EXPECT_EQ(ultima_linha(esperado), ultima);
        confere(entrada, esperado, fs::path(jogo).extension() == ".xb");
        ++finais;
    }
    EXPECT_GT(finais, 0);
}

} // namespace
} // namespace quelmaro
