#include "programs/opcoes.hpp"

#include <charconv>
#include <string_view>

#include "console/dialogo.hpp"
#include "frontend/anotacao.hpp"
#include "frontend/arquivo.hpp"
#include "game/analise.hpp"
#include "text/explicacao.hpp"
#include "text/mensagens.hpp"
#include "versao.hpp"

namespace quelmaro {
namespace {

constexpr std::string_view EXPLICAR =
    "--explain FILE prints the analysis of FILE (a saved game, a file whose first\n"
    "line is a FEN, or a PGN file: its first game, or game N with --game N) with\n"
    "the computer to move: one line per candidate move, what the analysis saw in\n"
    "it and the first rule it meets, then the words of the rule that chooses and\n"
    "the move chosen. --lang pt gives it all in Portuguese.\n"
    "--annotate FILE writes the games of the PGN file FILE again, on standard\n"
    "output, with a comment after every move: the move the computer would play\n"
    "there and the rule that chooses it, and that move as a variation where the\n"
    "game's move differs. --side white|black (default both) annotates one side's\n"
    "moves only; --lang pt writes the comments in Portuguese.\n";

void uso(std::ostream& o, bool motor) {
    if (motor) {
        o << "Usage: quelmaro_xb [--help | --version | --uci |\n"
             "                   --explain FILE [--game N] [--lang en|pt] |\n"
             "                   --annotate FILE [--side white|black|both] [--lang en|pt]]\n"
             "Quelmaro as a chess engine for XBoard-protocol and UCI GUIs: it reads the\n"
             "GUI's commands on standard input and answers on standard output. It\n"
             "speaks UCI when the first command is \"uci\" or with --uci.\n"
             "Register it in the GUI as a first or second engine, for example:\n"
             "  xboard -fcp quelmaro_xb\n"
          << EXPLICAR;
        return;
    }
    o << "Usage: quelmaro [--help | --version |\n"
         "                [--san] [--record FILE.pgn] [--no-exit-key] |\n"
         "                --explain FILE [--game N] [--lang en|pt] |\n"
         "                --annotate FILE [--side white|black|both] [--lang en|pt]]\n"
         "Play chess against the computer in the console, in English or Portuguese.\n"
         "--san writes the computer's moves in SAN too: \"My move is: f8b4 (Bb4+)\".\n"
         "--record FILE.pgn adds every game, with its result, to the PGN file FILE.pgn\n"
         "(created when missing) when it ends: mate, stalemate, a draw, new, quit or the\n"
         "end of the input; open FILE.pgn lists them. The Games menu's Quelmaro records\n"
         "into $XDG_DATA_HOME/quelmaro/games.pgn (~/.local/share/quelmaro/games.pgn).\n"
         "--no-exit-key: when the computer can no longer move, end without waiting for a\n"
         "key (the menu's window waits for one).\n"
      << EXPLICAR << Dialogo::ajuda(true) << '\n';
}

// --explain FILE [--game N]: the table on `saida` and 0, or a one-line error
// on `erro`, with why, and 2.
int explica_arquivo(Arquivos& arquivos, const std::string& nome, std::string_view partida,
                    const char* programa, bool ingles, std::ostream& saida, std::ostream& erro) {
    const ArquivoLido lido = arquivos.abre(nome);
    std::string motivo(lido.conteudo ? "" : motivo_da_falha(lido.falha, ingles));
    std::optional<PosicaoParaExplicar> posicao;
    if (lido.conteudo) {
        const ArquivoDeJogo arquivo = le_arquivo_de_jogo(*lido.conteudo);
        std::size_t n = 0;
        const auto [fim, e] = std::from_chars(partida.data(), partida.data() + partida.size(), n);
        if (e != std::errc() || fim != partida.data() + partida.size()) n = 0;
        motivo = motivo_da_recusa(arquivo, n, partida, ingles);
        if (motivo.empty())
            posicao = arquivo.salvo ? posicao_para_explicar(*arquivo.salvo)
                                    : posicao_para_explicar(arquivo.partida(n)->leitura.partida);
    }
    if (!posicao) {
        erro << preenche(texto(Mensagem::NaoCarregouParaExplicar, ingles), {programa, nome, motivo})
             << '\n';
        return 2;
    }
    saida << tabela_da_analise(analisa_posicao(*posicao), ingles, posicao->fora_da_vez);
    return 0;
}

// What the options read so far ask for, and where the program answers.
struct Pedido {
    bool motor;
    const char* programa;
    std::ostream& saida;
    std::ostream& erro;
    bool* uci;
    OpcoesDoConsole* console;
    const char* explicar = nullptr;
    const char* anotar = nullptr;
    LadoAnotado lado = LadoAnotado::ambos;
    std::string_view partida = "1";
    bool ingles = true;
};

// An option whose value the request keeps as it is, in `campo`.
template <auto campo>
std::optional<int> guarda(Pedido& p, const char* valor) {
    p.*campo = valor;
    return std::nullopt;
}

// Which program knows an option: both, the engine build (given `uci`) or the
// console game (given `console`); elsewhere it is unknown.
enum class Programa { ambos, motor, console };

// One option: what it does with its value (nullptr when it takes none), and
// the exit status when it ends the program there.
struct Opcao {
    std::string_view nome;
    Programa programa;
    bool com_valor;
    std::optional<int> (*faz)(Pedido&, const char* valor);
};

std::optional<int> ajuda(Pedido& p, const char*) {
    uso(p.saida, p.motor);
    return 0;
}

constexpr Opcao OPCOES[] = {
    {"--help", Programa::ambos, false, ajuda},
    {"-h", Programa::ambos, false, ajuda},
    {"--uci", Programa::motor, false,
     [](Pedido& p, const char*) -> std::optional<int> {
         *p.uci = true;
         return std::nullopt;
     }},
    {"--san", Programa::console, false,
     [](Pedido& p, const char*) -> std::optional<int> {
         p.console->san = true;
         return std::nullopt;
     }},
    {"--no-exit-key", Programa::console, false,
     [](Pedido& p, const char*) -> std::optional<int> {
         p.console->sem_tecla_no_fim = true;
         return std::nullopt;
     }},
    {"--version", Programa::ambos, false,
     [](Pedido& p, const char*) -> std::optional<int> {
         p.saida << p.programa << ' ' << VERSAO << '\n';
         return 0;
     }},
    {"--explain", Programa::ambos, true, guarda<&Pedido::explicar>},
    {"--record", Programa::console, true,
     [](Pedido& p, const char* valor) -> std::optional<int> {
         p.console->registro = valor;
         return std::nullopt;
     }},
    {"--game", Programa::ambos, true, guarda<&Pedido::partida>},
    {"--lang", Programa::ambos, true,
     [](Pedido& p, const char* valor) -> std::optional<int> {
         const std::string_view v = valor;
         if (v != "en" && v != "pt") {
             p.erro << p.programa << ": unknown language '" << v << "' (en or pt)\n";
             return 2;
         }
         p.ingles = v == "en";
         return std::nullopt;
     }},
    {"--annotate", Programa::ambos, true, guarda<&Pedido::anotar>},
    {"--side", Programa::ambos, true,
     [](Pedido& p, const char* valor) -> std::optional<int> {
         const std::string_view v = valor;
         if (v != "white" && v != "black" && v != "both") {
             p.erro << p.programa << ": unknown side '" << v << "' (white, black or both)\n";
             return 2;
         }
         p.lado = v == "white"   ? LadoAnotado::brancas
                  : v == "black" ? LadoAnotado::pretas
                                 : LadoAnotado::ambos;
         return std::nullopt;
     }},
};

// The row of the option `a` in the program that reads it, nullptr when the
// program does not know it.
const Opcao* opcao_conhecida(std::string_view a, const Pedido& p) {
    for (const Opcao& o : OPCOES)
        if (o.nome == a &&
            (o.programa == Programa::ambos || (o.programa == Programa::motor && p.motor && p.uci) ||
             (o.programa == Programa::console && !p.motor && p.console)))
            return &o;
    return nullptr;
}

} // namespace

std::string_view versao() { return VERSAO; }

std::optional<int> trata_opcoes(int argc, const char* const* argv, bool motor, Arquivos& arquivos,
                                std::ostream& saida, std::ostream& erro, bool* uci,
                                OpcoesDoConsole* console) {
    Pedido p{motor, motor ? "quelmaro_xb" : "quelmaro", saida, erro, uci, console};
    for (int i = 1; i < argc; ++i) {
        const std::string_view a = argv[i];
        const Opcao* o = opcao_conhecida(a, p);
        if (!o) {
            erro << p.programa << ": unknown option '" << a << "'\n";
            uso(erro, motor);
            return 2;
        }
        const char* valor = "";
        if (o->com_valor) {
            if (i + 1 < argc) valor = argv[++i];
            if (*valor == '\0') {
                erro << p.programa << ": option '" << a << "' needs a value\n";
                return 2;
            }
        }
        if (const std::optional<int> fim = o->faz(p, valor)) return fim;
    }
    if (p.explicar)
        return explica_arquivo(arquivos, p.explicar, p.partida, p.programa, p.ingles, saida, erro);
    if (p.anotar)
        return anota_arquivo(arquivos, p.anotar, p.programa, p.lado, p.ingles, saida, erro);
    return std::nullopt;
}

} // namespace quelmaro
