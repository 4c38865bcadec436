// The program for the web page, built to WebAssembly: the engine's UCI
// session one line at a time (what the page's Worker speaks over
// postMessage), and the page's questions about the game (web/pagina.hpp).
// Each function returns its text, which stays valid until the next call.
#include <sstream>
#include <string>

#include "io/console.hpp"
#include "uci/sessao_uci.hpp"
#include "web/pagina.hpp"

namespace {

std::string resposta;

const char* devolve(std::string s) {
    resposta = std::move(s);
    return resposta.c_str();
}

// The UCI session reads no input of its own: each line is given to it.
struct Sessao {
    std::istringstream entrada;
    std::ostringstream saida;
    quelmaro::ConsoleDeFluxo console{entrada, saida};
    quelmaro::uci::SessaoUci uci{console};
};

Sessao& sessao() {
    static Sessao s;
    return s;
}

} // namespace

extern "C" {

// One UCI line in; every line the engine answers, each ended by '\n'.
const char* quelmaro_uci(const char* linha) {
    Sessao& s = sessao();
    s.uci.comando(linha);
    std::string texto = s.saida.str();
    s.saida.str({});
    return devolve(std::move(texto));
}

const char* quelmaro_estado(const char* fen, const char* lances, int ingles) {
    return devolve(quelmaro::web::estado(fen, lances, ingles != 0));
}

const char* quelmaro_carrega(const char* texto, int ingles) {
    return devolve(quelmaro::web::carrega(texto, ingles != 0));
}

const char* quelmaro_pgn(const char* fen, const char* lances, const char* resultado, int anotada,
                         int computador_brancas, int ingles) {
    return devolve(quelmaro::web::pgn(fen, lances, resultado, anotada != 0, computador_brancas != 0,
                                      ingles != 0));
}

const char* quelmaro_analise(const char* fen, const char* lances, int ingles) {
    return devolve(quelmaro::web::analise(fen, lances, ingles != 0));
}

const char* quelmaro_porque(const char* fen, const char* lances, const char* lance, int ingles) {
    return devolve(quelmaro::web::porque(fen, lances, lance, ingles != 0));
}

const char* quelmaro_mensagens(int ingles) {
    return devolve(quelmaro::web::mensagens(ingles != 0));
}
}
