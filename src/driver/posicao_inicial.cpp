#include "driver/posicao_inicial.hpp"

#include "chess/tabuleiro_xadrez.hpp"
#include "driver/notacao.hpp"
#include "driver/quelmaro.hpp"

namespace quelmaro {
namespace {

DireitosDeRoque direitos(bool pequeno, bool grande) {
    return {.rei_saiu = !pequeno && !grande, .torre_a_saiu = !grande, .torre_h_saiu = !pequeno};
}

} // namespace

int lances_feitos(const xadrez::Posicao& x, bool brancas) {
    return x.numero - 1 + (brancas && !x.brancas_a_mover ? 1 : 0);
}

bool inicio_de_partida(const xadrez::Posicao& x) {
    const xadrez::Posicao inicial = xadrez::Posicao::inicial();
    return x.pecas == inicial.pecas && x.brancas_a_mover;
}

void poe_posicao(Quelmaro& jogo, const xadrez::Posicao& x, bool maquina_tem_brancas) {
    xadrez::para_tabuleiro(x, maquina_tem_brancas, jogo.tabuleiro);
    jogo.resposta = maquina_tem_brancas ? 'n' : 's';
    jogo.vez_das_brancas = x.brancas_a_mover;
    jogo.roque[BRANCAS] = direitos(x.roques.brancas_pequeno, x.roques.brancas_grande);
    jogo.roque[PRETAS] = direitos(x.roques.pretas_pequeno, x.roques.pretas_grande);
    jogo.casa_en_passant =
        x.en_passant < 0 ? 0 : xadrez::casa_do_tabuleiro(x.en_passant, maquina_tem_brancas);
}

void comeca_de_posicao(Quelmaro& jogo, const xadrez::Posicao& x, bool maquina_tem_brancas) {
    poe_posicao(jogo, x, maquina_tem_brancas);
    jogo.historico.clear();
    const bool inicio = inicio_de_partida(x);
    jogo.fen_inicial = inicio ? std::string() : xadrez::escreve_fen(x);
    jogo.motor.contagem_empate = 0;
    jogo.motor.numero_de_meu_movimento = inicio ? 0 : 2;
    jogo.motor.lance_do_jogo = lances_feitos(x, maquina_tem_brancas);
    jogo.lances_da_pessoa = lances_feitos(x, !maquina_tem_brancas);
    jogo.motor.numero_b_inimigo = 2;
    jogo.motor.acabou = false;
    jogo.sem_lance_dele = false;
}

void Quelmaro::setboard(const std::string& fen) {
    const xadrez::LeituraFen leitura = xadrez::le_fen(fen);
    if (!leitura.ok()) return diz(Mensagem::PosicaoIlegal);
    comeca_de_posicao(*this, leitura.posicao, computador_tem_brancas(resposta));
    forcado = true;
}

} // namespace quelmaro
