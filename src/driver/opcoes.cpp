#include "driver/opcoes.hpp"

#include <string_view>

#include "driver/mensagens.hpp"

namespace quelmaro {
namespace {

constexpr std::string_view VERSAO = "1.0.0";

void uso(std::ostream& o, Xboard xboard) {
    if (xboard.Winboard) {
        o << "Usage: quelmaro_xb [--help | --version | --uci]\n"
             "Quelmaro as a chess engine for XBoard-protocol and UCI GUIs: it reads the\n"
             "GUI's commands on standard input and answers on standard output. It\n"
             "speaks UCI when the first command is \"uci\" or with --uci.\n"
             "Register it in the GUI as a first or second engine, for example:\n"
             "  xboard -fcp quelmaro_xb\n";
        return;
    }
    o << "Usage: quelmaro [--help | --version]\n"
         "Play chess against the computer in the console, in English or Portuguese.\n"
      << texto(Mensagem::Ajuda, true) << '\n';
}

} // namespace

std::string_view versao() { return VERSAO; }

std::optional<int> trata_opcoes(int argc, const char* const* argv, Xboard xboard,
                                std::ostream& saida, std::ostream& erro, bool* uci) {
    const char* programa = xboard.Winboard ? "quelmaro_xb" : "quelmaro";
    for (int i = 1; i < argc; ++i) {
        const std::string_view a = argv[i];
        if (a == "--help" || a == "-h") {
            uso(saida, xboard);
            return 0;
        }
        if (a == "--uci" && xboard.Winboard && uci) {
            *uci = true;
            continue;
        }
        if (a == "--version") {
            saida << programa << ' ' << VERSAO << '\n';
            return 0;
        }
        erro << programa << ": unknown option '" << a << "'\n";
        uso(erro, xboard);
        return 2;
    }
    return std::nullopt;
}

} // namespace quelmaro
