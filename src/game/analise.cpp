#include "game/analise.hpp"

#include "chess/san.hpp"
#include "chess/tabuleiro_xadrez.hpp"
#include "game/notacao.hpp"

namespace quelmaro {
namespace {

// The analysed board as a chess position with the computer to move. The
// engine never castles nor takes in passing, so the rights are left out.
xadrez::Posicao posicao_da_analise(const Analise& a) {
    return xadrez::do_tabuleiro(a.tabuleiro, a.maquina_tem_brancas, a.maquina_tem_brancas, {});
}

xadrez::LeituraSan san_da_palavra(std::string_view palavra, const Analise& a, bool ingles) {
    return xadrez::le_san(posicao_da_analise(a), palavra,
                          ingles ? xadrez::INGLES : xadrez::PORTUGUES);
}

bool letra(char c) { return (c >= 'a' && c <= 'h') || (c >= 'A' && c <= 'H'); }
bool digito(char c) { return c >= '1' && c <= '8'; }

} // namespace

Analise analise_do_passe(const MotorDeRegras& motor, const Resultado& r, const Tabuleiro& tabuleiro,
                         bool maquina_tem_brancas) {
    const std::span<const Candidato> c = motor.candidatos();
    Analise a{tabuleiro, maquina_tem_brancas, {c.begin(), c.end()}, r.contexto, r.regra, r.abertura,
              -1};
    if (r.desfecho == Desfecho::Lance) a.escolhido = candidato(a, {r.de, r.para});
    return a;
}

int candidato(const Analise& a, Jogada j) {
    for (std::size_t i = 0; i < a.candidatos.size(); ++i)
        if (a.candidatos[i].de == j.de && a.candidatos[i].para == j.para)
            return static_cast<int>(i);
    return -1;
}

std::optional<Jogada> jogada_da_palavra(std::string_view p, const Analise& analise, bool ingles) {
    // Coordinates, with '-' or 'x' between the squares or nothing.
    if (p.size() == 5 && (p[2] == '-' || p[2] == 'x')) {
        const char s[4] = {p[0], p[1], p[3], p[4]};
        return jogada_da_palavra(std::string_view(s, 4), analise, ingles);
    }
    const bool b = analise.maquina_tem_brancas;
    if (p.size() == 4 && letra(p[0]) && digito(p[1]) && letra(p[2]) && digito(p[3]))
        return Jogada{numero_da_casa(p[0], p[1], b), numero_da_casa(p[2], p[3], b)};
    // SAN with the language's piece letters. A pawn's move to the last row
    // names its squares whatever piece it would become (the computer's
    // pawns always become queens).
    const xadrez::LeituraSan san = san_da_palavra(p, analise, ingles);
    const auto& c = san.candidatos;
    const bool so_a_promocao = san.resultado == xadrez::LeituraSan::ambiguo && c.size() > 0 &&
                               c.begin()->de == (c.end() - 1)->de &&
                               c.begin()->para == (c.end() - 1)->para;
    if (san.resultado != xadrez::LeituraSan::um && !so_a_promocao) return std::nullopt;
    const xadrez::Movimento m = so_a_promocao ? *c.begin() : san.lance;
    return Jogada{xadrez::casa_do_tabuleiro(m.de, b), xadrez::casa_do_tabuleiro(m.para, b)};
}

bool san_sem_lance(std::string_view palavra, const Analise& analise, bool ingles) {
    return san_da_palavra(palavra, analise, ingles).resultado == xadrez::LeituraSan::nenhum;
}

PosicaoParaExplicar posicao_para_explicar(const JogoSalvo& jogo) {
    return {jogo.tabuleiro, !jogo.jogador_tem_brancas(), jogo.lance_do_jogo, true, true};
}

PosicaoParaExplicar posicao_para_explicar(const xadrez::Partida& partida) {
    const xadrez::Posicao x = xadrez::posicao_final(partida);
    PosicaoParaExplicar p;
    xadrez::para_tabuleiro(x, x.brancas_a_mover, p.tabuleiro);
    p.maquina_tem_brancas = x.brancas_a_mover;
    p.lance_do_jogo = lances_feitos(x, x.brancas_a_mover);
    p.montada = !inicio_de_partida(partida.inicio);
    return p;
}

std::optional<PosicaoParaExplicar> posicao_para_explicar(std::string_view conteudo) {
    const ArquivoDeJogo arquivo = le_arquivo_de_jogo(conteudo);
    if (arquivo.salvo) return posicao_para_explicar(*arquivo.salvo);
    const xadrez::JogoLido* j = arquivo.partida(1);
    if (!j || !j->ok()) return std::nullopt;
    return posicao_para_explicar(j->leitura.partida);
}

Analise analisa_posicao(const PosicaoParaExplicar& posicao) {
    MotorDeRegras motor;
    // The fixed opening moves are behind; the draw counter at 0.
    const Resultado r = motor.passe({.tabuleiro = posicao.tabuleiro,
                                     .lance_do_jogo = posicao.lance_do_jogo,
                                     .de_posicao_montada = posicao.montada});
    return analise_do_passe(motor, r, posicao.tabuleiro, posicao.maquina_tem_brancas);
}

} // namespace quelmaro
