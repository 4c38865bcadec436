// The game driver's state and its ways of talking.
#include "driver/quelmaro.hpp"

#include <ostream>

namespace quelmaro {

Quelmaro::Quelmaro(Console& console, Xboard xboard, Arquivos& arquivos)
    : tradutor(console, xboard), console_(console), xboard_(xboard), arquivos_(arquivos) {
    // The GUI waits for each line: every write reaches it at once.
    if (xboard_.Winboard) saida().setf(std::ios::unitbuf);
}

void Quelmaro::diz(Mensagem m) { saida() << texto(m, motor.ingles) << '\n'; }
void Quelmaro::poe(Mensagem m) { saida() << texto(m, motor.ingles); }

void Quelmaro::pede_lance() { diz(Mensagem::PedidoDeLance); }

} // namespace quelmaro
