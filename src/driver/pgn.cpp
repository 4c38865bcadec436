#include "driver/pgn.hpp"

#include <ctime>
#include <sstream>

#include "chess/lances.hpp"
#include "chess/san.hpp"
#include "chess/tabuleiro_xadrez.hpp"
#include "driver/notacao.hpp"

namespace quelmaro::pgn {

std::string fen(const Tabuleiro& t, char resposta, bool brancas_a_mover, Roques roques,
                int numero_do_lance) {
    return xadrez::escreve_fen(xadrez::do_tabuleiro(
        t, computador_tem_brancas(resposta), brancas_a_mover, roques, -1, 0, numero_do_lance));
}

std::string escreve(const Partida& partida) {
    const xadrez::LeituraFen inicial =
        xadrez::le_fen(partida.fen_inicial.empty() ? xadrez::FEN_INICIAL : partida.fen_inicial);
    xadrez::Posicao x = inicial.posicao;
    std::string lances, resultado = partida.resultado;
    std::size_t jogados = 0;
    // A set-up position that cannot arise (a king left in check, say) is
    // still played on; only a text that is no FEN has no moves to write.
    for (const Lance& l : partida.lances) {
        if (!inicial.bem_formada()) break;
        const auto m = xadrez::le_coordenadas(
            l.de + l.para + (l.promocao ? std::string(1, l.promocao) : std::string()));
        if (!m || !xadrez::legal(x, *m)) break;
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

std::string hoje() {
    const std::time_t agora = std::time(nullptr);
    std::tm local{};
    localtime_r(&agora, &local);
    char texto[16];
    std::strftime(texto, sizeof texto, "%Y.%m.%d", &local);
    return texto;
}

} // namespace quelmaro::pgn
