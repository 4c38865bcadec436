// Files on disk on POSIX systems.
#ifndef _WIN32

#include "io/arquivos.hpp"

#include <cerrno>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

namespace quelmaro {
namespace {

bool grava_tudo(int fd, const std::string& conteudo) {
    std::size_t feito = 0;
    while (feito < conteudo.size()) {
        const ssize_t n = write(fd, conteudo.data() + feito, conteudo.size() - feito);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            if (n == 0) errno = EIO;
            return false;
        }
        feito += static_cast<std::size_t>(n);
    }
    return true;
}

FalhaDeGravacao falha_de(int erro) {
    switch (erro) {
    case ENOENT:
    case ENOTDIR: return FalhaDeGravacao::sem_pasta;
    case ENAMETOOLONG: return FalhaDeGravacao::nome_longo;
    case EISDIR: return FalhaDeGravacao::pasta;
    case EACCES:
    case EPERM: return FalhaDeGravacao::pasta_sem_permissao;
    case ELOOP: return FalhaDeGravacao::ligacoes;
    case EROFS: return FalhaDeGravacao::so_leitura;
    case ENOSPC:
    case EDQUOT: return FalhaDeGravacao::sem_espaco;
    default: return FalhaDeGravacao::erro;
    }
}

// The folder part of a name, with its '/', or "" for the working folder.
std::string pasta_de(const std::string& nome) { return nome.substr(0, nome.rfind('/') + 1); }

// The name a chain of symbolic links leads to (the name itself when it is
// no link), and what stands there: `existe` false when nothing does yet.
// As the system counts, 40 links in a row are a loop.
struct Destino {
    std::string nome;
    bool existe = false;
    struct stat st {};
    int erro = 0;
};
Destino destino(const std::string& nome) {
    Destino d{nome};
    for (int saltos = 0;; ++saltos) {
        if (lstat(d.nome.c_str(), &d.st) != 0) {
            if (errno != ENOENT) d.erro = errno;
            return d;
        }
        if (!S_ISLNK(d.st.st_mode)) {
            d.existe = true;
            return d;
        }
        if (saltos == 40) {
            d.erro = ELOOP;
            return d;
        }
        std::string alvo(static_cast<std::size_t>(d.st.st_size > 0 ? d.st.st_size : 255) + 1, '\0');
        const ssize_t n = readlink(d.nome.c_str(), alvo.data(), alvo.size());
        if (n < 0 || static_cast<std::size_t>(n) >= alvo.size()) {
            d.erro = n < 0 ? errno : ENAMETOOLONG;
            return d;
        }
        alvo.resize(static_cast<std::size_t>(n));
        d.nome = alvo.starts_with('/') ? alvo : pasta_de(d.nome) + alvo;
    }
}

// Removes the temporary files that saves killed mid-way left in the folder:
// regular files of the user's, of that pattern, whose process has ended or
// which are old. A living save's file is young and its process alive, and
// is kept; so is anything else.
void limpa_sobras(const std::string& pasta) {
    const int dfd = open(pasta.empty() ? "." : pasta.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dfd < 0) return;
    DIR* d = fdopendir(dfd);
    if (!d) {
        close(dfd);
        return;
    }
    const time_t agora = time(nullptr);
    while (const dirent* e = readdir(d)) {
        const long pid = processo_do_temporario(e->d_name);
        if (pid < 0 || pid == static_cast<long>(getpid())) continue;
        struct stat st;
        if (fstatat(dfd, e->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(st.st_mode) ||
            st.st_uid != geteuid())
            continue;
        const bool velho = agora - st.st_mtime >= TEMPORARIO_VELHO;
        const bool acabou = pid > 0 && kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH;
        if (velho || acabou) unlinkat(dfd, e->d_name, 0);
    }
    closedir(d);
}

// May the user replace this file? Its real user must have the right to
// write it, and a file without any write permission is write-protected for
// everyone, root included (whom the system would let through).
bool pode_escrever(const std::string& nome, const struct stat& st) {
    if ((st.st_mode & 0222) == 0) return false;
    return access(nome.c_str(), W_OK) == 0 || errno == EROFS;
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
    // Without waiting: a FIFO would block the open until a writer came.
    const int fd = open(nome.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        switch (errno) {
        case ENOENT:
        case ENOTDIR:
        case ENAMETOOLONG: return {std::nullopt, FalhaDeLeitura::nao_existe};
        case EACCES:
        case EPERM: return {std::nullopt, FalhaDeLeitura::sem_permissao};
        case EISDIR: return {std::nullopt, FalhaDeLeitura::pasta};
        case ENXIO: return {std::nullopt, FalhaDeLeitura::especial}; // a socket
        default: return {std::nullopt, FalhaDeLeitura::erro};
        }
    }
    // Only a regular file is read; one known to be too large not at all.
    struct stat st;
    FalhaDeLeitura falha = FalhaDeLeitura::nenhuma;
    if (fstat(fd, &st) != 0)
        falha = FalhaDeLeitura::erro;
    else if (S_ISDIR(st.st_mode))
        falha = FalhaDeLeitura::pasta;
    else if (!S_ISREG(st.st_mode))
        falha = FalhaDeLeitura::especial;
    else if (static_cast<std::size_t>(st.st_size) > TAMANHO_MAXIMO_DE_ARQUIVO)
        falha = FalhaDeLeitura::grande_demais;
    else if (const int f = fcntl(fd, F_GETFL); f < 0 || fcntl(fd, F_SETFL, f & ~O_NONBLOCK) < 0)
        falha = FalhaDeLeitura::erro;
    if (falha != FalhaDeLeitura::nenhuma) {
        close(fd);
        return {std::nullopt, falha};
    }
    std::string conteudo;
    char bloco[65536];
    ssize_t n;
    while ((n = read(fd, bloco, sizeof bloco)) > 0 || (n < 0 && errno == EINTR)) {
        if (n < 0) continue;
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

Gravacao ArquivosDoDisco::substitui(const std::string& nome, const std::string& conteudo) {
    if (!nome_valido(nome)) return {FalhaDeGravacao::sem_nome};
    // The file the name leads to, which must be a regular file the user may
    // write, or nothing yet.
    const Destino alvo = destino(nome);
    if (alvo.erro) return {falha_de(alvo.erro)};
    if (alvo.existe) {
        if (S_ISDIR(alvo.st.st_mode)) return {FalhaDeGravacao::pasta};
        if (!S_ISREG(alvo.st.st_mode)) return {FalhaDeGravacao::especial};
        if (!pode_escrever(alvo.nome, alvo.st)) return {FalhaDeGravacao::protegido};
    }
    const std::string pasta = pasta_de(alvo.nome);
    limpa_sobras(pasta);
    // In that folder, under a short name of its own: a name of the longest
    // length the folder allows leaves no room for a suffix.
    std::string temporario =
        pasta + std::string(PREFIXO_DE_TEMPORARIO) + std::to_string(getpid()) + "-XXXXXX";
    const int fd = mkstemp(temporario.data());
    if (fd < 0) return {falha_de(errno)};
    // The permissions a new file would get, or those of the file replaced
    // (its owner and group too, where the system allows).
    mode_t modo;
    if (alvo.existe) {
        modo = alvo.st.st_mode & 0777;
        if (fchown(fd, alvo.st.st_uid, alvo.st.st_gid) != 0 &&
            fchown(fd, static_cast<uid_t>(-1), alvo.st.st_gid) != 0) {
            // kept as the user's own
        }
    } else {
        const mode_t mascara = umask(0);
        umask(mascara);
        modo = 0666 & ~mascara;
    }
    bool ok = grava_tudo(fd, conteudo) && fchmod(fd, modo) == 0 && fsync(fd) == 0;
    int erro = errno;
    if (close(fd) != 0 && ok) {
        ok = false;
        erro = errno;
    }
    if (ok && rename(temporario.c_str(), alvo.nome.c_str()) != 0) {
        ok = false;
        erro = errno;
    }
    if (!ok) {
        unlink(temporario.c_str());
        return {falha_de(erro)};
    }
    // The rename reaches the disk with its folder.
    const int dfd = open(pasta.empty() ? "." : pasta.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dfd >= 0) {
        const bool sincronizada = fsync(dfd) == 0 || errno == EINVAL || errno == EROFS;
        erro = errno;
        close(dfd);
        if (!sincronizada) return {falha_de(erro)};
    }
    return {FalhaDeGravacao::nenhuma, alvo.existe && alvo.st.st_nlink > 1};
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
