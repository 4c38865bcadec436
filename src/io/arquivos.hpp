// Access to saved-game files by the names the player types. The disk is one
// implementation; tests use the one in memory, so they never touch the disk.
#pragma once

#include <cstddef>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>

namespace quelmaro {

// Why a file could not be read.
enum class FalhaDeLeitura {
    nenhuma,
    sem_nome,      // an empty name, or one holding a NUL byte
    nao_existe,    // no file of that name (a folder on its way missing, a name too long)
    pasta,         // the name is a folder's
    sem_permissao, // the file may not be read
    grande_demais, // longer than TAMANHO_MAXIMO_DE_ARQUIVO
    erro,          // any other failure of the system
};

// No file the programs read is longer: a saved game is one short line, and
// PGN collections of thousands of games stay well below.
inline constexpr std::size_t TAMANHO_MAXIMO_DE_ARQUIVO = std::size_t{64} << 20;

// Why text could not be added at the end of a file.
enum class FalhaAoAcrescentar {
    nenhuma,
    sem_nome,      // an empty name, or one holding a NUL byte
    sem_pasta,     // a folder on the way is missing (or the name is too long)
    pasta,         // the name is a folder's
    sem_permissao, // the file (or its folder) may not be written
    sem_espaco,    // the disk, or the user's share of it, is full
    erro,          // any other failure of the system
};

// A file read: its whole content, or why not.
struct ArquivoLido {
    std::optional<std::string> conteudo;
    FalhaDeLeitura falha = FalhaDeLeitura::nenhuma; // nenhuma when `conteudo` holds it
};

class Arquivos {
  public:
    virtual ~Arquivos() = default;
    // The whole content of the named file, or why it cannot be read.
    virtual ArquivoLido abre(const std::string& nome) = 0;
    // The whole content of the named file, or nullopt when it cannot be read.
    std::optional<std::string> le(const std::string& nome) { return abre(nome).conteudo; }
    // Replaces the named file with the content, all or nothing: on failure an
    // existing file of that name is left as it was. Returns false on failure.
    virtual bool grava(const std::string& nome, const std::string& conteudo) = 0;
    // Adds the content at the end of the named file, creating it when it is
    // missing; in a file that holds something already, an empty line comes
    // first (two line ends after text without one). On failure the file is
    // left as it was, what it held before kept whole.
    virtual FalhaAoAcrescentar acrescenta(const std::string& nome, const std::string& conteudo) = 0;
};

// What goes before text added to a file that ends so: nothing in an empty
// file, else what makes an empty line between.
std::string_view separador_para_acrescentar(std::string_view fim_do_arquivo);

// A name holding a NUL byte, or an empty one, names no file (it would be cut
// at the NUL).
bool nome_valido(const std::string& nome);

// Files on disk. A write goes to a temporary file with a short name in the
// target's folder, which is then renamed over the target. On Windows names
// are UTF-8 (else the ANSI code page), turned into wide characters, and the
// rename replaces the target (arquivos_windows.cpp); elsewhere they are the
// bytes the system takes (arquivos_posix.cpp).
class ArquivosDoDisco : public Arquivos {
  public:
    ArquivoLido abre(const std::string& nome) override;
    bool grava(const std::string& nome, const std::string& conteudo) override;
    // Opened to append (O_APPEND on POSIX systems), the content written and
    // flushed to the disk; a write that fails half-way is cut off again.
    FalhaAoAcrescentar acrescenta(const std::string& nome, const std::string& conteudo) override;
};

// Files in memory, for tests. `falhar_gravacao` makes every write fail
// (an append with FalhaAoAcrescentar::sem_espaco); a name in `pastas` is a
// folder's.
class ArquivosNaMemoria : public Arquivos {
  public:
    ArquivoLido abre(const std::string& nome) override;
    bool grava(const std::string& nome, const std::string& conteudo) override;
    FalhaAoAcrescentar acrescenta(const std::string& nome, const std::string& conteudo) override;

    std::map<std::string, std::string> arquivos;
    std::set<std::string> pastas;
    bool falhar_gravacao = false;
};

} // namespace quelmaro
