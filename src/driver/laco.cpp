// The main loop: the start-up dialog, then the computer's and the player's
// turns for ever, until the game or the input ends.
#include "driver/quelmaro.hpp"

#include <ostream>

#include "driver/notacao.hpp"
#include "driver/pensamento.hpp"

namespace quelmaro {

int Quelmaro::executa() {
    try {
        motor.numero_de_meu_movimento = 0;
        Apresentacao();
        if (jogador_tem_brancas()) pos_lance_dele();
        for (;;) {
            if (!motor.acabou) meu_lance();
            pos_lance_dele();
        }
    } catch (const FimDoPrograma&) {
    }
    saida().flush();
    return 0;
}

void Quelmaro::meu_lance() {
    Lembranca antes = lembra();
    const Desfecho desfecho = motor.passe();
    if (desfecho != Desfecho::Lance) return fim_do_passe(desfecho);
    antes.da_maquina = true;
    antes.analise = analise_do_passe(motor, tabuleiro, resposta);
    if (!xboard_.Winboard) saida() << '\n';

    const std::string lance = nparaletra(motor.cc, resposta) + nparaletra(motor.dd, resposta);
    if (xboard_.Winboard && mostra_pensamento) saida() << linha_de_pensamento(pensa(*this)) << '\n';
    poe(xboard_.Winboard ? Mensagem::Move : Mensagem::MeuMovimento);
    saida() << lance << '\n';
    ++motor.lance_do_jogo;
    anota_ultimo_lance(lance);
    move(motor.cc, motor.dd);
    for (int n = 64; n >= 57; --n)
        if (tabuleiro[n] == PEAO) tabuleiro.poe(n, DAMA);
    registra(std::move(antes), lance);

    escreve_tabuleiro();
    matenele();
    if (sem_lance_dele) {
        const bool mate = rei_dele_atacado();
        if (!xboard_.Winboard) {
            diz(mate ? Mensagem::FimEuGanhei : Mensagem::Afogado);
            throw FimDoPrograma{};
        }
        diz(!mate                   ? Mensagem::EmpateAfogamento
            : jogador_tem_brancas() ? Mensagem::PretasDaoMate
                                    : Mensagem::BrancasDaoMate);
        sem_lance_dele = false;
    }
    if (!xboard_.Winboard) pede_lance();
}

void Quelmaro::fim_do_passe(Desfecho desfecho) {
    const bool mate = desfecho == Desfecho::Xequemate;
    if (xboard_.Winboard) {
        diz(!mate             ? Mensagem::EmpatePorAfogamento
            : resposta == 's' ? Mensagem::BrancasVencem
                              : Mensagem::PretasVencem);
        motor.acabou = true;
        return;
    }
    diz(mate ? Mensagem::VoceGanhou : Mensagem::NaoPossoMexer);
    diz(Mensagem::PressioneTecla);
    console_.tecla();
    throw FimDoPrograma{};
}

} // namespace quelmaro
