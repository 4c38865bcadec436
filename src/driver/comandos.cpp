// Commands beyond the game's own: why, hint, undo and pgn.
#include <algorithm>
#include <ostream>

#include "driver/notacao.hpp"
#include "driver/quelmaro.hpp"

namespace quelmaro {

void Quelmaro::porque(std::string_view palavra) {
    const auto meu = std::find_if(historico.rbegin(), historico.rend(),
                                  [](const Lembranca& l) { return l.da_maquina; });
    if (meu == historico.rend()) {
        diz(Mensagem::NadaAExplicar);
    } else if (!palavra.empty()) {
        explica_lance(saida(), meu->analise, palavra, motor.ingles);
    } else {
        const Analise& a = meu->analise;
        if (a.regra != 0) {
            poe(Mensagem::Regra);
            saida() << a.regra << ": ";
        }
        saida() << descricao(a.regra, a.abertura, motor.ingles) << '\n';
    }
    pede_lance();
}

// The engine chooses for the player's pieces on the board with the sides
// swapped, and the board is swapped back. In force mode, with the computer's
// colour to move, and after the end of the game there is nothing to suggest.
void Quelmaro::sugere() {
    if (!vez_do_jogador() || motor.acabou) return;
    const char quem = resposta;
    vira_tabuleiro();
    const Escolha e = motor.sugestao();
    std::string lance;
    if (e.desfecho == Desfecho::Lance) {
        lance = nparaletra(e.de, resposta) + nparaletra(e.para, resposta);
        if (tabuleiro[e.de] == PEAO && linha(e.para) == 8) lance += 'q';
    }
    vira_tabuleiro();
    resposta = quem;
    if (!lance.empty()) {
        poe(Mensagem::Sugestao);
        saida() << lance << '\n';
    } else if (!xboard_.Winboard) {
        diz(Mensagem::SemLanceSeu);
    }
    if (!xboard_.Winboard) pede_lance();
}

void Quelmaro::desfaz_rodada() {
    const auto dele = std::find_if(historico.rbegin(), historico.rend(),
                                   [](const Lembranca& l) { return !l.da_maquina; });
    if (dele == historico.rend()) {
        diz(Mensagem::NadaADesfazer);
    } else {
        desfaz(static_cast<int>(dele - historico.rbegin()) + 1);
        escreve_tabuleiro();
    }
    pede_lance();
}

void Quelmaro::grava_pgn() {
    diz(Mensagem::NomeParaSalvar);
    const std::string nome = console_.linha();
    pgn::Partida partida;
    partida.fen_inicial = fen_inicial;
    for (const Lembranca& l : historico) partida.lances.push_back(l.lance);
    partida.data = pgn::hoje();
    // The names by the colours that the two sides have now.
    partida.brancas = jogador_tem_brancas() ? "Player" : "Quelmaro";
    partida.pretas = jogador_tem_brancas() ? "Quelmaro" : "Player";
    if (!arquivos_.grava(nome, pgn::escreve(partida))) diz(Mensagem::NaoGravouPgn);
}

pgn::Roques Quelmaro::roques() const {
    const auto pode = [&](Cor cor, bool torre_h) {
        const DireitosDeRoque& d = roque[cor];
        const char fila = cor == BRANCAS ? '1' : '8';
        const int lado = cor == cor_do_jogador() ? -1 : 1;
        return !d.ja_rocou && !d.rei_saiu && !(torre_h ? d.torre_h_saiu : d.torre_a_saiu) &&
               tabuleiro[lparanumero('e', fila, resposta)] == lado * REI &&
               tabuleiro[lparanumero(torre_h ? 'h' : 'a', fila, resposta)] == lado * TORRE;
    };
    return {pode(BRANCAS, true), pode(BRANCAS, false), pode(PRETAS, true), pode(PRETAS, false)};
}

} // namespace quelmaro
