// Files on disk on Windows: wide names, the temporary file replacing the
// target with MoveFileExW.
#ifdef _WIN32

#include "io/arquivos.hpp"

#include <algorithm>
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

// A new file of a name no other file has, in `pasta`: ".quelmaro-" and six
// hexadecimal digits, as short as the POSIX side's.
HANDLE temporario_novo(const std::wstring& pasta, std::wstring& nome) {
    static unsigned contador = 0;
    for (int tentativa = 0; tentativa < 100; ++tentativa) {
        const unsigned semente = GetCurrentProcessId() * 2654435761u +
                                 static_cast<unsigned>(GetTickCount64()) * 40503u + ++contador;
        wchar_t sufixo[8];
        for (int i = 0; i < 6; ++i) sufixo[i] = L"0123456789abcdef"[(semente >> (4 * i)) & 15];
        sufixo[6] = L'\0';
        nome = pasta + L".quelmaro-" + sufixo;
        const HANDLE h = CreateFileW(nome.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                     FILE_ATTRIBUTE_NORMAL, nullptr);
        if (h != INVALID_HANDLE_VALUE) return h;
        const DWORD erro = GetLastError();
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

bool ArquivosDoDisco::grava(const std::string& nome, const std::string& conteudo) {
    if (!nome_valido(nome)) return false;
    const auto alvo = caminho(nome);
    if (!alvo) return false;
    std::wstring temporario;
    const HANDLE h = temporario_novo(pasta_de(*alvo), temporario);
    if (h == INVALID_HANDLE_VALUE) return false;
    bool ok = grava_tudo(h, conteudo) && FlushFileBuffers(h);
    ok = CloseHandle(h) && ok;
    ok = ok && MoveFileExW(temporario.c_str(), alvo->c_str(),
                           MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    if (!ok) DeleteFileW(temporario.c_str());
    return ok;
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
    std::string fim = fim_do_arquivo(h, tamanho.QuadPart);
    if (tamanho.QuadPart > 0 && fim.empty()) fim = "x"; // unreadable: an empty line, to be sure
    const std::string texto = std::string(separador_para_acrescentar(fim)) + conteudo;
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
