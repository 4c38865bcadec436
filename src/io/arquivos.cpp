#include "io/arquivos.hpp"

namespace quelmaro {

bool nome_valido(const std::string& nome) {
    return !nome.empty() && nome.find('\0') == std::string::npos;
}

ArquivoLido ArquivosNaMemoria::abre(const std::string& nome) {
    if (!nome_valido(nome)) return {std::nullopt, FalhaDeLeitura::sem_nome};
    if (pastas.contains(nome)) return {std::nullopt, FalhaDeLeitura::pasta};
    const auto it = arquivos.find(nome);
    if (it == arquivos.end()) return {std::nullopt, FalhaDeLeitura::nao_existe};
    if (it->second.size() > TAMANHO_MAXIMO_DE_ARQUIVO)
        return {std::nullopt, FalhaDeLeitura::grande_demais};
    return {it->second, FalhaDeLeitura::nenhuma};
}

bool ArquivosNaMemoria::grava(const std::string& nome, const std::string& conteudo) {
    if (!nome_valido(nome) || falhar_gravacao) return false;
    arquivos[nome] = conteudo;
    return true;
}

} // namespace quelmaro
