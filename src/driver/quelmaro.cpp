#include "driver/quelmaro.hpp"

namespace quelmaro {

int Quelmaro::executa() {
    tabuleiro_.posicao_inicial(true);
    return 0;
}

} // namespace quelmaro
