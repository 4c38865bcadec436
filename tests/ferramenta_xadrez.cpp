// The chess module's entry points for the Node scripts of tests/referee/,
// which check them against chess.js:
//   quelmaro_xadrez escreve   game descriptions on standard input (below),
//                             one PGN text a line out, as a JSON string
//   quelmaro_xadrez le FILE   the games of a PGN file, each with its offsets,
//                             how it was read and every position (FEN); a
//                             game read is also written again with its
//                             annotations kept ("again", a JSON string), and
//                             read back ("reread same" or "reread differs")
//   quelmaro_xadrez regras    lines "FEN<TAB>coordinate moves": for every
//                             position its repetition key, how often it has
//                             occurred, and the three draw rules (0 or 1)
// A game description is a block of lines ending in "end":
//   fen FEN | tag NAME<TAB>VALUE | comment0 TEXT | move e2e4 | comment TEXT
//   | var e7e5 g1f3<TAB>TEXT | result R
// where comment and var stand after the last move given; TEXT has "\n" for
// a line break and "\\" for a backslash.
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "chess/empates.hpp"
#include "chess/pgn_escrita.hpp"
#include "chess/pgn_leitura.hpp"

using namespace quelmaro::xadrez;

namespace {

std::string json(std::string_view s) {
    std::string o = "\"";
    for (char c : s) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            o += '\\';
            o += c;
        } else if (u < 0x20) {
            char b[8];
            std::snprintf(b, sizeof b, "\\u%04x", u);
            o += b;
        } else {
            o += c;
        }
    }
    return o + "\"";
}

std::string desescapa(std::string_view s) {
    std::string o;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\\' && i + 1 < s.size()) {
            o += s[i + 1] == 'n' ? '\n' : s[i + 1];
            ++i;
        } else {
            o += s[i];
        }
    }
    return o;
}

std::vector<Movimento> coordenadas(std::string_view s) {
    std::vector<Movimento> v;
    std::istringstream in{std::string(s)};
    for (std::string c; in >> c;)
        if (const auto m = le_coordenadas(c)) v.push_back(*m);
    return v;
}

int escreve() {
    JogoParaEscrever j;
    for (std::string linha; std::getline(std::cin, linha);) {
        const std::size_t espaco = linha.find(' ');
        const std::string chave = linha.substr(0, espaco);
        const std::string resto = espaco == std::string::npos ? "" : linha.substr(espaco + 1);
        auto anotacao = [&]() -> Anotacao& {
            j.anotacoes.resize(j.lances.size());
            return j.anotacoes.back();
        };
        if (chave == "fen") {
            j.inicio = le_fen(resto).posicao;
        } else if (chave == "tag") {
            const std::size_t tab = resto.find('\t');
            j.tags.emplace_back(resto.substr(0, tab), desescapa(resto.substr(tab + 1)));
        } else if (chave == "comment0") {
            j.comentario_inicial = desescapa(resto);
        } else if (chave == "move") {
            j.lances.push_back(coordenadas(resto).at(0));
        } else if (chave == "comment") {
            anotacao().comentario = desescapa(resto);
        } else if (chave == "var") {
            const std::size_t tab = resto.find('\t');
            anotacao().variacoes.push_back(
                {coordenadas(resto.substr(0, tab)),
                 tab == std::string::npos ? "" : desescapa(resto.substr(tab + 1))});
        } else if (chave == "result") {
            j.resultado = resto;
        } else if (chave == "end") {
            std::cout << json(escreve_pgn(j)) << '\n';
            j = {};
        }
    }
    return 0;
}

const char* NOMES_DE_ERRO[] = {"none",    "empty",     "tag",  "fen",       "symbol",
                               "comment", "variation", "move", "no-result", "long"};

int le(const char* arquivo) {
    std::ifstream f(arquivo, std::ios::binary);
    if (!f) return 2;
    std::ostringstream s;
    s << f.rdbuf();
    const std::string texto = s.str();
    para_cada_jogo(texto, {.guarda_anotacoes = true}, [&](JogoLido&& j) {
        const std::string_view pedaco = std::string_view(texto).substr(j.inicio, j.fim - j.inicio);
        const LeituraPgn antigo = le_pgn(pedaco);
        std::cout << "game " << j.inicio << ' ' << j.fim << ' '
                  << NOMES_DE_ERRO[static_cast<int>(j.leitura.erro)] << ' ' << j.leitura.onde
                  << " old " << (antigo.ok() ? "ok" : "refused") << ' '
                  << (le_partida(pedaco) ? "loads" : "refused") << '\n';
        if (j.leitura.erro == ErroPgn::lance)
            std::cout << "move " << j.lance.numero << (j.lance.das_brancas ? ". " : "... ")
                      << j.lance.texto << '\n';
        if (!j.ok()) return true;
        JogoParaEscrever e;
        e.tags = j.leitura.tags;
        e.inicio = j.leitura.partida.inicio;
        e.lances = j.leitura.partida.lances;
        e.resultado = j.leitura.resultado;
        e.original_inicial = j.anotacoes.at(0);
        for (std::size_t k = 1; k < j.anotacoes.size(); ++k)
            e.anotacoes.push_back({"", {}, j.anotacoes[k]});
        const std::string de_novo = escreve_pgn(e);
        const std::vector<JogoLido> relido = le_jogos(de_novo, {.guarda_anotacoes = true});
        const bool igual = relido.size() == 1 && relido[0].ok() &&
                           relido[0].leitura.partida == j.leitura.partida &&
                           relido[0].anotacoes == j.anotacoes;
        std::cout << "again " << json(de_novo) << "\nreread " << (igual ? "same" : "differs")
                  << '\n';
        Posicao x = j.leitura.partida.inicio;
        std::cout << "pos " << escreve_fen(x) << '\n';
        for (const Movimento& m : j.leitura.partida.lances) {
            joga(x, m);
            std::cout << "pos " << escreve_fen(x) << '\n';
        }
        return true;
    });
    return 0;
}

int regras() {
    for (std::string linha; std::getline(std::cin, linha);) {
        const std::size_t tab = linha.find('\t');
        std::vector<Posicao> v{le_fen(linha.substr(0, tab)).posicao};
        for (const Movimento& m : coordenadas(linha.substr(tab + 1))) {
            v.push_back(v.back());
            joga(v.back(), m);
        }
        for (std::size_t n = 1; n <= v.size(); ++n) {
            const std::span<const Posicao> ate(v.data(), n);
            Posicao chave = v[n - 1];
            chave.en_passant = chave_de_repeticao(chave).en_passant;
            const std::string fen = escreve_fen(chave);
            std::size_t campos = 0, fim = 0;
            while (campos < 4 && fim < fen.size()) campos += fen[fim++] == ' ';
            std::cout << fen.substr(0, fim - 1) << '\t' << ocorrencias_da_ultima(ate) << ' '
                      << repeticao_tripla(ate) << ' ' << cinquenta_lances(v[n - 1]) << ' '
                      << material_insuficiente(v[n - 1]) << '\n';
        }
        std::cout << "end\n";
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    const std::string modo = argc > 1 ? argv[1] : "";
    if (modo == "escreve") return escreve();
    if (modo == "le" && argc > 2) return le(argv[2]);
    if (modo == "regras") return regras();
    std::cerr << "usage: quelmaro_xadrez escreve | le FILE | regras\n";
    return 2;
}
