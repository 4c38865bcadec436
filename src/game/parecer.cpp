#include "game/parecer.hpp"

#include <algorithm>

#include "chess/tabuleiro_xadrez.hpp"
#include "game/notacao.hpp"

namespace quelmaro {

namespace {

// Centipawns by piece letter; a king counts nothing, both being on the board.
struct ValorDaPeca {
    char tipo;
    int centesimos;
};
constexpr ValorDaPeca VALORES[] = {{'P', 100}, {'N', 300}, {'B', 300}, {'R', 500}, {'Q', 900}};

int centesimos(char peca) {
    for (const ValorDaPeca& v : VALORES)
        if (v.tipo == xadrez::tipo_da_peca(peca)) return v.centesimos;
    return 0;
}

} // namespace

ValorDoLance valor_do_lance(const xadrez::Posicao& x, const xadrez::Movimento& m) {
    const bool brancas = xadrez::branca(x.pecas[m.de]);
    xadrez::Posicao depois = x;
    xadrez::joga(depois, m);
    ValorDoLance v;
    for (const char peca : depois.pecas)
        if (peca != xadrez::VAZIA)
            v.pontos += xadrez::branca(peca) == brancas ? centesimos(peca) : -centesimos(peca);
    v.mate = xadrez::fim(depois) == xadrez::Fim::mate;
    return v;
}

Pensamento pensa(const Estado& e, const Resultado& r, const xadrez::Movimento& lance) {
    xadrez::Posicao x = e.posicao();
    x.brancas_a_mover = e.maquina_tem_brancas();
    const ValorDoLance v = valor_do_lance(x, lance);
    Pensamento p;
    p.pontos = v.pontos;
    p.mate = v.mate;
    p.nos = r.posicoes_examinadas;
    p.lance = xadrez::escreve_coordenadas(lance);
    p.regra = r.regra;
    p.abertura = r.abertura;
    return p;
}

namespace {

// The pass found no move while the computer has legal moves, which its
// movement test does not allow: the first of them, as the engine's choice.
bool resgata(const Estado& e, Resultado& r) {
    xadrez::Posicao x = e.posicao();
    x.brancas_a_mover = e.maquina_tem_brancas();
    const xadrez::ListaDeLances legais = xadrez::legais(x);
    if (legais.size() == 0) return false;
    const xadrez::Movimento* m = legais.begin();
    r.desfecho = Desfecho::Lance;
    r.de = xadrez::casa_do_tabuleiro(m->de, e.maquina_tem_brancas());
    r.para = xadrez::casa_do_tabuleiro(m->para, e.maquina_tem_brancas());
    r.regra = 0;
    r.abertura = Abertura::nenhuma;
    return true;
}

} // namespace

Escolha escolhe(Estado& e, MotorDeRegras& motor, const Permitidos* permitidos, bool com_pontos) {
    const Tabuleiro tabuleiro = e.tabuleiro();
    Entrada entrada = e.entrada(tabuleiro);
    entrada.permitidos = permitidos;
    Escolha x{motor.passe(entrada), {}};
    Resultado& r = x.resultado;
    e.depois_do_passe(r);
    const bool fora = r.desfecho != Desfecho::Lance && resgata(e, r);
    if (r.desfecho != Desfecho::Lance) return x;
    // The engine's move read back from its board, once.
    x.movimento = movimento_da_maquina(e, r.de, r.para);
    if (com_pontos) {
        x.pensamento = pensa(e, r, x.movimento);
    } else {
        x.pensamento.lance = xadrez::escreve_coordenadas(x.movimento);
        x.pensamento.regra = r.regra;
        x.pensamento.abertura = r.abertura;
    }
    x.pensamento.fora_das_regras = fora;
    return x;
}

std::optional<Pensamento> conselho(MotorDeRegras& motor, const xadrez::Posicao& x,
                                   int numero_de_meu_movimento, bool montada) {
    Estado e;
    comeca_de_posicao(e, x, x.brancas_a_mover);
    e.poe_contadores(e.lance_do_jogo(), e.lances_da_pessoa(), numero_de_meu_movimento);
    e.poe_posicao_montada(montada);
    const Escolha escolha = escolhe(e, motor, nullptr, false);
    if (!escolha.lance()) return std::nullopt;
    return escolha.pensamento;
}

SemPeso sem_peso(const xadrez::Posicao& x, const xadrez::Movimento& m) {
    const char peca = xadrez::tipo_da_peca(x.pecas[m.de]);
    const int colunas = xadrez::coluna_de(m.para) - xadrez::coluna_de(m.de);
    if (peca == 'K' && (colunas == 2 || colunas == -2)) return SemPeso::roque;
    if (peca == 'P' && colunas != 0 && x.pecas[m.para] == xadrez::VAZIA) return SemPeso::en_passant;
    if (m.promocao && m.promocao != 'Q') return SemPeso::subpromocao;
    if (peca == 'P' && (m.para - m.de == 16 || m.de - m.para == 16)) return SemPeso::passo_duplo;
    return SemPeso::lance;
}

namespace {

// The move of the list with the squares of `m`: `m` itself when listed, else
// the first listed (a promotion to another piece); `m` when none.
xadrez::Movimento da_lista(const std::vector<xadrez::Movimento>* lista, xadrez::Movimento m) {
    if (!lista || std::find(lista->begin(), lista->end(), m) != lista->end()) return m;
    for (const xadrez::Movimento& l : *lista)
        if (l.de == m.de && l.para == m.para) return l;
    return m;
}

bool listado(const std::vector<xadrez::Movimento>* lista, const xadrez::Movimento& m) {
    return !lista || std::find(lista->begin(), lista->end(), m) != lista->end();
}

// The lines after the pass `e` that chose a move: the choice, then the other
// candidates in the cascade's order (those legal in chess), then the legal
// moves the rules never weigh.
void classifica(Parecer& parecer, const Estado& estado, const MotorDeRegras& motor,
                const xadrez::Posicao& x, const Permitidos* permitidos,
                const std::vector<xadrez::Movimento>* lista, std::size_t maximo) {
    const Pensamento& p = parecer.escolha.pensamento;
    std::vector<LinhaDoParecer>& linhas = parecer.linhas;
    const auto ja_tem = [&](const xadrez::Movimento& m) {
        return std::any_of(linhas.begin(), linhas.end(),
                           [&](const LinhaDoParecer& l) { return l.lance == m; });
    };
    xadrez::Movimento escolhido = da_lista(lista, parecer.escolha.movimento);
    // The rescue of a position without candidates does not know the list.
    if (!listado(lista, escolhido)) escolhido = lista->front();
    linhas.push_back({escolhido, {}, p.regra, p.abertura, p.fora_das_regras, std::nullopt});
    if (maximo > 1) {
        const Resultado& r = parecer.escolha.resultado;
        for (const Lugar& l : classificacao(motor.candidatos(), r.contexto, permitidos)) {
            if (linhas.size() >= maximo) break;
            if (l.regra == 0) continue; // it lets the player take the king: no legal move
            const Candidato& c = motor.candidatos()[l.candidato];
            const xadrez::Movimento m = da_lista(lista, movimento_da_maquina(estado, c.de, c.para));
            if (ja_tem(m) || (escolhido.de == m.de && escolhido.para == m.para) ||
                !xadrez::legal(x, m))
                continue;
            linhas.push_back({m, {}, l.regra, Abertura::nenhuma, false, std::nullopt});
        }
        for (const xadrez::Movimento& m : xadrez::legais(x)) {
            if (linhas.size() >= maximo) break;
            if (ja_tem(m) || !listado(lista, m)) continue;
            linhas.push_back({m, {}, 0, Abertura::nenhuma, false, sem_peso(x, m)});
        }
    }
    for (LinhaDoParecer& l : linhas) l.valor = valor_do_lance(x, l.lance);
}

} // namespace

Parecer opina(Estado& estado, MotorDeRegras& motor, const xadrez::Posicao& x,
              const std::vector<xadrez::Movimento>* lista, int maximo, bool explica) {
    Parecer parecer;
    std::optional<Permitidos> permitidos;
    if (lista) {
        if (lista->empty()) {
            parecer.lista = Parecer::Lista::vazia;
            return parecer;
        }
        // The cascade chooses among the listed moves it weighs; castling and
        // captures in passing, which no rule looks at, only when the list
        // holds nothing else.
        const bool b = estado.maquina_tem_brancas();
        const Tabuleiro t = estado.tabuleiro();
        for (const xadrez::Movimento& m : *lista) {
            const int de = xadrez::casa_do_tabuleiro(m.de, b);
            const int para = xadrez::casa_do_tabuleiro(m.para, b);
            if (MotorDeRegras::e_candidato(t, de, para)) {
                if (!permitidos) permitidos.emplace();
                permitidos->permite(de, para);
            }
        }
        if (!permitidos) {
            parecer.lista = Parecer::Lista::sem_candidatas;
            parecer.linhas.push_back(
                {lista->front(), valor_do_lance(x, lista->front()), 0, {}, false, std::nullopt});
            return parecer;
        }
        parecer.lista = Parecer::Lista::com_candidatas;
    }
    const Permitidos* p = permitidos ? &*permitidos : nullptr;
    parecer.escolha = escolhe(estado, motor, p);
    if (explica) {
        // The pass leaves the board as it found it.
        parecer.analise = analise_do_passe(motor, parecer.escolha.resultado, estado.tabuleiro(),
                                           estado.maquina_tem_brancas());
        parecer.analise->fora_das_regras = parecer.escolha.pensamento.fora_das_regras;
    }
    if (parecer.escolha.lance())
        classifica(parecer, estado, motor, x, p, lista, static_cast<std::size_t>(maximo));
    return parecer;
}

} // namespace quelmaro
