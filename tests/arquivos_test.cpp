#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

#include "io/arquivos.hpp"

namespace quelmaro {
namespace {

namespace fs = std::filesystem;

class ArquivosDoDiscoTest : public ::testing::Test {
  protected:
    void SetUp() override {
        pasta = fs::temp_directory_path() / ("quelmaro-arquivos-" + std::to_string(getpid()));
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
    if (geteuid() != 0) { // root writes into read-only folders
        fs::permissions(pasta, fs::perms::owner_read | fs::perms::owner_exec);
        EXPECT_FALSE(disco.grava(nome, "novo"));
        fs::permissions(pasta, fs::perms::owner_all);
    }
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

TEST(ArquivosNaMemoria, FailingWritesKeepTheOldContent) {
    ArquivosNaMemoria m;
    ASSERT_TRUE(m.grava("a", "1"));
    m.falhar_gravacao = true;
    EXPECT_FALSE(m.grava("a", "2"));
    EXPECT_EQ(m.le("a"), "1");
    EXPECT_FALSE(m.le("b"));
}

} // namespace
} // namespace quelmaro
