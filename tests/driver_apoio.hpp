// The game driver over text streams and files in memory, for the driver's
// tests.
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <sstream>
#include <string>

#include "driver/notacao.hpp"
#include "driver/quelmaro.hpp"

namespace quelmaro {

// The player's turn on the lines given; true when it returned before the
// input ended.
inline bool vez_dele(Quelmaro& jogo, std::istringstream& entrada, const std::string& linhas) {
    entrada.str(linhas);
    entrada.clear();
    try {
        jogo.pos_lance_dele();
        return true;
    } catch (const FimDoPrograma&) {
        return false;
    }
}

// The game driver over text streams and files in memory; each test sets the
// position and the typed lines, then calls the procedure under test.
class Driver : public ::testing::Test {
  protected:
    void monta(bool winboard = false) {
        jogo = std::make_unique<Quelmaro>(console, Xboard{.Winboard = winboard}, arquivos);
        jogo->motor.ingles = true;
    }
    void SetUp() override { monta(); }

    void digita(const std::string& texto) { entrada.str(texto), entrada.clear(); }
    // A new game through the start-up dialog (by default English, no drawing,
    // the player White); what it printed is dropped.
    void comeca(const std::string& teclas = "e\nn\ns\n") {
        digita(teclas);
        jogo->Apresentacao();
        saida.str("");
    }
    std::string impresso() {
        std::string s = saida.str();
        saida.str("");
        return s;
    }
    // Clears the board and puts pieces on squares named in chess notation,
    // following who has White; code > 0 is the computer's.
    void posicao(char resposta, const std::map<std::string, int>& pecas) {
        jogo->resposta = resposta;
        jogo->tabuleiro.limpa();
        for (const auto& [nome, codigo] : pecas)
            jogo->tabuleiro.poe(lparanumero(nome[0], nome[1], resposta), codigo);
    }
    int em(const char* nome) const {
        return jogo->tabuleiro[lparanumero(nome[0], nome[1], jogo->resposta)];
    }
    bool vez_dele(const std::string& linhas) { return quelmaro::vez_dele(*jogo, entrada, linhas); }

    std::istringstream entrada;
    std::ostringstream saida;
    ConsoleDeFluxo console{entrada, saida};
    ArquivosNaMemoria arquivos;
    std::unique_ptr<Quelmaro> jogo;
};

} // namespace quelmaro
