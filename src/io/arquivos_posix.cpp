// Files on disk on POSIX systems.
#ifndef _WIN32

#include "io/arquivos.hpp"

#include <cerrno>
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

ArquivoLido ArquivosDoDisco::abre(const std::string& nome) {
    if (!nome_valido(nome)) return {std::nullopt, FalhaDeLeitura::sem_nome};
    const int fd = open(nome.c_str(), O_RDONLY);
    if (fd < 0) {
        switch (errno) {
        case ENOENT:
        case ENOTDIR:
        case ENAMETOOLONG: return {std::nullopt, FalhaDeLeitura::nao_existe};
        case EACCES:
        case EPERM: return {std::nullopt, FalhaDeLeitura::sem_permissao};
        case EISDIR: return {std::nullopt, FalhaDeLeitura::pasta};
        default: return {std::nullopt, FalhaDeLeitura::erro};
        }
    }
    // A folder opens for reading; it cannot be read as a file. A file known
    // to be too large is not read at all.
    struct stat st;
    if (fstat(fd, &st) == 0 &&
        (S_ISDIR(st.st_mode) || (S_ISREG(st.st_mode) && static_cast<std::size_t>(st.st_size) >
                                                            TAMANHO_MAXIMO_DE_ARQUIVO))) {
        close(fd);
        return {std::nullopt,
                S_ISDIR(st.st_mode) ? FalhaDeLeitura::pasta : FalhaDeLeitura::grande_demais};
    }
    std::string conteudo;
    char bloco[65536];
    ssize_t n;
    while ((n = read(fd, bloco, sizeof bloco)) > 0) {
        if (conteudo.size() + static_cast<std::size_t>(n) > TAMANHO_MAXIMO_DE_ARQUIVO) {
            close(fd);
            return {std::nullopt, FalhaDeLeitura::grande_demais};
        }
        conteudo.append(bloco, static_cast<std::size_t>(n));
    }
    const int erro = errno;
    close(fd);
    if (n < 0) return {std::nullopt, erro == EISDIR ? FalhaDeLeitura::pasta : FalhaDeLeitura::erro};
    return {std::move(conteudo), FalhaDeLeitura::nenhuma};
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
