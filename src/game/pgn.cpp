#include "game/pgn.hpp"

#include "chess/pgn_escrita.hpp"
#include "game/jogo.hpp"

namespace quelmaro {

std::string pgn_do_jogo(const Jogo& jogo, const std::string& data) {
    xadrez::JogoParaEscrever j;
    const bool brancas = jogo.estado().jogador_tem_brancas();
    j.tags = xadrez::tags_de({.evento = "Quelmaro game",
                              .local = "?",
                              .data = data.empty() ? "????.??.??" : data,
                              .rodada = "-",
                              .brancas = brancas ? "Player" : "Quelmaro",
                              .pretas = brancas ? "Quelmaro" : "Player"});
    // A set-up position that cannot arise (a king left in check, say) is
    // still played on; only a text that is no FEN has no moves to write.
    const xadrez::LeituraFen inicio =
        xadrez::le_fen(jogo.fen_inicial().empty() ? xadrez::FEN_INICIAL : jogo.fen_inicial());
    j.inicio = inicio.posicao;
    if (inicio.bem_formada())
        for (const Lembranca& l : jogo.historico()) j.lances.push_back(l.lance);
    // A draw the game ended in (a dead position, a claim); mate and
    // stalemate the writer sees in the last position.
    if (e_empate(jogo.termino())) j.resultado = "1/2-1/2";
    // A result the game's file gave it (resigned, say).
    if (jogo.termino() == Termino::brancas_venceram) j.resultado = "1-0";
    if (jogo.termino() == Termino::pretas_venceram) j.resultado = "0-1";
    return xadrez::escreve_pgn(j);
}

} // namespace quelmaro
