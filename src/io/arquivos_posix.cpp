// Files on disk on POSIX systems.
#ifndef _WIN32

#include "io/arquivos.hpp"

#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quelmaro {
namespace {

bool grava_tudo(int fd, const std::string& conteudo) {
    std::size_t feito = 0;
    while (feito < conteudo.size()) {
        const ssize_t n = write(fd, conteudo.data() + feito, conteudo.size() - feito);
        if (n <= 0) return false;
        feito += static_cast<std::size_t>(n);
    }
    return true;
}

// mkstemp makes the file private; a saved game gets the ordinary permissions
// a new file would get (or keeps those of the file it replaces).
mode_t permissoes(const std::string& nome) {
    struct stat st;
    if (stat(nome.c_str(), &st) == 0) return st.st_mode & 07777;
    const mode_t mascara = umask(0);
    umask(mascara);
    return 0666 & ~mascara;
}

} // namespace

std::optional<std::string> ArquivosDoDisco::le(const std::string& nome) {
    if (!nome_valido(nome)) return std::nullopt;
    const int fd = open(nome.c_str(), O_RDONLY);
    if (fd < 0) return std::nullopt;
    std::string conteudo;
    char bloco[4096];
    ssize_t n;
    while ((n = read(fd, bloco, sizeof bloco)) > 0 && conteudo.size() <= TAMANHO_MAXIMO)
        conteudo.append(bloco, static_cast<std::size_t>(n));
    close(fd);
    if (n < 0 || conteudo.size() > TAMANHO_MAXIMO) return std::nullopt;
    return conteudo;
}

bool ArquivosDoDisco::grava(const std::string& nome, const std::string& conteudo) {
    if (!nome_valido(nome)) return false;
    // In the target's folder, under a short name of its own: a name of the
    // longest length the folder allows leaves no room for a suffix.
    std::string temporario = nome.substr(0, nome.rfind('/') + 1) + ".quelmaro-XXXXXX";
    const int fd = mkstemp(temporario.data());
    if (fd < 0) return false;
    bool ok = grava_tudo(fd, conteudo) && fsync(fd) == 0 && fchmod(fd, permissoes(nome)) == 0;
    ok = close(fd) == 0 && ok;
    ok = ok && std::rename(temporario.c_str(), nome.c_str()) == 0;
    if (!ok) unlink(temporario.c_str());
    return ok;
}

} // namespace quelmaro

#endif
