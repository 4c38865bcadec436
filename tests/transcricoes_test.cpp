#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "console/dialogo.hpp"
#include "xboard/protocolos.hpp"

namespace quelmaro {
namespace {

namespace fs = std::filesystem;

std::string conteudo(const fs::path& p) {
    std::ifstream f(p, std::ios::binary);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}

// The golden transcripts, run in this process over text streams and files in
// memory (the same files run through the real programs as tests of their own).
TEST(Transcricoes, EveryTranscriptInProcess) {
    const fs::path pasta = fs::path(QUELMARO_TEST_DATA).parent_path() / "transcripts";
    int vistas = 0;
    for (const fs::directory_entry& e : fs::directory_iterator(pasta)) {
        const fs::path p = e.path();
        if (p.extension() != ".in") continue;
        const fs::path base = p.parent_path() / p.stem();
        SCOPED_TRACE(base.filename().string());
        std::istringstream entrada(conteudo(p));
        std::ostringstream saida;
        ConsoleDeFluxo console(entrada, saida);
        ArquivosNaMemoria arquivos;
        const bool winboard = base.extension() == ".xb";
        // The engine build as its main runs it: UCI when the first line says so.
        EXPECT_EQ(winboard ? executa_motor(console, arquivos, false)
                           : Dialogo(console, arquivos).executa(),
                  0);
        EXPECT_EQ(saida.str(), conteudo(fs::path(base.string() + ".out")));
        ++vistas;
    }
    EXPECT_GT(vistas, 0);
}

} // namespace
} // namespace quelmaro
