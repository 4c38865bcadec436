#include "uci/sessao_uci.hpp"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <optional>
#include <ostream>

#include "game/jogo.hpp"
#include "game/parecer.hpp"
#include "text/explicacao.hpp"
#include "text/mensagens.hpp"
#include "uci/palavras.hpp"
#include "uci/posicao_uci.hpp"
#include "versao.hpp"

namespace quelmaro::uci {

// +-------------------------------------------------------------------------+
// | The commands, by the first word of a line that is one of them (words     |
// | before it are skipped, a line with none is read past):                  |
// |   uci          "id name Quelmaro VERSION", "id author ...", the options, |
// |                "uciok"                                                  |
// |   isready      "readyok", at any time                                   |
// |   setoption    name MultiPV value N: the lines "go" shows, 1 to 64      |
// |   ucinewgame   the next position starts a new game                      |
// |   position     startpos | fen FEN, then optionally moves M1 M2 ...      |
// |   go ...       info lines and bestmove at once; with "infinite" or       |
// |                "ponder" the bestmove waits for "stop" (or "ponderhit");  |
// |                "searchmoves M1 M2 ..." limits the choice to those moves;|
// |                the other parameters are read past                       |
// |   stop         the bestmove that waits; nothing when none does          |
// |   ponderhit    the bestmove that waits after "go ponder"               |
// |   quit         ends the session at once                                 |
// |   debug, register   read past                                           |
// +-------------------------------------------------------------------------+
const SessaoUci::Comando SessaoUci::COMANDOS[] = {
    {"uci", &SessaoUci::uci},
    {"isready", &SessaoUci::isready},
    {"setoption", &SessaoUci::setoption},
    {"ucinewgame", &SessaoUci::ucinewgame},
    {"position", &SessaoUci::position},
    {"go", &SessaoUci::go},
    {"stop", &SessaoUci::stop},
    {"ponderhit", &SessaoUci::ponderhit},
    {"quit", nullptr},
    {"debug", &SessaoUci::nada},
    {"register", &SessaoUci::nada},
};

namespace {

// The words that may follow "go", which end a list of searchmoves.
constexpr std::string_view PARAMETROS_DE_GO[] = {"searchmoves", "ponder", "wtime",     "btime",
                                                 "winc",        "binc",   "movestogo", "depth",
                                                 "nodes",       "mate",   "movetime",  "infinite"};

bool parametro(std::string_view w) {
    return std::find(std::begin(PARAMETROS_DE_GO), std::end(PARAMETROS_DE_GO), w) !=
           std::end(PARAMETROS_DE_GO);
}

// The "time" of every score line: a pass takes microseconds, so the least whole
// millisecond. GUIs take a line of time 0 for no analysis and show none.
constexpr int MILISSEGUNDOS = 1;

} // namespace

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
      << texto(Mensagem::UciOpcaoMultiPV, true) << '\n'
      << texto(Mensagem::UciOk, true) << '\n';
}

// "setoption name MultiPV value N", the name in any case; N out of 1..64 is
// taken as the nearest of them, however many digits it has; a value that is
// no number is read past.
void SessaoUci::setoption(Argumentos a) {
    const auto nome = std::find(a.begin(), a.end(), "name");
    // "value" after the name: a line that has it first names nothing.
    const auto valor = std::find(nome, a.end(), "value");
    if (nome == a.end() || nome + 1 == valor || valor == a.end() || valor + 1 == a.end()) return;
    std::string n;
    for (auto w = nome + 1; w != valor; ++w) (n += n.empty() ? "" : " ") += *w;
    std::transform(n.begin(), n.end(), n.begin(), [](unsigned char c) { return std::tolower(c); });
    if (n != "multipv") return;
    const std::string_view v = *(valor + 1);
    int linhas = 0;
    const auto [fim, erro] = std::from_chars(v.data(), v.data() + v.size(), linhas);
    if (fim != v.data() + v.size()) return;
    // A number too long for an int is out of range too: of the nearer end.
    if (erro == std::errc::result_out_of_range)
        linhas = v.starts_with('-') ? 1 : MAXIMO_DE_LINHAS;
    else if (erro != std::errc())
        return;
    linhas_ = std::clamp(linhas, 1, MAXIMO_DE_LINHAS);
}

void SessaoUci::stop(Argumentos) { responde(); }

void SessaoUci::ponderhit(Argumentos) {
    if (pensando_ == Espera::ponder) responde();
}

void SessaoUci::responde() {
    if (pensando_ == Espera::nada) return;
    console_.saida() << melhor_lance_ << '\n';
    pensando_ = Espera::nada;
}

void SessaoUci::isready(Argumentos) {
    console_.saida() << texto(Mensagem::UciPronto, true) << '\n';
}

void SessaoUci::ucinewgame(Argumentos) {
    responde();
    jogo_.encerra(Termino::interrompido);
}

void SessaoUci::position(Argumentos argumentos) {
    responde(); // a GUI that sends a position without "stop" has stopped waiting
    const PedidoDePosicao p = le_posicao(argumentos);
    std::ostream& o = console_.saida();
    if (p.erro == PedidoDePosicao::Erro::sem_inicio) return;
    if (p.erro == PedidoDePosicao::Erro::fen) {
        o << texto(Mensagem::UciPosicaoIlegal, true) << '\n';
        return;
    }
    if (!p.lance_ilegal.empty())
        o << texto(Mensagem::UciLanceIlegal, true) << texto_visivel(p.lance_ilegal) << '\n';
    jogo_.segue_partida({p.inicio, p.lances});
}

void SessaoUci::go(Argumentos argumentos) {
    responde();
    if (jogo_.acabou()) position({"startpos"});
    Espera espera = Espera::nada;
    std::optional<std::vector<xadrez::Movimento>> lista; // searchmoves, as given
    for (auto w = argumentos.begin(); w != argumentos.end(); ++w) {
        if (*w == "infinite") espera = Espera::infinito;
        if (*w == "ponder" && espera == Espera::nada) espera = Espera::ponder;
        // A list with no move at all limits nothing; one whose moves are all
        // illegal leaves no move to play.
        if (*w != "searchmoves" || w + 1 == argumentos.end() || parametro(*(w + 1))) continue;
        lista.emplace();
        for (; w + 1 != argumentos.end() && !parametro(*(w + 1)); ++w)
            if (const auto m = xadrez::le_coordenadas(*(w + 1))) lista->push_back(*m);
    }
    const std::string lance = escolhe(lista ? &*lista : nullptr);
    melhor_lance_ = lance.empty() ? std::string(texto(Mensagem::UciSemLance, true))
                                  : std::string(texto(Mensagem::UciMelhorLance, true)) + lance;
    pensando_ = espera == Espera::nada ? Espera::infinito : espera;
    if (espera == Espera::nada) responde();
}

// The engine's answer (game/parecer.hpp) in info lines. Each line's reason
// comes before its score line: an adapter such as polyglot turns an "info
// string" into a thinking line of its own, and the GUI shows the last one,
// which must be the one with the move. The answer is always a move of the
// searchmoves list when there is one.
std::string SessaoUci::escolhe(const std::vector<xadrez::Movimento>* lista) {
    std::ostream& o = console_.saida();
    const Parecer parecer = jogo_.opina(lista, linhas_);
    switch (parecer.lista) {
    case Parecer::Lista::vazia: o << texto(Mensagem::UciListaSemLance, true) << '\n'; return {};
    case Parecer::Lista::sem_candidatas:
        o << texto(Mensagem::UciListaSoDeRoques, true) << '\n';
        return xadrez::escreve_coordenadas(*parecer.lance());
    case Parecer::Lista::livre:
    case Parecer::Lista::com_candidatas: break;
    }
    if (!parecer.lance()) {
        // The rule of the end of the game says why there is no move.
        const Resultado& r = parecer.escolha.resultado;
        o << "info string " << razao(r.regra, r.abertura) << '\n';
        return {};
    }
    int k = 0;
    for (const LinhaDoParecer& l : parecer.linhas) {
        o << "info string " << razao(l) << '\n' << "info ";
        if (linhas_ > 1) o << "multipv " << ++k << ' ';
        o << "depth 1 score "
          << (l.valor.mate ? std::string("mate 1") : "cp " + std::to_string(l.valor.pontos))
          << " nodes " << parecer.escolha.pensamento.nos << " time " << MILISSEGUNDOS << " pv "
          << xadrez::escreve_coordenadas(l.lance) << '\n';
    }
    return xadrez::escreve_coordenadas(*parecer.lance());
}

} // namespace quelmaro::uci
