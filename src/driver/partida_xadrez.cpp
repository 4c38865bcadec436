// The game in play seen as a game of chess: moves typed in SAN, the list of
// the game's moves, and games loaded from PGN or FEN files.
#include <algorithm>
#include <cctype>
#include <ostream>

#include "chess/tabuleiro_xadrez.hpp"
#include "driver/posicao_inicial.hpp"
#include "driver/quelmaro.hpp"

namespace quelmaro {
namespace {

const xadrez::Letras& letras(bool ingles) { return ingles ? xadrez::INGLES : xadrez::PORTUGUES; }

// Does the SAN word end in the piece it promotes to ("e8=Q+", "exd8N")
// rather than in the square's rank ("e8")?
bool nomeia_a_peca(std::string_view palavra) {
    const std::size_t fim = palavra.find_last_not_of("+#!?");
    return fim != std::string_view::npos && std::isupper(static_cast<unsigned char>(palavra[fim]));
}

// Castling is typed in the words the parser knows for it, marks aside:
// "O-O+" castles, "0-0-0" is no move.
constexpr std::string_view PALAVRAS_DE_ROQUE[] = {"O-O", "o-o", "0-0", "O-O-O", "o-o-o"};
bool roque_de_outra_forma(std::string_view palavra) {
    palavra = palavra.substr(0, palavra.find_last_not_of("+#!?") + 1);
    return !palavra.empty() && palavra.find_first_not_of("Oo0-") == std::string_view::npos &&
           std::find(std::begin(PALAVRAS_DE_ROQUE), std::end(PALAVRAS_DE_ROQUE), palavra) ==
               std::end(PALAVRAS_DE_ROQUE);
}

} // namespace

xadrez::Posicao Quelmaro::posicao_atual() const {
    const bool maquina_brancas = !jogador_tem_brancas();
    // The move number from Black's moves (the half-move clock is not kept).
    const int pretas = maquina_brancas ? lances_da_pessoa : motor.lance_do_jogo;
    return xadrez::do_tabuleiro(
        tabuleiro, maquina_brancas, vez_das_brancas, roques(),
        casa_en_passant ? xadrez::casa_de_xadrez(casa_en_passant, maquina_brancas) : -1, 0,
        1 + pretas);
}

xadrez::Partida Quelmaro::partida_atual() const {
    xadrez::Partida partida;
    if (!fen_inicial.empty()) {
        const xadrez::LeituraFen lida = xadrez::le_fen(fen_inicial);
        if (!lida.ok()) return partida; // no chess position: no chess moves either
        partida.inicio = lida.posicao;
    }
    xadrez::Posicao x = partida.inicio;
    for (const Lembranca& l : historico) {
        std::string texto = l.lance.de + l.lance.para;
        if (l.lance.promocao) texto += l.lance.promocao;
        const std::optional<xadrez::Movimento> m = xadrez::le_coordenadas(texto);
        if (!m || !xadrez::legal(x, *m)) break; // the rest is no game of chess
        partida.lances.push_back(*m);
        xadrez::joga(x, *m);
    }
    return partida;
}

xadrez::LeituraSan Quelmaro::le_palavra_san(std::string_view palavra) const {
    if (roque_de_outra_forma(palavra)) return {};
    return xadrez::le_san(posicao_atual(), palavra, letras(motor.ingles));
}

bool Quelmaro::lance_san(const xadrez::LeituraSan& lido) {
    using xadrez::LeituraSan;
    xadrez::Movimento m = lido.lance;
    const auto& c = lido.candidatos;
    // The same pawn move to each promotion piece: the move, with the dialog.
    const bool so_a_peca = lido.resultado == LeituraSan::ambiguo && c.size() > 0 &&
                           std::all_of(c.begin(), c.end(), [&](const xadrez::Movimento& o) {
                               return o.de == c.begin()->de && o.para == c.begin()->para;
                           });
    if (so_a_peca) {
        m = *c.begin();
        m.promocao = 0;
    } else if (lido.resultado == LeituraSan::nenhum) {
        diz(Mensagem::LanceRecusado);
        return false;
    } else if (lido.resultado != LeituraSan::um) {
        const xadrez::Posicao x = posicao_atual();
        poe(Mensagem::LanceAmbiguo);
        for (int i = 0; i < c.size(); ++i) {
            if (i > 0)
                saida() << (i + 1 == c.size() ? texto(Mensagem::OuAinda, motor.ingles) : ", ");
            saida() << xadrez::escreve_san(x, c.lances[i], letras(motor.ingles));
        }
        saida() << "?\n";
        pede_lance();
        return false;
    } else if (!nomeia_a_peca(tradutor.palavra_san)) {
        m.promocao = 0;
    }
    const std::string coordenadas = xadrez::escreve_coordenadas(m);
    std::copy_n(coordenadas.begin(), 4, tradutor.saidatrad.begin());
    promocao_san = m.promocao;
    return true;
}

void Quelmaro::mostra_lances() {
    if (!fen_inicial.empty()) {
        poe(Mensagem::PosicaoDeInicio);
        saida() << fen_inicial << '\n';
    }
    const xadrez::Partida partida = partida_atual();
    if (partida.lances.empty())
        diz(Mensagem::NenhumLanceAinda);
    else
        saida() << xadrez::lances_numerados(partida, letras(motor.ingles)) << '\n';
    pede_lance();
}

void Quelmaro::poe_posicao(const xadrez::Posicao& x) {
    const bool maquina_brancas = !jogador_tem_brancas();
    quelmaro::poe_posicao(*this, x, maquina_brancas);
    motor.lance_do_jogo = lances_feitos(x, maquina_brancas);
    lances_da_pessoa = lances_feitos(x, !maquina_brancas);
    motor.numero_de_meu_movimento = x == xadrez::Posicao::inicial() ? 0 : 2;
}

void Quelmaro::instala_partida(const xadrez::Partida& partida) {
    resposta = xadrez::posicao_final(partida).brancas_a_mover ? 's' : 'n';
    historico.clear();
    ultimo_lance = {'-', '-', '-', '-'};
    motor.contagem_empate = 0;
    motor.acabou = false;
    forcado = false;
    // Each move is kept with the state before it, as if it had been played here.
    xadrez::Posicao x = partida.inicio;
    for (const xadrez::Movimento& m : partida.lances) {
        poe_posicao(x);
        Lembranca antes = lembra();
        const std::string lance = xadrez::escreve_coordenadas(m);
        antes.lance = {lance.substr(0, 2), lance.substr(2, 2),
                       static_cast<char>(std::tolower(static_cast<unsigned char>(m.promocao)))};
        antes.da_maquina = x.brancas_a_mover != jogador_tem_brancas();
        historico.push_back(std::move(antes));
        if (x.brancas_a_mover != jogador_tem_brancas()) anota_ultimo_lance(lance);
        xadrez::joga(x, m);
    }
    poe_posicao(x);
    fen_inicial =
        partida.inicio == xadrez::Posicao::inicial() ? "" : xadrez::escreve_fen(partida.inicio);
}

} // namespace quelmaro
