#include "game/pgn.hpp"

#include <sstream>

#include "chess/lances.hpp"
#include "chess/san.hpp"
#include "game/jogo.hpp"

namespace quelmaro {
namespace pgn {

std::string escreve(const Partida& partida) {
    const xadrez::LeituraFen inicial =
        xadrez::le_fen(partida.fen_inicial.empty() ? xadrez::FEN_INICIAL : partida.fen_inicial);
    xadrez::Posicao x = inicial.posicao;
    std::string lances, resultado = partida.resultado;
    std::size_t jogados = 0;
    // A set-up position that cannot arise (a king left in check, say) is
    // still played on; only a text that is no FEN has no moves to write.
    for (const xadrez::Movimento& l : partida.lances) {
        if (!inicial.bem_formada()) break;
        const std::optional<xadrez::Movimento> m = l;
        if (!xadrez::legal(x, *m)) break;
        if (x.brancas_a_mover)
            lances += std::to_string(x.numero) + ". ";
        else if (lances.empty())
            lances += std::to_string(x.numero) + "... ";
        lances += xadrez::escreve_san(x, *m) + " ";
        xadrez::joga(x, *m);
        ++jogados;
    }
    // A list cut short has no result; a game whose side to move has no move is over.
    const xadrez::Fim fim = inicial.bem_formada() ? xadrez::fim(x) : xadrez::Fim::nenhum;
    if (jogados < partida.lances.size())
        resultado = "*";
    else if (fim != xadrez::Fim::nenhum)
        resultado = fim == xadrez::Fim::afogamento ? "1/2-1/2" : x.brancas_a_mover ? "0-1" : "1-0";
    lances += resultado;

    std::ostringstream o;
    auto tag = [&](const char* nome, const std::string& valor) {
        o << '[' << nome << " \"" << valor << "\"]\n";
    };
    tag("Event", partida.evento);
    tag("Site", partida.local);
    tag("Date", partida.data.empty() ? "????.??.??" : partida.data);
    tag("Round", "-");
    tag("White", partida.brancas);
    tag("Black", partida.pretas);
    tag("Result", resultado);
    if (!partida.fen_inicial.empty()) {
        tag("SetUp", "1");
        tag("FEN", partida.fen_inicial);
    }
    o << '\n';
    // Move text wrapped before 80 columns.
    std::size_t coluna = 0;
    std::istringstream palavras(lances);
    for (std::string p; palavras >> p;) {
        if (coluna > 0 && coluna + 1 + p.size() > 79) {
            o << '\n';
            coluna = 0;
        } else if (coluna > 0) {
            o << ' ';
            ++coluna;
        }
        o << p;
        coluna += p.size();
    }
    o << "\n\n";
    return o.str();
}

} // namespace pgn

std::string pgn_do_jogo(const Jogo& jogo, const std::string& data) {
    pgn::Partida partida;
    partida.fen_inicial = jogo.fen_inicial();
    for (const Lembranca& l : jogo.historico()) partida.lances.push_back(l.lance);
    partida.data = data;
    // The names by the colours that the two sides have now.
    const bool brancas = jogo.estado().jogador_tem_brancas();
    partida.brancas = brancas ? "Player" : "Quelmaro";
    partida.pretas = brancas ? "Quelmaro" : "Player";
    return pgn::escreve(partida);
}

} // namespace quelmaro
