#include "game/quelmaro.hpp"

namespace quelmaro {

void Quelmaro(Jogo& jogo, Frente& frente) {
    frente.Apresentacao();
    if (jogo.estado().jogador_tem_brancas()) frente.pos_lance_dele();
    for (;;) {
        if (!jogo.acabou()) {
            const LanceDaMaquina lance = jogo.lance_da_maquina();
            if (lance.desfecho == Desfecho::Lance)
                frente.meu_lance(lance);
            else
                frente.fim_do_passe(lance.desfecho);
        }
        frente.pos_lance_dele();
    }
}

} // namespace quelmaro
