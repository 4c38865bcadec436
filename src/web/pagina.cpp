#include "web/pagina.hpp"

#include <algorithm>
#include <optional>
#include <vector>

#include "chess/empates.hpp"
#include "chess/lances.hpp"
#include "chess/pgn_escrita.hpp"
#include "chess/pgn_leitura.hpp"
#include "chess/san.hpp"
#include "engine/regras.hpp"
#include "frontend/anotacao.hpp"
#include "frontend/arquivo.hpp"
#include "game/analise.hpp"
#include "game/jogo.hpp"
#include "game/jogo_salvo.hpp"
#include "game/notacao.hpp"
#include "game/parecer.hpp"
#include "text/explicacao.hpp"
#include "text/mensagens.hpp"
#include "versao.hpp"

namespace quelmaro::web {
namespace {

// A JSON text written piece by piece: strings escaped, commas put in.
class Json {
  public:
    Json& abre(char c) {
        virgula();
        s_ += c;
        primeiro_ = true;
        return *this;
    }
    Json& fecha(char c) {
        s_ += c;
        primeiro_ = false;
        return *this;
    }
    Json& chave(std::string_view k) {
        texto(k);
        s_ += ':';
        primeiro_ = true;
        return *this;
    }
    Json& texto(std::string_view t) {
        virgula();
        s_ += '"';
        for (unsigned char c : t) {
            if (c == '"' || c == '\\') {
                s_ += '\\';
                s_ += static_cast<char>(c);
            } else if (c == '\n') {
                s_ += "\\n";
            } else if (c < 0x20) {
                static constexpr char HEX[] = "0123456789abcdef";
                s_ += "\\u00";
                s_ += HEX[c >> 4];
                s_ += HEX[c & 15];
            } else {
                s_ += static_cast<char>(c);
            }
        }
        s_ += '"';
        return *this;
    }
    Json& numero(long n) {
        virgula();
        s_ += std::to_string(n);
        return *this;
    }
    Json& logico(bool b) {
        virgula();
        s_ += b ? "true" : "false";
        return *this;
    }
    Json& campo(std::string_view k, std::string_view v) { return chave(k).texto(v); }
    Json& campo(std::string_view k, long n) { return chave(k).numero(n); }
    Json& campo_logico(std::string_view k, bool b) { return chave(k).logico(b); }
    std::string str() const { return s_; }

  private:
    void virgula() {
        if (!primeiro_) s_ += ',';
        primeiro_ = false;
    }
    std::string s_;
    bool primeiro_ = true;
};

std::string erro(std::string_view motivo) {
    Json j;
    j.abre('{').campo("erro", motivo).fecha('}');
    return j.str();
}

// The game the page sends: its start and its moves, each legal in turn.
struct PartidaDaPagina {
    xadrez::Partida partida;
    std::vector<xadrez::Posicao> posicoes; // the start, then after each move
};

std::vector<std::string_view> palavras(std::string_view s) {
    std::vector<std::string_view> v;
    std::size_t i = 0;
    while (i < s.size()) {
        while (i < s.size() && s[i] == ' ') ++i;
        std::size_t f = i;
        while (f < s.size() && s[f] != ' ') ++f;
        if (f > i) v.push_back(s.substr(i, f - i));
        i = f;
    }
    return v;
}

std::optional<PartidaDaPagina> le_partida_da_pagina(std::string_view fen, std::string_view lances) {
    PartidaDaPagina j;
    if (!fen.empty() && fen != "startpos") {
        const xadrez::LeituraFen f = xadrez::le_fen(fen);
        if (!f.ok()) return std::nullopt;
        j.partida.inicio = f.posicao;
    }
    xadrez::Posicao x = j.partida.inicio;
    j.posicoes.push_back(x);
    for (std::string_view w : palavras(lances)) {
        const std::optional<xadrez::Movimento> m = xadrez::le_coordenadas(w);
        if (!m || !xadrez::legal(x, *m)) return std::nullopt;
        xadrez::joga(x, *m);
        j.partida.lances.push_back(*m);
        j.posicoes.push_back(x);
    }
    return j;
}

const xadrez::Letras& letras(bool ingles) { return ingles ? xadrez::INGLES : xadrez::PORTUGUES; }

// The computer's move of a candidate as chess sees it: its pawn that reaches
// the last row becomes a queen.
xadrez::Movimento movimento(const xadrez::Posicao& x, std::string_view coordenadas) {
    xadrez::Movimento m = xadrez::le_coordenadas(coordenadas).value_or(xadrez::Movimento{});
    const char p = xadrez::tipo_da_peca(x.pecas[m.de]);
    const int fila = xadrez::fila_de(m.para);
    if (p == 'P' && (fila == 0 || fila == 7)) m.promocao = 'Q';
    return m;
}

// The pass on the last position, as --annotate makes it: the fixed opening
// moves due in a game from the ordinary start.
Analise passe(const PartidaDaPagina& j, xadrez::Posicao& x) {
    x = j.posicoes.back();
    const bool do_inicio = j.partida.inicio == xadrez::Posicao::inicial();
    const int feitos = lances_feitos(x, x.brancas_a_mover);
    Estado e;
    comeca_de_posicao(e, x, x.brancas_a_mover);
    e.poe_contadores(e.lance_do_jogo(), e.lances_da_pessoa(), do_inicio ? std::min(feitos, 2) : 2);
    MotorDeRegras motor;
    return *opina(e, motor, x, nullptr, 1, true).analise;
}

void lance(Json& j, const xadrez::Posicao& x, const xadrez::Movimento& m, bool ingles) {
    j.campo("uci", xadrez::escreve_coordenadas(m));
    j.campo("san", xadrez::legal(x, m) ? xadrez::escreve_san(x, m, letras(ingles)) : "");
    j.campo("de", xadrez::nome_da_casa(m.de)).campo("para", xadrez::nome_da_casa(m.para));
}

std::vector<std::string_view> linhas(std::string_view s) {
    std::vector<std::string_view> v;
    while (!s.empty()) {
        const std::size_t f = s.find('\n');
        v.push_back(s.substr(0, f));
        if (f == std::string_view::npos) break;
        s.remove_prefix(f + 1);
    }
    return v;
}

// The words of a row of the table: what follows its move and its rule.
std::string_view depois_de_duas_palavras(std::string_view linha) {
    std::size_t i = 0;
    for (int k = 0; k < 2; ++k) {
        while (i < linha.size() && linha[i] == ' ') ++i;
        while (i < linha.size() && linha[i] != ' ') ++i;
    }
    while (i < linha.size() && linha[i] == ' ') ++i;
    return linha.substr(i);
}

// The messages the page shows, by the names its script uses.
struct Nome {
    std::string_view nome;
    Mensagem mensagem;
};
constexpr Nome NOMES[] = {
    {"novoJogo", Mensagem::PaginaNovoJogo},
    {"jogoCom", Mensagem::PaginaJogoCom},
    {"brancas", Mensagem::PaginaBrancas},
    {"pretas", Mensagem::PaginaPretas},
    {"virar", Mensagem::PaginaVirar},
    {"desfazer", Mensagem::PaginaDesfazer},
    {"dica", Mensagem::PaginaDica},
    {"porque", Mensagem::PaginaPorque},
    {"voltar", Mensagem::PaginaVoltar},
    {"baixarPgn", Mensagem::PaginaBaixarPgn},
    {"baixarAnotado", Mensagem::PaginaBaixarAnotado},
    {"colar", Mensagem::PaginaColar},
    {"carregar", Mensagem::PaginaCarregar},
    {"lances", Mensagem::PaginaLances},
    {"promoverA", Mensagem::PaginaPromoverA},
    {"porqueNao", Mensagem::PaginaPorqueNao},
    {"setas", Mensagem::PaginaSetas},
    {"analise", Mensagem::PaginaAnalise},
    {"analiseDaVez", Mensagem::PaginaAnaliseDaVez},
    {"outraLingua", Mensagem::PaginaOutraLingua},
    {"resumo", Mensagem::PaginaResumo},
    {"meuMovimento", Mensagem::MeuMovimento},
    {"pedidoDeLance", Mensagem::PedidoDeLance},
    {"sugestao", Mensagem::SugestaoEmSan},
    {"naoCarregou", Mensagem::NaoCarregou},
    {"nadaAExplicar", Mensagem::NadaAExplicar},
    {"nadaADesfazer", Mensagem::NadaADesfazer},
    {"semLanceSeu", Mensagem::SemLanceSeu},
    {"colunaLance", Mensagem::ColunaLance},
    {"colunaRegra", Mensagem::ColunaRegra},
    {"colunaMarcas", Mensagem::ColunaMarcas},
    {"legenda", Mensagem::Legenda},
    {"regraDecide", Mensagem::RegraDecide},
};

// How the game stands at its last position: `fim` empty, "*" and
// Mensagem::Total while it goes on.
struct FimDaPartida {
    std::string_view fim, resultado = "*";
    Mensagem mensagem = Mensagem::Total;
};

// The end: mate and stalemate, a dead position, and the draws a player
// could claim, which the page, as arbiter, declares.
FimDaPartida fim_da_partida(const PartidaDaPagina& jogo) {
    const xadrez::Posicao& x = jogo.posicoes.back();
    FimDaPartida f;
    switch (xadrez::fim(x)) {
    case xadrez::Fim::mate:
        f.fim = "mate";
        f.resultado = x.brancas_a_mover ? "0-1" : "1-0";
        f.mensagem = x.brancas_a_mover ? Mensagem::MateDasPretas : Mensagem::MateDasBrancas;
        break;
    case xadrez::Fim::afogamento:
        f.fim = "afogamento";
        f.mensagem = Mensagem::Afogado;
        break;
    case xadrez::Fim::nenhum:
        if (xadrez::material_insuficiente(x)) {
            f.fim = "material";
            f.mensagem = Mensagem::EmpatePorMaterial;
        } else if (xadrez::repeticao_tripla(jogo.posicoes)) {
            f.fim = "repeticao";
            f.mensagem = Mensagem::EmpatePorRepeticao;
        } else if (xadrez::cinquenta_lances(x)) {
            f.fim = "cinquenta";
            f.mensagem = Mensagem::EmpatePorCinquentaLances;
        }
        break;
    }
    if (!f.fim.empty() && f.fim != "mate") f.resultado = "1/2-1/2";
    return f;
}

} // namespace

std::string estado(std::string_view fen, std::string_view lances, bool ingles) {
    const std::optional<PartidaDaPagina> jogo = le_partida_da_pagina(fen, lances);
    if (!jogo) return erro(texto(Mensagem::NaoCarregou, ingles));
    const xadrez::Posicao& x = jogo->posicoes.back();
    Json j;
    j.abre('{').campo("fen", xadrez::escreve_fen(x));
    j.campo("inicio", xadrez::escreve_fen(jogo->partida.inicio));
    j.campo("vez", x.brancas_a_mover ? "w" : "b").campo_logico("xeque", xadrez::em_xeque(x));
    j.chave("legais").abre('[');
    for (const xadrez::Movimento& m : xadrez::legais(x)) {
        j.abre('{');
        lance(j, x, m, ingles);
        j.fecha('}');
    }
    j.fecha(']').chave("san").abre('[');
    for (std::size_t k = 0; k < jogo->partida.lances.size(); ++k)
        j.texto(xadrez::escreve_san(jogo->posicoes[k], jogo->partida.lances[k], letras(ingles)));
    j.fecha(']');
    const FimDaPartida f = fim_da_partida(*jogo);
    j.campo("fim", f.fim).campo("resultado", f.resultado);
    j.campo("fimTexto", f.mensagem == Mensagem::Total ? "" : texto(f.mensagem, ingles));
    j.fecha('}');
    return j.str();
}

std::string carrega(std::string_view conteudo, bool ingles) {
    const ArquivoDeJogo arquivo = le_arquivo_de_jogo(conteudo);
    const xadrez::JogoLido* lido = arquivo.partida(1);
    if (!lido || !lido->ok()) {
        const std::string motivo = motivo_da_recusa(arquivo, 1, "", ingles);
        return erro(std::string(texto(Mensagem::NaoCarregou, ingles)) +
                    (motivo.empty() ? "" : " " + motivo));
    }
    const xadrez::Partida& p = lido->leitura.partida;
    Json j;
    j.abre('{').campo("fen", xadrez::escreve_fen(p.inicio));
    std::string lances;
    for (const xadrez::Movimento& m : p.lances)
        (lances += lances.empty() ? "" : " ") += xadrez::escreve_coordenadas(m);
    j.campo("lances", lances).fecha('}');
    return j.str();
}

std::string pgn(std::string_view fen, std::string_view lances, std::string_view resultado,
                bool anotada, bool computador_brancas, bool ingles) {
    const std::optional<PartidaDaPagina> jogo = le_partida_da_pagina(fen, lances);
    if (!jogo) return {};
    xadrez::SeteTags sete;
    sete.evento = "Quelmaro";
    (computador_brancas ? sete.brancas : sete.pretas) = "Quelmaro " QUELMARO_VERSAO;
    std::vector<xadrez::Tag> outras;
    if (!(jogo->partida.inicio == xadrez::Posicao::inicial())) {
        outras.push_back({"SetUp", "1"});
        outras.push_back({"FEN", xadrez::escreve_fen(jogo->partida.inicio)});
    }
    xadrez::JogoLido lido;
    lido.leitura.partida = jogo->partida;
    lido.leitura.tags = xadrez::tags_de(sete, outras);
    lido.leitura.resultado = std::string(resultado);
    if (anotada) {
        MotorDeRegras motor;
        return xadrez::escreve_pgn(anota(
            motor, lido, computador_brancas ? LadoAnotado::brancas : LadoAnotado::pretas, ingles));
    }
    xadrez::JogoParaEscrever j;
    j.tags = lido.leitura.tags;
    j.inicio = jogo->partida.inicio;
    j.lances = jogo->partida.lances;
    j.resultado = lido.leitura.resultado;
    return xadrez::escreve_pgn(j);
}

std::string analise(std::string_view fen, std::string_view lances, bool ingles) {
    const std::optional<PartidaDaPagina> jogo = le_partida_da_pagina(fen, lances);
    if (!jogo) return erro(texto(Mensagem::NaoCarregou, ingles));
    xadrez::Posicao x;
    const Analise a = passe(*jogo, x);
    // The table without line breaks: one line per candidate, in scan order.
    const std::string tabela = tabela_da_analise(a, ingles, false, std::string::npos);
    const std::vector<std::string_view> l = linhas(tabela);
    Json j;
    j.abre('{').campo("texto", tabela_da_analise(a, ingles));
    j.campo("titulo", l.empty() ? "" : l[0]);
    j.chave("linhas").abre('[');
    for (std::size_t k = 0; k < a.candidatos.size(); ++k) {
        const Candidato& c = a.candidatos[k];
        const xadrez::Movimento m = movimento(x, coordenadas(c.de, c.para, a.maquina_tem_brancas));
        j.abre('{');
        lance(j, x, m, ingles);
        j.campo("regra", regra_cumprida(c, a.contexto));
        j.campo("marcas", k + 2 < l.size() ? depois_de_duas_palavras(l[k + 2]) : "");
        j.campo_logico("escolhido", static_cast<int>(k) == a.escolhido);
        j.fecha('}');
    }
    j.fecha(']');
    // The legend: after its heading, one line per word, "  words  sentence".
    j.chave("legenda").abre('[');
    const std::string_view titulo_da_legenda = texto(Mensagem::Legenda, ingles);
    auto w = std::find(l.begin(), l.end(), titulo_da_legenda);
    if (w != l.end()) ++w;
    for (; w != l.end(); ++w) {
        std::string_view s = *w;
        while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
        const std::size_t d = s.find("  ");
        if (s.empty() || d == std::string_view::npos) continue;
        std::string_view frase = s.substr(d);
        while (!frase.empty() && frase.front() == ' ') frase.remove_prefix(1);
        j.abre('[').texto(s.substr(0, d)).texto(frase).fecha(']');
    }
    j.fecha(']');
    j.campo("escolha", explica_escolha(a, ingles));
    j.campo("regra", a.regra).campo_logico("abertura", a.regra == 0 && a.escolhido >= 0);
    if (a.escolhido >= 0) {
        const Candidato& c = a.candidatos[a.escolhido];
        j.chave("lance").abre('{');
        lance(j, x, movimento(x, coordenadas(c.de, c.para, a.maquina_tem_brancas)), ingles);
        j.fecha('}');
    }
    j.fecha('}');
    return j.str();
}

std::string porque(std::string_view fen, std::string_view lances, std::string_view lance_pedido,
                   bool ingles) {
    const std::optional<PartidaDaPagina> jogo = le_partida_da_pagina(fen, lances);
    if (!jogo) return erro(texto(Mensagem::NaoCarregou, ingles));
    xadrez::Posicao x;
    const Analise a = passe(*jogo, x);
    Json j;
    j.abre('{').campo("texto", explica_lance(a, lance_pedido, ingles));
    // The replies that would take a piece after the move.
    j.chave("respostas").abre('[');
    if (const auto m = xadrez::le_coordenadas(lance_pedido)) {
        xadrez::Movimento lance = *m;
        if (!xadrez::legal(x, lance)) lance = movimento(x, lance_pedido);
        if (xadrez::legal(x, lance)) {
            xadrez::Posicao y = x;
            xadrez::joga(y, lance);
            for (const xadrez::Movimento& r : xadrez::legais(y)) {
                const bool toma =
                    y.pecas[r.para] != xadrez::VAZIA ||
                    (r.para == y.en_passant && xadrez::tipo_da_peca(y.pecas[r.de]) == 'P');
                if (toma && r.promocao != 'R' && r.promocao != 'B' && r.promocao != 'N')
                    j.abre('[')
                        .texto(xadrez::nome_da_casa(r.de))
                        .texto(xadrez::nome_da_casa(r.para))
                        .fecha(']');
            }
        }
    }
    j.fecha(']').fecha('}');
    return j.str();
}

std::string mensagens(bool ingles) {
    Json j;
    j.abre('{');
    for (const Nome& n : NOMES) j.campo(n.nome, texto(n.mensagem, ingles));
    j.fecha('}');
    return j.str();
}

} // namespace quelmaro::web
