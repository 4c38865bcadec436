#include "io/arquivos.hpp"

#include <algorithm>

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

std::string_view separador_para_acrescentar(std::string_view fim) {
    if (fim.empty()) return "";
    if (fim.back() != '\n') return "\n\n";
    return fim.size() >= 2 && fim[fim.size() - 2] == '\n' ? "" : "\n";
}

FalhaAoAcrescentar ArquivosNaMemoria::acrescenta(const std::string& nome,
                                                 const std::string& conteudo) {
    if (!nome_valido(nome)) return FalhaAoAcrescentar::sem_nome;
    if (pastas.contains(nome)) return FalhaAoAcrescentar::pasta;
    if (falhar_gravacao) return FalhaAoAcrescentar::sem_espaco;
    std::string& arquivo = arquivos[nome];
    const std::string_view fim =
        std::string_view(arquivo).substr(arquivo.size() - std::min<std::size_t>(arquivo.size(), 2));
    (arquivo += separador_para_acrescentar(fim)) += conteudo;
    return FalhaAoAcrescentar::nenhuma;
}

} // namespace quelmaro
