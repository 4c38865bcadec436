#include "game/jogo.hpp"

#include <algorithm>
#include <iterator>

#include "chess/empates.hpp"
#include "chess/tabuleiro_xadrez.hpp"
#include "game/notacao.hpp"
#include "game/regras_do_jogador.hpp"

namespace quelmaro {
namespace {

// The piece a player's pawn becomes for a promotion letter: 'q', 'n', 'b' or
// 'r' (either case); a queen for anything else.
char letra_da_promocao(char letra) {
    const char l = xadrez::tipo_da_peca(letra);
    return l == 'N' || l == 'B' || l == 'R' ? l : 'Q';
}

} // namespace

void Jogo::novo(bool jogador_tem_brancas) {
    estado_.novo_jogo(jogador_tem_brancas);
    historico_.clear();
    fen_inicial_.clear();
    termino_ = Termino::nenhum;
}

void Jogo::comeca_de_posicao(const xadrez::Posicao& x, bool maquina_tem_brancas) {
    quelmaro::comeca_de_posicao(estado_, x, maquina_tem_brancas);
    historico_.clear();
    fen_inicial_ = inicio_de_partida(x) ? std::string() : xadrez::escreve_fen(x);
    termino_ = Termino::nenhum;
}

void Jogo::instala_partida(const xadrez::Partida& partida) {
    const bool maquina_brancas = !xadrez::posicao_final(partida).brancas_a_mover;
    // Each position of the game, as this game would have held it.
    const auto poe = [&](const xadrez::Posicao& x) {
        poe_posicao(estado_, x, maquina_brancas);
        estado_.poe_contadores(lances_feitos(x, maquina_brancas),
                               lances_feitos(x, !maquina_brancas),
                               x == xadrez::Posicao::inicial() ? 0 : 2);
    };
    historico_.clear();
    estado_.poe_ultimo_lance(SEM_ULTIMO_LANCE);
    estado_.zera_contagem_empate();
    estado_.poe_posicao_montada(!inicio_de_partida(partida.inicio));
    termino_ = Termino::nenhum;
    xadrez::Posicao x = partida.inicio;
    for (const xadrez::Movimento& m : partida.lances) {
        poe(x);
        const bool da_maquina = x.brancas_a_mover == maquina_brancas;
        historico_.push_back({estado_, m, da_maquina, {}});
        if (da_maquina) estado_.anota_ultimo_lance(xadrez::escreve_coordenadas(m));
        xadrez::joga(x, m);
    }
    poe(x);
    fen_inicial_ =
        partida.inicio == xadrez::Posicao::inicial() ? "" : xadrez::escreve_fen(partida.inicio);
}

void Jogo::carrega(const JogoSalvo& jogo) {
    const bool brancas = jogo.jogador_tem_brancas();
    // The file's board stands from the computer's side, whoever has White.
    xadrez::Posicao x = xadrez::do_tabuleiro(jogo.tabuleiro, !brancas);
    x.brancas_a_mover = brancas;
    DireitosPorCor roques{};
    roques[brancas ? BRANCAS : PRETAS] = {
        .rei_saiu = brancas ? jogo.rei_saiu_61 : jogo.rei_saiu_60,
        .torre_a_saiu = brancas ? jogo.torre_saiu_57 : jogo.torre_saiu_64,
        .torre_h_saiu = brancas ? jogo.torre_saiu_64 : jogo.torre_saiu_57,
        .ja_rocou = jogo.ja_rocou};
    // The computer's colour: a king or rook away from its home square has moved.
    const int fila = brancas ? 7 : 0;
    const auto em_casa = [&](int coluna, char letra) {
        return x.pecas[xadrez::casa_de(coluna, fila)] == xadrez::da_cor(letra, !brancas);
    };
    roques[brancas ? PRETAS : BRANCAS] = {.rei_saiu = !em_casa(4, 'K'),
                                          .torre_a_saiu = !em_casa(0, 'R'),
                                          .torre_h_saiu = !em_casa(7, 'R')};
    estado_.poe_posicao(x, brancas, roques);
    estado_.poe_contadores(jogo.lance_do_jogo, jogo.lances_da_pessoa,
                           estado_.numero_de_meu_movimento());
    estado_.poe_ultimo_lance(jogo.ultimo_lance);
    estado_.poe_posicao_montada(true);
    historico_.clear();
    fen_inicial_ = fen_de_jogo_salvo(estado_);
    termino_ = Termino::nenhum;
}

// The file keeps the player's castling flags by the squares of the board seen
// from the computer's side: the king starts on 61 when the player has White
// and on 60 when the player has Black; the rooks start on 57 and 64.
JogoSalvo Jogo::salvo(bool maquina_no_alto, bool ingles) const {
    JogoSalvo jogo;
    jogo.tabuleiro = estado_.tabuleiro();
    jogo.lance_do_jogo = estado_.lance_do_jogo();
    jogo.lances_da_pessoa = estado_.lances_da_pessoa();
    jogo.ultimo_lance = estado_.ultimo_lance();
    const bool brancas = estado_.jogador_tem_brancas();
    const DireitosDeRoque& d = estado_.direitos_de_roque()[brancas ? BRANCAS : PRETAS];
    jogo.rei_saiu_60 = !brancas && d.rei_saiu;
    jogo.rei_saiu_61 = brancas && d.rei_saiu;
    jogo.torre_saiu_57 = brancas ? d.torre_a_saiu : d.torre_h_saiu;
    jogo.torre_saiu_64 = brancas ? d.torre_h_saiu : d.torre_a_saiu;
    jogo.ja_rocou = d.ja_rocou;
    jogo.maquina_no_alto = maquina_no_alto;
    jogo.ingles = ingles;
    return jogo;
}

LanceDaMaquina Jogo::lance_da_maquina() {
    Lembranca antes{estado_, {}, true, {}};
    LanceDaMaquina l;
    // The engine's adapter: the choice, with the analysis the explanations read.
    xadrez::Posicao x = estado_.posicao();
    x.brancas_a_mover = estado_.maquina_tem_brancas();
    Parecer parecer = quelmaro::opina(estado_, motor_, x, nullptr, 1, true);
    const Escolha& escolha = parecer.escolha;
    const Resultado& r = escolha.resultado;
    if (!escolha.lance()) {
        // The engine's end, in the game's terms: its only mapping.
        l.termino = r.desfecho == Desfecho::Xequemate ? Termino::mate : Termino::afogamento;
        termino_ = l.termino;
        return l;
    }
    l.termino = Termino::nenhum;
    l.pensamento = escolha.pensamento;
    antes.analise = std::move(*parecer.analise);
    const xadrez::Movimento& m = escolha.movimento;
    l.lance = xadrez::nome_da_casa(m.de) + xadrez::nome_da_casa(m.para);
    estado_.conta_lance_da_maquina();
    estado_.anota_ultimo_lance(l.lance);
    estado_.move(m.de, m.para);
    estado_.promove_peoes_da_maquina();
    registra(std::move(antes), m.de, m.para);
    l.sem_lance_dele = jogador_sem_lance(estado_);
    l.mate = l.sem_lance_dele && rei_dele_atacado(estado_);
    return l;
}

bool Jogo::aplica_lance_dele(LanceDoJogador& lance, const EscolhaDePromocao& promocao) {
    // A castling word names the king's move; it is castling or nothing.
    const bool palavra = lance.roque != LanceDoJogador::Roque::nenhum;
    if (palavra) {
        const xadrez::Roque& r =
            roque_do_jogador(estado_, lance.roque == LanceDoJogador::Roque::pequeno);
        lance.de = r.rei;
        lance.para = r.destino_do_rei();
    }
    const int de = lance.de, para = lance.para;
    if (de < 0 || de > 63 || para < 0 || para > 63) return false;
    // Castling when the king's move is one and allowed, else a move by the
    // player's rules (a capture in passing among them); the state's move
    // carries the rook or the pawn taken.
    const bool roque = roque_permitido(estado_, de, para);
    if (!roque && (palavra || !lance_permitido(estado_, de, para))) return false;
    estado_.move(de, para);
    estado_.conta_lance_da_pessoa();
    promove_peoes_dele(promocao);
    return true;
}

bool Jogo::lance_dele(const LanceDoJogador& lance, const EscolhaDePromocao& promocao) {
    Lembranca antes{estado_, {}, false, {}};
    LanceDoJogador l = lance;
    if (!aplica_lance_dele(l, promocao)) return false;
    registra(std::move(antes), l.de, l.para);
    return true;
}

// The sides are swapped so that the computer's colour is the player's, the
// move goes through the player's checks, and the sides are swapped back.
bool Jogo::lance_dado_a_maquina(const LanceDoJogador& lance, const EscolhaDePromocao& promocao) {
    Lembranca antes{estado_, {}, false, {}};
    const int pessoa = estado_.lances_da_pessoa();
    estado_.vira();
    LanceDoJogador l = lance;
    const bool aceito = aplica_lance_dele(l, promocao);
    estado_.vira();
    if (!aceito) {
        estado_ = antes.antes;
        return false;
    }
    estado_.poe_contadores(estado_.lance_do_jogo(), pessoa, estado_.numero_de_meu_movimento());
    estado_.conta_lance_dado_a_maquina();
    estado_.anota_ultimo_lance(xadrez::nome_da_casa(l.de) + xadrez::nome_da_casa(l.para));
    registra(std::move(antes), l.de, l.para);
    return true;
}

void Jogo::promove_peoes_dele(const EscolhaDePromocao& promocao) {
    // The player's last rank, in the order of the engine's board (from the
    // computer's side): the front end is asked once for each pawn there.
    for (int k = 1; k <= 8; ++k) {
        const int s = xadrez::casa_de_xadrez(k, estado_.maquina_tem_brancas());
        const char p = estado_.posicao().pecas[s];
        if (xadrez::tipo_da_peca(p) == 'P' && xadrez::branca(p) == estado_.jogador_tem_brancas())
            estado_.promove_peao_do_jogador(s, letra_da_promocao(promocao()));
    }
}

void Jogo::registra(Lembranca antes, int de, int para) {
    antes.lance = {de, para, 0};
    // A pawn that arrives as another piece has been promoted.
    const char chegou = xadrez::tipo_da_peca(estado_.posicao().pecas[para]);
    if (xadrez::tipo_da_peca(antes.antes.posicao().pecas[de]) == 'P' && chegou != 'P' &&
        chegou != xadrez::VAZIA)
        antes.lance.promocao = chegou;
    historico_.push_back(std::move(antes));
}

void Jogo::desfaz(int meios_lances) {
    for (; meios_lances > 0 && !historico_.empty(); --meios_lances) {
        estado_ = historico_.back().antes;
        historico_.pop_back();
        termino_ = Termino::nenhum;
    }
}

std::optional<Pensamento> Jogo::analisa_a_vez() {
    Estado lado = estado_;
    if (lado.vez_do_jogador()) {
        lado.vira();
        lado.poe_contadores(lado.lance_do_jogo(), lado.lances_da_pessoa(), 2);
    }
    const Escolha e = escolhe(lado, motor_);
    if (!e.lance()) return std::nullopt;
    return e.pensamento;
}

xadrez::Partida Jogo::partida() const {
    xadrez::Partida partida;
    if (!fen_inicial_.empty()) {
        const xadrez::LeituraFen lida = xadrez::le_fen(fen_inicial_);
        if (!lida.ok()) return partida; // no chess position: no chess moves either
        partida.inicio = lida.posicao;
    }
    xadrez::Posicao x = partida.inicio;
    for (const Lembranca& l : historico_) {
        if (!xadrez::legal(x, l.lance)) break; // the rest is no game of chess
        partida.lances.push_back(l.lance);
        xadrez::joga(x, l.lance);
    }
    return partida;
}

Termino termino_do_resultado(std::string_view resultado) {
    if (resultado == "1-0") return Termino::brancas_venceram;
    if (resultado == "0-1") return Termino::pretas_venceram;
    if (resultado == "1/2-1/2") return Termino::empate_dado;
    return Termino::nenhum;
}

Termino Jogo::fim_pelas_regras() const {
    const xadrez::Posicao x = estado_.posicao();
    switch (xadrez::fim(x)) {
    case xadrez::Fim::mate: return Termino::mate;
    case xadrez::Fim::afogamento: return Termino::afogamento;
    case xadrez::Fim::nenhum: break;
    }
    return xadrez::material_insuficiente(x) ? Termino::material_insuficiente : Termino::nenhum;
}

Termino Jogo::empate_reclamavel() const {
    const xadrez::Partida p = partida();
    if (p.lances.size() != historico_.size()) return Termino::nenhum;
    std::vector<xadrez::Posicao> posicoes{p.inicio};
    for (const xadrez::Movimento& m : p.lances) {
        posicoes.push_back(posicoes.back());
        xadrez::joga(posicoes.back(), m);
    }
    if (xadrez::repeticao_tripla(posicoes)) return Termino::repeticao_tripla;
    if (xadrez::cinquenta_lances(posicoes.back())) return Termino::cinquenta_lances;
    return Termino::nenhum;
}

bool Jogo::oferece_empate() const {
    return estado_.tabuleiro().soma() <= 0 && estado_.lance_do_jogo() > 10;
}

void Jogo::segue_partida(const xadrez::Partida& nova) {
    const xadrez::Partida velha = partida();
    const bool continua = !acabou() && nova.inicio == velha.inicio &&
                          nova.lances.size() > velha.lances.size() &&
                          std::equal(velha.lances.begin(), velha.lances.end(), nova.lances.begin());
    std::size_t k = 0;
    xadrez::Posicao x = nova.inicio;
    if (continua) {
        k = velha.lances.size();
        x = xadrez::posicao_final(velha);
    } else {
        comeca_de_posicao(nova.inicio, xadrez::posicao_final(nova).brancas_a_mover);
        // The start as it was given, which the next game is compared with.
        if (nova.inicio != xadrez::Posicao::inicial())
            fen_inicial_ = xadrez::escreve_fen(nova.inicio);
        proposta_.reset();
    }
    for (const std::size_t primeiro = k; k < nova.lances.size(); ++k) {
        const xadrez::Movimento& m = nova.lances[k];
        Lembranca antes{estado_, m, false, {}};
        if (x.brancas_a_mover != estado_.maquina_tem_brancas()) {
            estado_.conta_lance_da_pessoa();
        } else if (k == primeiro && proposta_ && proposta_->antes == estado_ &&
                   proposta_->lance == m) {
            estado_ = proposta_->depois_do_passe;
            estado_.conta_lance_da_maquina();
            antes.da_maquina = true;
        } else {
            estado_.conta_lance_dado_a_maquina();
        }
        xadrez::joga(x, m);
        poe_posicao(estado_, x, estado_.maquina_tem_brancas());
        historico_.push_back(std::move(antes));
    }
    proposta_.reset();
}

Parecer Jogo::opina(const std::vector<xadrez::Movimento>* lista, int maximo) {
    const xadrez::Posicao x = xadrez::posicao_final(partida());
    poe_posicao(estado_, x, x.brancas_a_mover);
    std::optional<std::vector<xadrez::Movimento>> legais;
    if (lista) {
        legais.emplace();
        std::copy_if(lista->begin(), lista->end(), std::back_inserter(*legais),
                     [&](const xadrez::Movimento& m) { return xadrez::legal(x, m); });
    }
    Estado passe = estado_;
    Parecer parecer = quelmaro::opina(passe, motor_, x, legais ? &*legais : nullptr, maximo);
    proposta_.reset();
    if (const auto lance = parecer.lance()) proposta_ = Proposta{estado_, passe, *lance};
    return parecer;
}

} // namespace quelmaro
