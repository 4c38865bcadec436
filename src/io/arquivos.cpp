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

Gravacao ArquivosNaMemoria::substitui(const std::string& nome, const std::string& conteudo) {
    if (!nome_valido(nome)) return {FalhaDeGravacao::sem_nome};
    if (pastas.contains(nome)) return {FalhaDeGravacao::pasta};
    if (falhar_gravacao) return {falha_de_gravacao};
    arquivos[nome] = conteudo;
    return {};
}

} // namespace quelmaro
