#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#ifdef _WIN32
#include <process.h>
#include <windows.h>

#include "io/texto_largo.hpp"
#else
#include <sys/stat.h>
#include <unistd.h>
#endif

#include "io/arquivos.hpp"

namespace quelmaro {
namespace {

namespace fs = std::filesystem;

class ArquivosDoDiscoTest : public ::testing::Test {
  protected:
    void SetUp() override {
#ifdef _WIN32
        const int processo = _getpid();
#else
        const int processo = getpid();
#endif
        pasta = fs::temp_directory_path() / ("quelmaro-arquivos-" + std::to_string(processo));
        fs::create_directories(pasta);
    }
    void TearDown() override {
        fs::permissions(pasta, fs::perms::owner_all);
        fs::remove_all(pasta);
    }
    fs::path pasta;
    ArquivosDoDisco disco;
};

TEST_F(ArquivosDoDiscoTest, WritesReplacesAndReads) {
    const std::string nome = (pasta / "jogo.sav").string();
    EXPECT_FALSE(disco.le(nome));
    ASSERT_TRUE(disco.grava(nome, "um"));
    ASSERT_TRUE(disco.grava(nome, "dois"));
    EXPECT_EQ(disco.le(nome), "dois");
    EXPECT_EQ(std::distance(fs::directory_iterator(pasta), fs::directory_iterator()), 1);
}

TEST_F(ArquivosDoDiscoTest, AFailedWriteLeavesTheOldFileAndNoLitter) {
    const std::string nome = (pasta / "jogo.sav").string();
    ASSERT_TRUE(disco.grava(nome, "antigo"));
#ifndef _WIN32            // Windows has no read-only folders
    if (geteuid() != 0) { // root writes into read-only folders
        fs::permissions(pasta, fs::perms::owner_read | fs::perms::owner_exec);
        EXPECT_FALSE(disco.grava(nome, "novo"));
        fs::permissions(pasta, fs::perms::owner_all);
    }
#endif
    EXPECT_FALSE(disco.grava((pasta / "no-such-folder" / "x.sav").string(), "novo"));
    EXPECT_FALSE(disco.grava(nome + std::string(1, '\0') + "cut", "novo"));
    EXPECT_FALSE(disco.grava("", "novo"));
    // written whole, then not renamed: a name too long, a folder of that name
    EXPECT_FALSE(disco.grava((pasta / std::string(256, 'n')).string(), "novo"));
    fs::create_directory(pasta / "pasta");
    std::ofstream(pasta / "pasta" / "dentro") << "x";
    EXPECT_FALSE(disco.grava((pasta / "pasta").string(), "novo"));
    fs::remove_all(pasta / "pasta");
    EXPECT_EQ(disco.le(nome), "antigo");
    EXPECT_EQ(std::distance(fs::directory_iterator(pasta), fs::directory_iterator()), 1);
}

// The file system allows names of up to 255 bytes; the temporary file beside
// the target has a short name of its own, whatever the target's length.
TEST_F(ArquivosDoDiscoTest, NamesUpToTheLongestTheFolderAllows) {
    for (std::size_t tamanho : {1u, 200u, 251u, 252u, 255u}) {
        SCOPED_TRACE(tamanho);
        const std::string nome = (pasta / std::string(tamanho, 'j')).string();
        ASSERT_TRUE(disco.grava(nome, "um"));
        ASSERT_TRUE(disco.grava(nome, "dois"));
        EXPECT_EQ(disco.le(nome), "dois");
        EXPECT_EQ(std::distance(fs::directory_iterator(pasta), fs::directory_iterator()), 1);
        fs::remove(nome);
    }
    // a name without a folder goes beside the program
    const fs::path aqui = fs::current_path();
    fs::current_path(pasta);
    EXPECT_TRUE(disco.grava(std::string(255, 'k'), "tres"));
    EXPECT_EQ(disco.le(std::string(255, 'k')), "tres");
    fs::current_path(aqui);
    EXPECT_EQ(std::distance(fs::directory_iterator(pasta), fs::directory_iterator()), 1);
}

TEST_F(ArquivosDoDiscoTest, ANameWithANulNamesNoFile) {
    const std::string nome = (pasta / "jogo").string();
    ASSERT_TRUE(disco.grava(nome, "x"));
    EXPECT_FALSE(disco.le(nome + std::string(1, '\0') + ".sav"));
}

#ifdef _WIN32
std::string utf8(const fs::path& p) {
    const std::u8string s = p.u8string();
    return {s.begin(), s.end()};
}

long arquivos_em(const fs::path& pasta) {
    return static_cast<long>(
        std::distance(fs::directory_iterator(pasta), fs::directory_iterator()));
}

void escreve_por_fora(const fs::path& caminho, const char* conteudo) {
    FILE* f = _wfopen(caminho.c_str(), L"wb");
    ASSERT_NE(f, nullptr);
    std::fputs(conteudo, f);
    std::fclose(f);
}

// Names come in UTF-8 (the console and the command line give them so) and
// name the files of those letters, as Explorer shows them; a write replaces
// an existing file of the name.
TEST_F(ArquivosDoDiscoTest, Utf8NamesNameTheFilesOfThoseLetters) {
    for (const char8_t* n :
         {u8"партия.sav", u8"posição inicial.sav", u8"棋譜.sav", u8"ελληνικά 😀.sav"}) {
        const fs::path caminho = pasta / fs::path(n);
        const std::string nome = utf8(caminho);
        SCOPED_TRACE(nome);
        escreve_por_fora(caminho, "antigo");
        ASSERT_TRUE(disco.grava(nome, "novo"));
        EXPECT_EQ(disco.le(nome), "novo");
        ASSERT_TRUE(fs::exists(caminho));
        EXPECT_EQ(fs::file_size(caminho), 4u);
        EXPECT_EQ(arquivos_em(pasta), 1);
        fs::remove(caminho);
    }
}

// A device name (NUL, CON) or a folder that is not there is no place to
// save: the write fails and no temporary file stays beside the program.
TEST_F(ArquivosDoDiscoTest, DevicesAndMissingFoldersAreNoPlaceToSave) {
    const fs::path aqui = fs::current_path();
    fs::current_path(pasta);
    for (const char* nome : {"NUL", "CON", "sem_pasta\\x.sav", "sem_pasta/x.sav"}) {
        SCOPED_TRACE(nome);
        EXPECT_FALSE(disco.grava(nome, "novo"));
    }
    fs::current_path(aqui);
    EXPECT_EQ(arquivos_em(pasta), 0);
}

// Either separator names a folder; the temporary file goes in that folder.
TEST_F(ArquivosDoDiscoTest, EitherSeparatorNamesTheFolder) {
    fs::create_directory(pasta / "dentro");
    const std::string base = utf8(pasta);
    ASSERT_TRUE(disco.grava(base + "/dentro/a.sav", "barra"));
    EXPECT_EQ(disco.le(base + "\\dentro\\a.sav"), "barra");
    ASSERT_TRUE(disco.grava(base + "\\dentro\\a.sav", "contrabarra"));
    EXPECT_EQ(disco.le(base + "/dentro/a.sav"), "contrabarra");
    EXPECT_EQ(arquivos_em(pasta / "dentro"), 1);
    EXPECT_EQ(arquivos_em(pasta), 1);
}

TEST(TextoLargo, Utf8AndWideCharactersBothWays) {
    const struct {
        const char8_t* utf8;
        const wchar_t* largo;
    } casos[] = {
        {u8"jogo.sav", L"jogo.sav"},
        {u8"posição", L"posi\u00e7\u00e3o"},
        {u8"партия", L"\u043f\u0430\u0440\u0442\u0438\u044f"},
        {u8"😀", L"\xd83d\xde00"}, // beyond the 16-bit range: a surrogate pair
    };
    for (const auto& c : casos) {
        const std::string utf8(reinterpret_cast<const char*>(c.utf8));
        SCOPED_TRACE(utf8);
        EXPECT_EQ(para_largo(utf8), std::wstring(c.largo));
        EXPECT_EQ(para_utf8(c.largo), utf8);
    }
    // Not UTF-8: the bytes in the ANSI code page, one character each in a
    // single-byte one.
    const auto ansi = para_largo("posi\xe7\xe3o");
    ASSERT_TRUE(ansi);
    if (GetACP() == 1252) {
        EXPECT_EQ(*ansi, L"posi\u00e7\u00e3o");
    }
    EXPECT_FALSE(para_largo(""));
    EXPECT_FALSE(para_largo(std::string("a\0b", 3)));
    EXPECT_EQ(para_utf8(std::wstring(1, wchar_t(0xd800))), "\xef\xbf\xbd");
}
#endif

// Why a file could not be read, on the disk as in memory.
TEST_F(ArquivosDoDiscoTest, WhyAFileCannotBeRead) {
    const std::string existe = (pasta / "jogo.sav").string();
    ASSERT_TRUE(disco.grava(existe, "conteudo"));
    fs::create_directories(pasta / "dentro");
    struct Caso {
        std::string nome;
        FalhaDeLeitura falha;
    };
    const Caso casos[] = {
        {existe, FalhaDeLeitura::nenhuma},
        {"", FalhaDeLeitura::sem_nome},
        {std::string("a\0b", 3), FalhaDeLeitura::sem_nome},
        {(pasta / "ausente.pgn").string(), FalhaDeLeitura::nao_existe},
        {(pasta / "sem-pasta" / "x.pgn").string(), FalhaDeLeitura::nao_existe},
        {(pasta / std::string(300, 'n')).string(), FalhaDeLeitura::nao_existe},
        {(pasta / "dentro").string(), FalhaDeLeitura::pasta},
        {pasta.string(), FalhaDeLeitura::pasta},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        const ArquivoLido lido = disco.abre(c.nome);
        EXPECT_EQ(lido.falha, c.falha);
        EXPECT_EQ(lido.conteudo.has_value(), c.falha == FalhaDeLeitura::nenhuma);
    }
    EXPECT_EQ(disco.abre(existe).conteudo, "conteudo");
#ifndef _WIN32
    if (geteuid() != 0) { // root reads anything
        fs::permissions(existe, fs::perms::none);
        EXPECT_EQ(disco.abre(existe).falha, FalhaDeLeitura::sem_permissao);
        fs::permissions(existe, fs::perms::owner_all);
    }
#endif
}

// A file larger than any game file is refused whole, not cut short.
TEST_F(ArquivosDoDiscoTest, AFileTooLargeIsRefusedWhole) {
    const std::string nome = (pasta / "grande.pgn").string();
    {
        std::ofstream f(nome, std::ios::binary);
        f.seekp(static_cast<std::streamoff>(TAMANHO_MAXIMO_DE_ARQUIVO));
        f.put('x');
    }
    const ArquivoLido lido = disco.abre(nome);
    EXPECT_EQ(lido.falha, FalhaDeLeitura::grande_demais);
    EXPECT_FALSE(lido.conteudo);
}

// Text added at the end of a file: the file made when missing, an empty line
// after what it held; else why not, the file as it was.
TEST_F(ArquivosDoDiscoTest, AppendsAfterAnEmptyLineOrSaysWhy) {
    const auto nome = [&](const char* n) { return (pasta / n).string(); };
    struct Caso {
        const char* nome;
        std::string antes; // the file's content first; "-": no file
        std::string depois;
    };
    const Caso casos[] = {
        {"novo.pgn", "-", "jogo\n"},
        {"vazio.pgn", "", "jogo\n"},
        {"com_linha.pgn", "velho\n", "velho\n\njogo\n"},
        {"sem_linha.pgn", "velho", "velho\n\njogo\n"},
        {"com_vazia.pgn", "velho\n\n", "velho\n\njogo\n"},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        if (c.antes != "-") {
            ASSERT_TRUE(disco.grava(nome(c.nome), c.antes));
        }
        EXPECT_EQ(disco.acrescenta(nome(c.nome), "jogo\n"), FalhaAoAcrescentar::nenhuma);
        EXPECT_EQ(disco.le(nome(c.nome)), c.depois);
    }
    fs::create_directories(pasta / "dentro");
    EXPECT_EQ(disco.acrescenta(nome("dentro"), "x"), FalhaAoAcrescentar::pasta);
    EXPECT_EQ(disco.acrescenta((pasta / "sem-pasta" / "x.pgn").string(), "x"),
              FalhaAoAcrescentar::sem_pasta);
    EXPECT_EQ(disco.acrescenta("", "x"), FalhaAoAcrescentar::sem_nome);
#ifndef _WIN32
    if (fs::exists("/dev/full")) {
        EXPECT_EQ(disco.acrescenta("/dev/full", "x"), FalhaAoAcrescentar::sem_espaco);
    }
    if (geteuid() != 0) { // root writes anything
        fs::permissions(nome("com_linha.pgn"), fs::perms::owner_read);
        EXPECT_EQ(disco.acrescenta(nome("com_linha.pgn"), "x"), FalhaAoAcrescentar::sem_permissao);
        EXPECT_EQ(disco.le(nome("com_linha.pgn")), "velho\n\njogo\n");
    }
#endif
}

TEST(ArquivosNaMemoria, FailingWritesKeepTheOldContent) {
    ArquivosNaMemoria m;
    ASSERT_TRUE(m.grava("a", "1"));
    m.falhar_gravacao = true;
    EXPECT_FALSE(m.grava("a", "2"));
    EXPECT_EQ(m.le("a"), "1");
    EXPECT_FALSE(m.le("b"));
    EXPECT_EQ(m.abre("b").falha, FalhaDeLeitura::nao_existe);
    m.pastas.insert("a");
    EXPECT_EQ(m.abre("a").falha, FalhaDeLeitura::pasta);
}

} // namespace
} // namespace quelmaro
