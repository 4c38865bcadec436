#ifdef _WIN32

#include "io/texto_largo.hpp"

#include <windows.h>

namespace quelmaro {
namespace {

std::optional<std::wstring> converte(UINT pagina, DWORD opcoes, std::string_view texto) {
    const int tamanho = static_cast<int>(texto.size());
    const int n = MultiByteToWideChar(pagina, opcoes, texto.data(), tamanho, nullptr, 0);
    if (n <= 0) return std::nullopt;
    std::wstring largo(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(pagina, opcoes, texto.data(), tamanho, largo.data(), n);
    return largo;
}

} // namespace

std::optional<std::wstring> para_largo(std::string_view texto) {
    if (texto.empty() || texto.find('\0') != std::string_view::npos) return std::nullopt;
    if (auto largo = converte(CP_UTF8, MB_ERR_INVALID_CHARS, texto)) return largo;
    return converte(CP_ACP, 0, texto);
}

std::string para_utf8(std::wstring_view texto) {
    if (texto.empty()) return {};
    const int tamanho = static_cast<int>(texto.size());
    const int n =
        WideCharToMultiByte(CP_UTF8, 0, texto.data(), tamanho, nullptr, 0, nullptr, nullptr);
    if (n <= 0) return {};
    std::string utf8(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, texto.data(), tamanho, utf8.data(), n, nullptr, nullptr);
    return utf8;
}

} // namespace quelmaro

#endif
