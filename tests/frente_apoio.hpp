// The front ends (the console dialog, the xboard session) over text streams
// and files in memory, and states set up by hand, for the tests of the game
// and its front ends.
#pragma once

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <memory>
#include <sstream>
#include <string>

#include "chess/posicao.hpp"
#include "chess/tabuleiro_xadrez.hpp"
#include "console/dialogo.hpp"
#include "game/estado.hpp"
#include "game/notacao.hpp"
#include "xboard/sessao_xboard.hpp"

namespace quelmaro {

// Pieces on squares named in chess notation ("e1"); a code > 0 is the computer's.
using Pecas = std::map<std::string, int>;

// A state holding these pieces alone, with the player to move, nothing
// barring castling (the rights stand where the king and rook are at home),
// no square passed over and every counter at 0.
inline Estado estado_com(bool jogador_tem_brancas, const Pecas& pecas) {
    Tabuleiro t;
    for (const auto& [nome, codigo] : pecas)
        t.poe(numero_da_casa(nome[0], nome[1], !jogador_tem_brancas), codigo);
    xadrez::Posicao x = xadrez::do_tabuleiro(t, !jogador_tem_brancas);
    x.brancas_a_mover = jogador_tem_brancas;
    Estado e;
    e.poe_posicao(x, jogador_tem_brancas, {});
    return e;
}

// The state with its pieces and sides as they are and the side to move, the
// castling flags and the square passed over (a chess square, -1 for none)
// given anew.
inline void poe_vez(Estado& e, bool vez_das_brancas, const DireitosPorCor& roques,
                    int passada = -1) {
    xadrez::Posicao x = e.posicao();
    x.brancas_a_mover = vez_das_brancas;
    x.en_passant = passada;
    e.poe_posicao(x, e.jogador_tem_brancas(), roques);
}

// The square named in chess notation ("e4"), emptied.
inline void esvazia(Estado& e, const char* nome) {
    xadrez::Posicao x = e.posicao();
    x.pecas[*xadrez::le_casa(nome)] = xadrez::VAZIA;
    x.en_passant = e.casa_passada();
    e.poe_posicao(x, e.jogador_tem_brancas(), e.direitos_de_roque());
}

// The code on the square named in chess notation.
inline int em(const Estado& e, const char* nome) {
    return e.tabuleiro()[numero_da_casa(nome[0], nome[1], e.maquina_tem_brancas())];
}

inline xadrez::Posicao de_fen(const std::string& fen) {
    const xadrez::LeituraFen l = xadrez::le_fen(fen);
    EXPECT_TRUE(l.ok()) << fen;
    return l.posicao;
}

// The bytes of a file on disk (the tests' data files).
inline std::string le_arquivo(const std::string& caminho) {
    std::ifstream f(caminho, std::ios::binary);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}

// A front end over text streams and files in memory: each test types the
// lines, calls the front end's turn and reads what it printed.
template <class Frente_>
struct Bancada {
    virtual ~Bancada() = default;
    // A fresh front end over the same streams and files.
    virtual void monta() { frente = std::make_unique<Frente_>(console, arquivos); }

    void digita(const std::string& texto) { entrada.str(texto), entrada.clear(); }
    std::string impresso() {
        std::string s = saida.str();
        saida.str("");
        return s;
    }
    // The player's turn on the lines given; true when it returned before the
    // input ended.
    bool vez_dele(const std::string& linhas) {
        digita(linhas);
        try {
            return frente->pos_lance_dele();
        } catch (const FimDoPrograma&) {
            return false;
        }
    }
    // Runs the whole program on the lines given; what it printed.
    std::string sessao(const std::string& linhas) {
        monta();
        digita(linhas);
        EXPECT_EQ(frente->executa(), 0);
        return impresso();
    }

    const Jogo& jogo() const { return frente->jogo(); }
    const Estado& estado() const { return jogo().estado(); }
    int em(const char* nome) const { return quelmaro::em(estado(), nome); }

    std::istringstream entrada;
    std::ostringstream saida;
    ConsoleDeFluxo console{entrada, saida};
    ArquivosNaMemoria arquivos;
    std::unique_ptr<Frente_> frente;
};

// The console dialog, in English, the drawing off, a new game with the
// player White (as after the start-up dialog).
struct BancadaDoConsole : Bancada<Dialogo> {
    BancadaDoConsole() { monta(); }
    void monta() final {
        Bancada::monta();
        frente->exibicao().ingles = true;
        frente->jogo().novo(true);
    }
    Jogo& jogo() { return frente->jogo(); }
    Exibicao& exibicao() { return frente->exibicao(); }
    // The computer's turn as the main procedure runs it; false when the
    // dialog ended the game there.
    bool joga_maquina() {
        try {
            const LanceDaMaquina l = jogo().lance_da_maquina();
            return l.termino == Termino::nenhum ? frente->meu_lance(l)
                                                : frente->fim_do_passe(l.termino);
        } catch (const FimDoPrograma&) {
            return false;
        }
    }
    // A new game through the start-up dialog (by default English, no
    // drawing, the player White); what it printed is dropped.
    void comeca(const std::string& teclas = "e\nn\ns\n") {
        digita(teclas);
        frente->apresenta();
        saida.str("");
    }
    // The pieces alone on the board, the player to move.
    void posicao(bool jogador_tem_brancas, const Pecas& pecas) {
        jogo().poe_estado(estado_com(jogador_tem_brancas, pecas));
    }
    // A fresh console with a new game through the start-up dialog in the
    // language given, continued from the FEN (empty: the ordinary start) with
    // the player on the side to move.
    void partida(bool ingles, const char* fen = "") {
        monta();
        comeca(ingles ? "e\nn\ns\n" : "p\nn\ns\n");
        if (*fen) jogo().instala_partida({.inicio = de_fen(fen), .lances = {}});
    }
    // A fresh console in the language given, the file "f" of this content
    // opened, then the lines after; what it printed.
    std::string abre(const std::string& conteudo, const std::string& depois = "",
                     bool ingles = true) {
        monta();
        exibicao().ingles = ingles;
        arquivos.arquivos["f"] = conteudo;
        vez_dele("open\nf\n" + depois);
        return impresso();
    }
    // The game's position in chess notation's terms.
    xadrez::Posicao posicao_atual() { return estado().posicao(); }
};

// The xboard session after its start-up: a new game, the GUI with White.
// Everything changes through the GUI's lines, as a GUI changes it (positions
// by "setboard"); the computer's moves come in whole sessions.
struct BancadaDoXboard : Bancada<SessaoXboard> {
    BancadaDoXboard() { monta(); }
    void monta() final {
        Bancada::monta();
        frente->apresenta();
    }
};

// The one fixture of the console's tests; each file names its groups of
// tests after what they exercise (`using Roque = NoConsole;`).
class NoConsole : public ::testing::Test, public BancadaDoConsole {};
class NoXboard : public ::testing::Test, public BancadaDoXboard {};

} // namespace quelmaro
