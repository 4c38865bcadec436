#include "io/arquivos.hpp"

#include <algorithm>

namespace quelmaro {

bool nome_valido(const std::string& nome) {
    return !nome.empty() && nome.find('\0') == std::string::npos;
}

long processo_do_temporario(std::string_view nome) {
    if (!nome.starts_with(PREFIXO_DE_TEMPORARIO)) return -1;
    nome.remove_prefix(PREFIXO_DE_TEMPORARIO.size());
    long pid = 0;
    if (const auto traco = nome.find('-'); traco != std::string_view::npos) {
        if (traco == 0 || traco > 9) return -1;
        for (char c : nome.substr(0, traco)) {
            if (c < '0' || c > '9') return -1;
            pid = 10 * pid + (c - '0');
        }
        nome.remove_prefix(traco + 1);
    }
    const auto letra = [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
    };
    if (nome.size() != 6 || !std::all_of(nome.begin(), nome.end(), letra)) return -1;
    return pid;
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
