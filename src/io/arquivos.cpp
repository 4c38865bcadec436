#include "io/arquivos.hpp"

namespace quelmaro {

bool nome_valido(const std::string& nome) {
    return !nome.empty() && nome.find('\0') == std::string::npos;
}

std::optional<std::string> ArquivosNaMemoria::le(const std::string& nome) {
    auto it = arquivos.find(nome);
    if (!nome_valido(nome) || it == arquivos.end()) return std::nullopt;
    return it->second;
}

bool ArquivosNaMemoria::grava(const std::string& nome, const std::string& conteudo) {
    if (!nome_valido(nome) || falhar_gravacao) return false;
    arquivos[nome] = conteudo;
    return true;
}

} // namespace quelmaro
