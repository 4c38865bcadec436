// The start-up dialog that opens every game.
#include "driver/quelmaro.hpp"

#include <ostream>

namespace quelmaro {

void Quelmaro::Apresentacao() {
    if (xboard_.Winboard) {
        motor.ingles = true;
        resposta = 's';
        usa_tabuleiro = 'n';
    } else {
        saida() << '\n';
        diz(Mensagem::BoasVindas);
        diz(Mensagem::EscolhaDeLingua);
        usaingles = console_.tecla();
        motor.ingles = usaingles == 'E' || usaingles == 'e';
    }
    motor.lance_do_jogo = 0;
    lances_da_pessoa = 0;
    if (!xboard_.Winboard) {
        saida() << '\n';
        diz(Mensagem::PerguntaTabuleiro);
        usa_tabuleiro = console_.tecla();
        saida() << '\n';
        if (usa_tabuleiro == 'y' || usa_tabuleiro == 'Y') usa_tabuleiro = 's';
        diz(Mensagem::PerguntaComecar);
        resposta = console_.tecla();
        if (resposta == 'y' || resposta == 'Y') resposta = 's';
        // Any other answer than yes or no gives the computer White.
        if (resposta != 's' && resposta != 'S' && resposta != 'N') resposta = 'n';
    }
    tabuleiro.posicao_inicial(jogador_tem_brancas());
    motor.numero_b_inimigo = 2;
    vez_das_brancas = true;
    casa_en_passant = 0;
    historico.clear();
    fen_inicial.clear();

    if (jogador_tem_brancas()) {
        if (usa_tabuleiro == 's' || usa_tabuleiro == 'S') {
            saida() << '\n';
            desenha(true);
        }
        if (!xboard_.Winboard) {
            saida() << '\n';
            diz(Mensagem::PrimeiroPedido);
        }
    }
}

} // namespace quelmaro
