#include "programs/protocolos.hpp"

#include <optional>
#include <string>

#include "uci/palavras.hpp"
#include "uci/sessao_uci.hpp"
#include "xboard/sessao_xboard.hpp"

namespace quelmaro {
namespace {

// A console that gives a line already read before those of another.
class ConsoleComPrimeiraLinha : public Console {
  public:
    ConsoleComPrimeiraLinha(Console& console, std::string primeira)
        : console_(console), primeira_(std::move(primeira)) {}
    std::ostream& saida() override { return console_.saida(); }

  protected:
    std::string le_linha() override {
        if (!primeira_) return console_.linha();
        std::string s = std::move(*primeira_);
        primeira_.reset();
        return s;
    }
    char le_tecla() override { return console_.tecla(); }

  private:
    Console& console_;
    std::optional<std::string> primeira_;
};

} // namespace

int executa_motor(Console& console, Arquivos& arquivos, bool uci) {
    std::string primeira;
    if (!uci) {
        try {
            primeira = console.linha();
        } catch (const FimDoPrograma&) {
            return 0;
        }
        const auto p = uci::palavras(primeira);
        uci = !p.empty() && p.front() == "uci";
    }
    if (uci) {
        uci::SessaoUci sessao(console);
        if (!primeira.empty() && !sessao.comando(primeira)) return 0;
        return sessao.executa();
    }
    ConsoleComPrimeiraLinha com_primeira(console, std::move(primeira));
    return SessaoXboard(com_primeira, arquivos).executa();
}

} // namespace quelmaro
