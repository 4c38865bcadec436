// Files on disk on Windows: wide names, the temporary file replacing the
// file the name leads to with MoveFileExW, written through.
#ifdef _WIN32

#include "io/arquivos.hpp"

#include <algorithm>
#include <string_view>
#include <windows.h>

#include "io/texto_largo.hpp"

namespace quelmaro {
namespace {

// The wide name of a file, with the \\?\ prefix when the whole path is too
// long for the ordinary form (which stops at MAX_PATH). Short names keep
// the ordinary form, in which the devices (CON, NUL, ...) cannot be replaced
// by a file, so a save to one of them fails instead of vanishing.
std::optional<std::wstring> caminho(const std::string& nome) {
    auto largo = para_largo(nome);
    if (!largo || largo->size() < MAX_PATH - 20) return largo;
    const DWORD n = GetFullPathNameW(largo->c_str(), 0, nullptr, nullptr);
    if (n == 0) return std::nullopt;
    std::wstring completo(n, L'\0');
    const DWORD m = GetFullPathNameW(largo->c_str(), n, completo.data(), nullptr);
    if (m == 0 || m >= n) return std::nullopt;
    completo.resize(m);
    if (completo.rfind(L"\\\\", 0) == 0) { // \\server\share\... or already \\?\...
        if (completo.rfind(L"\\\\?\\", 0) == 0) return completo;
        return L"\\\\?\\UNC\\" + completo.substr(2);
    }
    return L"\\\\?\\" + completo;
}

// The folder part of a name, with its separator: up to the last \ or /, or
// past the drive of "C:name".
std::wstring pasta_de(const std::wstring& nome) {
    std::size_t fim = nome.find_last_of(L"\\/");
    if (fim == std::wstring::npos && nome.size() >= 2 && nome[1] == L':') fim = 1;
    return fim == std::wstring::npos ? std::wstring() : nome.substr(0, fim + 1);
}

bool grava_tudo(HANDLE h, const std::string& conteudo) {
    std::size_t feito = 0;
    while (feito < conteudo.size()) {
        const DWORD pedido =
            static_cast<DWORD>(std::min<std::size_t>(conteudo.size() - feito, 1u << 20));
        DWORD n = 0;
        if (!WriteFile(h, conteudo.data() + feito, pedido, &n, nullptr) || n == 0) return false;
        feito += n;
    }
    return true;
}

// A new file of a name no other file has, in `pasta`: ".quelmaro-", this
// process's number, '-' and six hexadecimal digits.
HANDLE temporario_novo(const std::wstring& pasta, std::wstring& nome, DWORD& erro) {
    static unsigned contador = 0;
    const std::wstring inicio =
        pasta + L".quelmaro-" + std::to_wstring(GetCurrentProcessId()) + L"-";
    erro = ERROR_SUCCESS;
    for (int tentativa = 0; tentativa < 100; ++tentativa) {
        const unsigned semente = GetCurrentProcessId() * 2654435761u +
                                 static_cast<unsigned>(GetTickCount64()) * 40503u + ++contador;
        wchar_t sufixo[8];
        for (int i = 0; i < 6; ++i) sufixo[i] = L"0123456789abcdef"[(semente >> (4 * i)) & 15];
        sufixo[6] = L'\0';
        nome = inicio + sufixo;
        const HANDLE h = CreateFileW(nome.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                     FILE_ATTRIBUTE_NORMAL, nullptr);
        if (h != INVALID_HANDLE_VALUE) return h;
        erro = GetLastError();
        if (erro != ERROR_FILE_EXISTS && erro != ERROR_ALREADY_EXISTS) break;
    }
    return INVALID_HANDLE_VALUE;
}

FalhaAoAcrescentar falha_ao_acrescentar(DWORD erro) {
    switch (erro) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME:
    case ERROR_FILENAME_EXCED_RANGE: return FalhaAoAcrescentar::sem_pasta;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_WRITE_PROTECT: return FalhaAoAcrescentar::sem_permissao;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL: return FalhaAoAcrescentar::sem_espaco;
    default: return FalhaAoAcrescentar::erro;
    }
}

// The last two bytes of the open file of `tamanho` bytes (fewer in a
// shorter one); the file pointer is left at its end.
std::string fim_do_arquivo(HANDLE h, long long tamanho) {
    char fim[2];
    const DWORD n = static_cast<DWORD>(tamanho < 2 ? tamanho : 2);
    LARGE_INTEGER posicao;
    posicao.QuadPart = tamanho - n;
    DWORD lidos = 0;
    if (n == 0 || !SetFilePointerEx(h, posicao, nullptr, FILE_BEGIN) ||
        !ReadFile(h, fim, n, &lidos, nullptr) || lidos != n)
        return {};
    return std::string(fim, n);
}

FalhaDeGravacao falha_de(DWORD erro) {
    switch (erro) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME: return FalhaDeGravacao::sem_pasta;
    case ERROR_FILENAME_EXCED_RANGE: return FalhaDeGravacao::nome_longo;
    case ERROR_ACCESS_DENIED: return FalhaDeGravacao::pasta_sem_permissao;
    case ERROR_WRITE_PROTECT: return FalhaDeGravacao::so_leitura;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL: return FalhaDeGravacao::sem_espaco;
    case ERROR_CANT_RESOLVE_FILENAME: return FalhaDeGravacao::ligacoes;
    default: return FalhaDeGravacao::erro;
    }
}

// Is the process of that number still running?
bool vivo(DWORD pid) {
    const HANDLE p = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid);
    if (!p) return GetLastError() != ERROR_INVALID_PARAMETER;
    DWORD codigo = 0;
    const bool rodando = GetExitCodeProcess(p, &codigo) && codigo == STILL_ACTIVE;
    CloseHandle(p);
    return rodando;
}

// Removes the temporary files that saves killed mid-way left in the folder:
// files (no folders, no links) of that pattern whose process has ended or
// which are old. A living save's file is held open without leave to delete
// it, and stays whatever is asked.
void limpa_sobras(const std::wstring& pasta) {
    WIN32_FIND_DATAW achado;
    const HANDLE busca = FindFirstFileW((pasta + L".quelmaro-*").c_str(), &achado);
    if (busca == INVALID_HANDLE_VALUE) return;
    FILETIME agora;
    GetSystemTimeAsFileTime(&agora);
    const auto em_segundos = [](const FILETIME& t) {
        return static_cast<long long>(
            (static_cast<unsigned long long>(t.dwHighDateTime) << 32 | t.dwLowDateTime) /
            10000000u);
    };
    do {
        if (achado.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT))
            continue;
        std::string nome;
        for (const wchar_t* c = achado.cFileName; *c; ++c)
            nome += *c < 128 ? static_cast<char>(*c) : '?';
        const long pid = processo_do_temporario(nome);
        if (pid < 0 || static_cast<DWORD>(pid) == GetCurrentProcessId()) continue;
        const bool velho =
            em_segundos(agora) - em_segundos(achado.ftLastWriteTime) >= TEMPORARIO_VELHO;
        if (velho || (pid > 0 && !vivo(static_cast<DWORD>(pid))))
            DeleteFileW((pasta + achado.cFileName).c_str());
    } while (FindNextFileW(busca, &achado));
    FindClose(busca);
}

// What the name leads to: the final name of a file reached through symbolic
// links or junctions, whether it exists, what it is.
struct Destino {
    std::wstring nome;
    bool existe = false;
    FalhaDeGravacao falha = FalhaDeGravacao::nenhuma;
    DWORD ligacoes = 1;
};
Destino destino(const std::wstring& nome) {
    Destino d{nome};
    const DWORD atributos = GetFileAttributesW(nome.c_str());
    // Opening follows links; a device opens as one, and says so.
    const HANDLE h = CreateFileW(nome.c_str(), FILE_READ_ATTRIBUTES,
                                 FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                 OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        const DWORD erro = GetLastError();
        if (atributos != INVALID_FILE_ATTRIBUTES && (atributos & FILE_ATTRIBUTE_REPARSE_POINT))
            d.falha = FalhaDeGravacao::erro; // a link to nothing, or that cannot be followed
        else if (erro != ERROR_FILE_NOT_FOUND)
            d.falha = erro == ERROR_ACCESS_DENIED ? FalhaDeGravacao::protegido : falha_de(erro);
        return d;
    }
    d.existe = true;
    BY_HANDLE_FILE_INFORMATION info;
    if (GetFileType(h) != FILE_TYPE_DISK) {
        d.falha = FalhaDeGravacao::especial;
    } else if (!GetFileInformationByHandle(h, &info)) {
        d.falha = FalhaDeGravacao::erro;
    } else if (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        d.falha = FalhaDeGravacao::pasta;
    } else if (info.dwFileAttributes & FILE_ATTRIBUTE_READONLY) {
        d.falha = FalhaDeGravacao::protegido;
    } else {
        d.ligacoes = info.nNumberOfLinks;
        // The name of the file itself, past any link on the way (wine's view
        // of a POSIX link has no reparse point, but this name is the target's).
        std::wstring final(32768, L'\0');
        const DWORD n = GetFinalPathNameByHandleW(h, final.data(), static_cast<DWORD>(final.size()),
                                                  FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
        if (n > 0 && n < final.size())
            d.nome = final.substr(0, n);
        else if (atributos != INVALID_FILE_ATTRIBUTES && (atributos & FILE_ATTRIBUTE_REPARSE_POINT))
            d.falha = FalhaDeGravacao::erro;
    }
    CloseHandle(h);
    if (d.falha != FalhaDeGravacao::nenhuma) return d;
    // The user's right to write it, asked without changing it.
    const HANDLE w = CreateFileW(d.nome.c_str(), GENERIC_WRITE,
                                 FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                 OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (w == INVALID_HANDLE_VALUE) {
        const DWORD erro = GetLastError();
        d.falha = erro == ERROR_ACCESS_DENIED ? FalhaDeGravacao::protegido : falha_de(erro);
    } else {
        CloseHandle(w);
    }
    return d;
}

} // namespace

ArquivoLido ArquivosDoDisco::abre(const std::string& nome) {
    if (!nome_valido(nome)) return {std::nullopt, FalhaDeLeitura::sem_nome};
    const auto largo = caminho(nome);
    if (!largo) return {std::nullopt, FalhaDeLeitura::sem_nome};
    // A folder does not open as a file (CreateFileW says "access denied").
    const DWORD atributos = GetFileAttributesW(largo->c_str());
    if (atributos != INVALID_FILE_ATTRIBUTES && (atributos & FILE_ATTRIBUTE_DIRECTORY))
        return {std::nullopt, FalhaDeLeitura::pasta};
    const HANDLE h = CreateFileW(largo->c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                 nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        switch (GetLastError()) {
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
        case ERROR_INVALID_NAME:
        case ERROR_FILENAME_EXCED_RANGE: return {std::nullopt, FalhaDeLeitura::nao_existe};
        case ERROR_ACCESS_DENIED:
        case ERROR_SHARING_VIOLATION: return {std::nullopt, FalhaDeLeitura::sem_permissao};
        default: return {std::nullopt, FalhaDeLeitura::erro};
        }
    }
    // Only a file on disk is read: a device, a pipe or the console would
    // wait for its input.
    if (GetFileType(h) != FILE_TYPE_DISK) {
        CloseHandle(h);
        return {std::nullopt, FalhaDeLeitura::especial};
    }
    // A file known to be too large is not read at all.
    LARGE_INTEGER tamanho;
    if (GetFileSizeEx(h, &tamanho) &&
        static_cast<unsigned long long>(tamanho.QuadPart) > TAMANHO_MAXIMO_DE_ARQUIVO) {
        CloseHandle(h);
        return {std::nullopt, FalhaDeLeitura::grande_demais};
    }
    std::string conteudo;
    char bloco[65536];
    DWORD n = 0;
    bool ok;
    while ((ok = ReadFile(h, bloco, sizeof bloco, &n, nullptr)) && n > 0) {
        if (conteudo.size() + n > TAMANHO_MAXIMO_DE_ARQUIVO) {
            CloseHandle(h);
            return {std::nullopt, FalhaDeLeitura::grande_demais};
        }
        conteudo.append(bloco, n);
    }
    CloseHandle(h);
    if (!ok) return {std::nullopt, FalhaDeLeitura::erro};
    return {std::move(conteudo), FalhaDeLeitura::nenhuma};
}

Gravacao ArquivosDoDisco::substitui(const std::string& nome, const std::string& conteudo) {
    if (!nome_valido(nome)) return {FalhaDeGravacao::sem_nome};
    const auto largo = caminho(nome);
    if (!largo) return {FalhaDeGravacao::sem_nome};
    const Destino alvo = destino(*largo);
    if (alvo.falha != FalhaDeGravacao::nenhuma) return {alvo.falha};
    const std::wstring pasta = pasta_de(alvo.nome);
    limpa_sobras(pasta);
    std::wstring temporario;
    DWORD erro;
    const HANDLE h = temporario_novo(pasta, temporario, erro);
    if (h == INVALID_HANDLE_VALUE) return {falha_de(erro)};
    bool ok = grava_tudo(h, conteudo) && FlushFileBuffers(h);
    erro = ok ? ERROR_SUCCESS : GetLastError();
    ok = CloseHandle(h) && ok;
    if (ok && !MoveFileExW(temporario.c_str(), alvo.nome.c_str(),
                           MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        ok = false;
        erro = GetLastError();
    }
    if (!ok) {
        DeleteFileW(temporario.c_str());
        return {falha_de(erro)};
    }
    return {FalhaDeGravacao::nenhuma, alvo.existe && alvo.ligacoes > 1};
}

FalhaAoAcrescentar ArquivosDoDisco::acrescenta(const std::string& nome,
                                               const std::string& conteudo) {
    if (!nome_valido(nome)) return FalhaAoAcrescentar::sem_nome;
    const auto largo = caminho(nome);
    if (!largo) return FalhaAoAcrescentar::sem_nome;
    const DWORD atributos = GetFileAttributesW(largo->c_str());
    if (atributos != INVALID_FILE_ATTRIBUTES && (atributos & FILE_ATTRIBUTE_DIRECTORY))
        return FalhaAoAcrescentar::pasta;
    const HANDLE h = CreateFileW(largo->c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ,
                                 nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return falha_ao_acrescentar(GetLastError());
    LARGE_INTEGER tamanho{};
    if (!GetFileSizeEx(h, &tamanho)) {
        const DWORD erro = GetLastError();
        CloseHandle(h);
        return falha_ao_acrescentar(erro);
    }
    const std::string fim = fim_do_arquivo(h, tamanho.QuadPart);
    // An end that cannot be read gets an empty line, to be sure.
    const bool ilegivel = tamanho.QuadPart > 0 && fim.empty();
    const std::string texto =
        std::string(separador_para_acrescentar(ilegivel ? std::string_view("x") : fim)) + conteudo;
    const LARGE_INTEGER zero{};
    DWORD erro = 0;
    if (!SetFilePointerEx(h, zero, nullptr, FILE_END) || !grava_tudo(h, texto) ||
        !FlushFileBuffers(h)) {
        erro = GetLastError();
        // What the file held before stays; the part of the game written goes.
        if (SetFilePointerEx(h, tamanho, nullptr, FILE_BEGIN)) SetEndOfFile(h);
    }
    if (!CloseHandle(h) && erro == 0) erro = GetLastError();
    return erro == 0 ? FalhaAoAcrescentar::nenhuma : falha_ao_acrescentar(erro);
}

} // namespace quelmaro

#endif
