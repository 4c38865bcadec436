#include "game/procedimento_principal.hpp"

namespace quelmaro {

Encerramento executa_jogo(Jogo& jogo, Frente& frente) {
    frente.apresenta();
    if (jogo.estado().jogador_tem_brancas() && !frente.pos_lance_dele())
        return Encerramento::pedido;
    for (;;) {
        if (!jogo.acabou()) {
            const LanceDaMaquina lance = jogo.lance_da_maquina();
            const bool segue = lance.termino == Termino::nenhum
                                   ? frente.meu_lance(lance)
                                   : frente.fim_do_passe(lance.termino);
            if (!segue) return Encerramento::partida_acabou;
        }
        if (!frente.pos_lance_dele()) return Encerramento::pedido;
    }
}

} // namespace quelmaro
