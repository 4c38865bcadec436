#include "io/processo.hpp"

#include <iostream>

namespace quelmaro {

int Processo::status_de_saida(int status) {
    std::cout.flush();
    return status == 0 && !std::cout ? 1 : status;
}

} // namespace quelmaro
