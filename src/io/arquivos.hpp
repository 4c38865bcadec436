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
    especial,      // a device, a FIFO, a socket: not a file that holds a game
    sem_permissao, // the file may not be read
    grande_demais, // longer than TAMANHO_MAXIMO_DE_ARQUIVO
    erro,          // any other failure of the system
};

// Why a file could not be written. The old file of that name, if any, is
// then as it was.
enum class FalhaDeGravacao {
    nenhuma,
    sem_nome,            // an empty name, or one holding a NUL byte
    sem_pasta,           // no folder of that name on its way
    nome_longo,          // the name, or a part of it, is longer than the system allows
    pasta,               // the name is a folder's
    especial,            // a device, a FIFO, a socket
    protegido,           // the file may not be written (its permissions, write-protected)
    pasta_sem_permissao, // its folder may not be written
    ligacoes,            // symbolic links without end (a loop)
    so_leitura,          // the file system is mounted read-only
    sem_espaco,          // the disk (or the user's quota) is full
    erro,                // any other failure of the system
};

// A write: why it failed, or that it took the name away from the other
// names of a file of several (hard) links, which keep the old content.
struct Gravacao {
    FalhaDeGravacao falha = FalhaDeGravacao::nenhuma;
    bool separou_ligacoes = false;
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
    // existing file of that name is left as it was. A symbolic link's target
    // is replaced, not the link; a name that is not a regular file, or a file
    // the user may not write, is refused.
    virtual Gravacao substitui(const std::string& nome, const std::string& conteudo) = 0;
    // The same; false on failure.
    bool grava(const std::string& nome, const std::string& conteudo) {
        return substitui(nome, conteudo).falha == FalhaDeGravacao::nenhuma;
    }
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

// The temporary files of saves on disk: ".quelmaro-", the number of the
// writing process, '-' and six letters or digits (an older pattern lacks
// the number and its '-'). One is stale when its process has ended, or
// whoever wrote it once it is TEMPORARIO_VELHO seconds old.
inline constexpr std::string_view PREFIXO_DE_TEMPORARIO = ".quelmaro-";
inline constexpr long TEMPORARIO_VELHO = 600;
// The process number in such a name, 0 when the name holds none, -1 when
// the name is not of that pattern.
long processo_do_temporario(std::string_view nome);

// Files on disk. A read opens without waiting (a FIFO would) and reads only
// a regular file. A write goes to a temporary file with a short name in the
// folder of the file the name leads to (through symbolic links), synced to
// the disk and then renamed over it, the folder synced in turn; a file of
// several hard links is replaced under the one name. The temporary files
// that a killed save left in that folder are removed first: names of the
// program's own pattern, regular files of the user's, of a process that
// has ended (or old). On Windows names
// are UTF-8 (else the ANSI code page), turned into wide characters, and the
// rename replaces the target (arquivos_windows.cpp); elsewhere they are the
// bytes the system takes (arquivos_posix.cpp).
class ArquivosDoDisco : public Arquivos {
  public:
    ArquivoLido abre(const std::string& nome) override;
    Gravacao substitui(const std::string& nome, const std::string& conteudo) override;
    // Opened to append (O_APPEND on POSIX systems), the content written and
    // flushed to the disk; a write that fails half-way is cut off again.
    FalhaAoAcrescentar acrescenta(const std::string& nome, const std::string& conteudo) override;
};

// Files in memory, for tests. `falhar_gravacao` makes every write fail with
// `falha_de_gravacao`; a name in `pastas` is a folder's.
class ArquivosNaMemoria : public Arquivos {
  public:
    ArquivoLido abre(const std::string& nome) override;
    Gravacao substitui(const std::string& nome, const std::string& conteudo) override;
    FalhaAoAcrescentar acrescenta(const std::string& nome, const std::string& conteudo) override;

    std::map<std::string, std::string> arquivos;
    std::set<std::string> pastas;
    bool falhar_gravacao = false;
    FalhaDeGravacao falha_de_gravacao = FalhaDeGravacao::erro;
};

} // namespace quelmaro
