// Access to saved-game files by the names the player types. The disk is one
// implementation; tests use the one in memory, so they never touch the disk.
#pragma once

#include <cstddef>
#include <map>
#include <optional>
#include <string>

namespace quelmaro {

class Arquivos {
  public:
    virtual ~Arquivos() = default;
    // A file longer than this is refused whole (a game file, even a large
    // collection of PGN games, is far shorter), never read in part.
    static constexpr std::size_t TAMANHO_MAXIMO = std::size_t{64} << 20;
    // The whole content of the named file, or nullopt when it cannot be read.
    virtual std::optional<std::string> le(const std::string& nome) = 0;
    // Replaces the named file with the content, all or nothing: on failure an
    // existing file of that name is left as it was. Returns false on failure.
    virtual bool grava(const std::string& nome, const std::string& conteudo) = 0;
};

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
    std::optional<std::string> le(const std::string& nome) override;
    bool grava(const std::string& nome, const std::string& conteudo) override;
};

// Files in memory, for tests. `falhar_gravacao` makes every write fail.
class ArquivosNaMemoria : public Arquivos {
  public:
    std::optional<std::string> le(const std::string& nome) override;
    bool grava(const std::string& nome, const std::string& conteudo) override;

    std::map<std::string, std::string> arquivos;
    bool falhar_gravacao = false;
};

} // namespace quelmaro
