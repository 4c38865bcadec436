#include "uci/sessao_uci.hpp"

#include <algorithm>
#include <ostream>

#include "game/jogo.hpp"
#include "game/notacao.hpp"
#include "text/explicacao.hpp"
#include "text/mensagens.hpp"
#include "uci/palavras.hpp"
#include "uci/posicao_uci.hpp"
#include "versao.hpp"

namespace quelmaro::uci {

// +-------------------------------------------------------------------------+
// | The commands, by the first word of a line that is one of them (words     |
// | before it are skipped, a line with none is read past):                  |
// |   uci          "id name Quelmaro VERSION", "id author ...", "uciok"      |
// |   isready      "readyok"                                                |
// |   ucinewgame   the next position starts a new game                      |
// |   position     startpos | fen FEN, then optionally moves M1 M2 ...      |
// |   go ...       info lines and bestmove at once (its parameters ignored) |
// |   stop         nothing is running: nothing to do                        |
// |   quit         ends the session at once                                 |
// |   debug, setoption, register, ponderhit   read past                     |
// +-------------------------------------------------------------------------+
const SessaoUci::Comando SessaoUci::COMANDOS[] = {
    {"uci", &SessaoUci::uci},
    {"isready", &SessaoUci::isready},
    {"ucinewgame", &SessaoUci::ucinewgame},
    {"position", &SessaoUci::position},
    {"go", &SessaoUci::go},
    {"stop", &SessaoUci::nada},
    {"quit", nullptr},
    {"debug", &SessaoUci::nada},
    {"setoption", &SessaoUci::nada},
    {"register", &SessaoUci::nada},
    {"ponderhit", &SessaoUci::nada},
};

int SessaoUci::executa() {
    try {
        while (comando(console_.linha())) {
        }
    } catch (const FimDoPrograma&) {
    }
    console_.saida().flush();
    return 0;
}

bool SessaoUci::comando(std::string_view linha) {
    const std::vector<std::string_view> p = palavras(linha);
    for (auto w = p.begin(); w != p.end(); ++w)
        for (const Comando& c : COMANDOS)
            if (c.nome == *w) {
                if (!c.executa) return false;
                (this->*c.executa)({w + 1, p.end()});
                return true;
            }
    return true;
}

void SessaoUci::uci(Argumentos) {
    std::ostream& o = console_.saida();
    o << texto(Mensagem::UciNome, true) << VERSAO << '\n'
      << texto(Mensagem::UciAutor, true) << '\n'
      << texto(Mensagem::UciOk, true) << '\n';
}

void SessaoUci::isready(Argumentos) {
    console_.saida() << texto(Mensagem::UciPronto, true) << '\n';
}

void SessaoUci::ucinewgame(Argumentos) { tem_jogo_ = false; }

void SessaoUci::position(Argumentos argumentos) {
    const PedidoDePosicao p = le_posicao(argumentos);
    std::ostream& o = console_.saida();
    if (p.erro == PedidoDePosicao::Erro::sem_inicio) return;
    if (p.erro == PedidoDePosicao::Erro::fen) {
        o << texto(Mensagem::UciPosicaoIlegal, true) << '\n';
        return;
    }
    if (!p.lance_ilegal.empty())
        o << texto(Mensagem::UciLanceIlegal, true) << p.lance_ilegal << '\n';

    // The last position followed by further moves goes on with the same game.
    const bool continua = tem_jogo_ && p.inicio == inicio_ && p.lances.size() > lances_.size() &&
                          std::equal(lances_.begin(), lances_.end(), p.lances.begin());
    const std::size_t desde = continua ? lances_.size() : 0;
    if (!continua) {
        maquina_tem_brancas_ = p.atual.brancas_a_mover;
        comeca_de_posicao(estado_, p.inicio, maquina_tem_brancas_);
        meu_lance_.reset();
        tem_jogo_ = true;
    }
    inicio_ = p.inicio;
    aplica(p.lances, desde);
    lances_ = p.lances;
    atual_ = p.atual;
}

void SessaoUci::aplica(const std::vector<xadrez::Movimento>& lances, std::size_t desde) {
    for (std::size_t k = desde; k < lances.size(); ++k) {
        const bool brancas = inicio_.brancas_a_mover == (k % 2 == 0);
        if (brancas != maquina_tem_brancas_)
            estado_.conta_lance_da_pessoa();
        // The engine pass counted its own opening move when it chose it.
        else if (k == desde && meu_lance_ == lances[k])
            estado_.conta_lance_da_maquina();
        else
            estado_.conta_lance_dado_a_maquina();
    }
    meu_lance_.reset();
}

void SessaoUci::go(Argumentos) {
    if (!tem_jogo_) position({"startpos"});
    std::ostream& o = console_.saida();
    // The computer plays the side to move; a game it goes on with keeps its counters.
    maquina_tem_brancas_ = atual_.brancas_a_mover;
    poe_posicao(estado_, atual_, maquina_tem_brancas_);
    const Escolha e = escolhe(estado_, motor_);
    if (!e.lance()) {
        // The rule of the end of the game says why there is no move.
        o << "info string " << razao(e.resultado.regra, e.resultado.abertura) << '\n'
          << texto(Mensagem::UciSemLance, true) << '\n';
        return;
    }
    const Pensamento& p = e.pensamento;
    o << "info depth 1 score " << (p.mate ? std::string("mate 1") : "cp " + std::to_string(p.pontos))
      << " nodes " << p.nos << " pv " << p.lance << '\n'
      << "info string " << razao(p) << '\n';
    o << texto(Mensagem::UciMelhorLance, true) << p.lance << '\n';
    meu_lance_ = xadrez::le_coordenadas(p.lance);
}

} // namespace quelmaro::uci
