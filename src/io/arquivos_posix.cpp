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

FalhaAoAcrescentar falha_ao_acrescentar(int erro) {
    switch (erro) {
    case ENOENT:
    case ENOTDIR:
    case ENAMETOOLONG: return FalhaAoAcrescentar::sem_pasta;
    case EISDIR: return FalhaAoAcrescentar::pasta;
    case EACCES:
    case EPERM:
    case EROFS: return FalhaAoAcrescentar::sem_permissao;
    case ENOSPC:
    case EDQUOT:
    case EFBIG: return FalhaAoAcrescentar::sem_espaco;
    default: return FalhaAoAcrescentar::erro;
    }
}

// The last two bytes of the named file of `tamanho` bytes (fewer in a
// shorter one), read through a descriptor of its own (the appending one only
// writes); "x" when they cannot be read, so that an empty line comes first.
std::string fim_do_arquivo(const std::string& nome, off_t tamanho) {
    char fim[2] = {'x', 'x'};
    const off_t n = tamanho < 2 ? tamanho : 2;
    const int fd = open(nome.c_str(), O_RDONLY | O_CLOEXEC);
    const bool lido = fd >= 0 && pread(fd, fim, static_cast<std::size_t>(n), tamanho - n) == n;
    if (fd >= 0) close(fd);
    return std::string(fim, lido ? static_cast<std::size_t>(n) : 1);
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

FalhaAoAcrescentar ArquivosDoDisco::acrescenta(const std::string& nome,
                                               const std::string& conteudo) {
    if (!nome_valido(nome)) return FalhaAoAcrescentar::sem_nome;
    const int fd = open(nome.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0) return falha_ao_acrescentar(errno);
    // A device or a pipe (/dev/null) takes the text as it comes.
    struct stat st;
    const bool comum = fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
    const std::string fim =
        comum && st.st_size > 0 ? fim_do_arquivo(nome, st.st_size) : std::string();
    const std::string_view separador = separador_para_acrescentar(fim);
    std::string texto;
    texto.reserve(separador.size() + conteudo.size());
    texto.append(separador).append(conteudo);
    errno = 0;
    int erro = 0;
    if (!grava_tudo(fd, texto) || (comum && fsync(fd) != 0)) {
        erro = errno != 0 ? errno : EIO;
        // What the file held before stays; the part of the game written goes
        // (should that fail too, the write's reason is the one told).
        [[maybe_unused]] const int cortado = comum ? ftruncate(fd, st.st_size) : 0;
    }
    if (close(fd) != 0 && erro == 0) erro = errno;
    return erro == 0 ? FalhaAoAcrescentar::nenhuma : falha_ao_acrescentar(erro);
}

} // namespace quelmaro

#endif
