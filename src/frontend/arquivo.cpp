#include "frontend/arquivo.hpp"

#include <algorithm>
#include <charconv>
#include <ostream>

#include "game/pgn.hpp"
#include "io/hoje.hpp"
#include "text/mensagens.hpp"

namespace quelmaro {
namespace {

void diz(Console& console, Mensagem m, bool ingles) { console.saida() << texto(m, ingles) << '\n'; }

// The game was not loaded, and why.
Aberto nao_carregou(Console& console, std::string_view motivo, bool ingles) {
    diz(console, Mensagem::NaoCarregou, ingles);
    console.saida() << motivo << '\n';
    return Aberto::nada;
}

// clang-format off
constexpr struct { FalhaDeLeitura falha; Mensagem mensagem; } FALHAS[] = {
    {FalhaDeLeitura::sem_nome,      Mensagem::MotivoSemNome},
    {FalhaDeLeitura::nao_existe,    Mensagem::MotivoNaoExiste},
    {FalhaDeLeitura::pasta,         Mensagem::MotivoPasta},
    {FalhaDeLeitura::especial,      Mensagem::MotivoEspecial},
    {FalhaDeLeitura::sem_permissao, Mensagem::MotivoSemPermissao},
    {FalhaDeLeitura::grande_demais, Mensagem::MotivoGrandeDemais},
};
constexpr struct { FalhaDeGravacao falha; Mensagem mensagem; } FALHAS_DE_GRAVACAO[] = {
    {FalhaDeGravacao::sem_nome,            Mensagem::MotivoSemNome},
    {FalhaDeGravacao::sem_pasta,           Mensagem::GravacaoSemPasta},
    {FalhaDeGravacao::nome_longo,          Mensagem::GravacaoNomeLongo},
    {FalhaDeGravacao::pasta,               Mensagem::MotivoPasta},
    {FalhaDeGravacao::especial,            Mensagem::MotivoEspecial},
    {FalhaDeGravacao::protegido,           Mensagem::GravacaoProtegido},
    {FalhaDeGravacao::pasta_sem_permissao, Mensagem::GravacaoPastaSemPermissao},
    {FalhaDeGravacao::ligacoes,            Mensagem::GravacaoLigacoes},
    {FalhaDeGravacao::so_leitura,          Mensagem::GravacaoSoLeitura},
    {FalhaDeGravacao::sem_espaco,          Mensagem::GravacaoSemEspaco},
};
// Why a PGN game was refused; a refused move and a FEN have their own words.
constexpr struct { xadrez::ErroPgn erro; Mensagem mensagem; } ERROS_PGN[] = {
    {xadrez::ErroPgn::vazio,         Mensagem::MotivoNaoEJogo},
    {xadrez::ErroPgn::tag,           Mensagem::MotivoTag},
    {xadrez::ErroPgn::simbolo,       Mensagem::MotivoSimbolo},
    {xadrez::ErroPgn::comentario,    Mensagem::MotivoComentario},
    {xadrez::ErroPgn::variacao,      Mensagem::MotivoVariacao},
    {xadrez::ErroPgn::sem_resultado, Mensagem::MotivoSemResultado},
    {xadrez::ErroPgn::longo,         Mensagem::MotivoLongo},
};
constexpr struct { xadrez::ErroFen erro; Mensagem mensagem; } ERROS_FEN[] = {
    {xadrez::ErroFen::campos,                 Mensagem::FenCampos},
    {xadrez::ErroFen::pecas,                  Mensagem::FenPecas},
    {xadrez::ErroFen::vez,                    Mensagem::FenVez},
    {xadrez::ErroFen::roques,                 Mensagem::FenRoques},
    {xadrez::ErroFen::en_passant,             Mensagem::FenEnPassant},
    {xadrez::ErroFen::contadores,             Mensagem::FenContadores},
    {xadrez::ErroFen::reis,                   Mensagem::FenReis},
    {xadrez::ErroFen::peao_na_ponta,          Mensagem::FenPeaoNaPonta},
    {xadrez::ErroFen::xeque_de_quem_nao_move, Mensagem::FenXeque},
};
constexpr struct { xadrez::LeituraSan::Resultado lido; Mensagem mensagem; } LANCES[] = {
    {xadrez::LeituraSan::ilegivel, Mensagem::MotivoLanceIlegivel},
    {xadrez::LeituraSan::nenhum,   Mensagem::MotivoLanceIlegal},
    {xadrez::LeituraSan::ambiguo,  Mensagem::MotivoLanceAmbiguo},
};
// clang-format on

// The tags the list of a file's games shows, in this order; White and Black
// go together as "White - Black".
constexpr std::string_view TAGS_DA_LISTA[] = {"Event",   "White",     "Date",  "ECO",
                                              "Opening", "Variation", "Result"};

bool conhecido(std::string_view valor) {
    return !valor.empty() && valor != "?" && valor != "????.??.??" && valor != "*" && valor != "-";
}

// The text without the blanks around it.
std::string_view sem_brancos(std::string_view s) {
    s.remove_prefix(std::min(s.find_first_not_of(" \t"), s.size()));
    return s.substr(0, s.find_last_not_of(" \t\r") + 1);
}

// The number the player typed for a game, or 0.
std::size_t numero(std::string_view s) {
    std::size_t n = 0;
    const auto [fim, erro] = std::from_chars(s.data(), s.data() + s.size(), n);
    return erro == std::errc() && fim == s.data() + s.size() ? n : 0;
}

// Writes the file; when it cannot, says so (`nao_gravou`) and why.
void grava(Console& console, Arquivos& arquivos, const std::string& nome,
           const std::string& conteudo, Mensagem nao_gravou, bool ingles) {
    const Gravacao g = arquivos.substitui(nome, conteudo);
    if (g.separou_ligacoes) diz(console, Mensagem::GravacaoSeparouLigacoes, ingles);
    if (g.falha == FalhaDeGravacao::nenhuma) return;
    diz(console, nao_gravou, ingles);
    console.saida() << motivo_da_gravacao(g.falha, ingles) << '\n';
}

} // namespace

std::string_view motivo_da_gravacao(FalhaDeGravacao falha, bool ingles) {
    for (const auto& f : FALHAS_DE_GRAVACAO)
        if (f.falha == falha) return texto(f.mensagem, ingles);
    return texto(Mensagem::GravacaoErro, ingles);
}

std::string_view motivo_da_falha(FalhaDeLeitura falha, bool ingles) {
    for (const auto& f : FALHAS)
        if (f.falha == falha) return texto(f.mensagem, ingles);
    return texto(Mensagem::MotivoErroDeLeitura, ingles);
}

std::string motivo_do_jogo(const xadrez::JogoLido& jogo, bool ingles) {
    const xadrez::JogoLido* j = &jogo;
    if (j->ok()) return {};
    const xadrez::ErroPgn erro = j->leitura.erro;
    if (erro == xadrez::ErroPgn::fen) {
        Mensagem m = Mensagem::FenCampos;
        for (const auto& f : ERROS_FEN)
            if (f.erro == j->erro_fen) m = f.mensagem;
        return preenche(texto(Mensagem::MotivoFen, ingles), {texto(m, ingles)});
    }
    if (erro == xadrez::ErroPgn::lance) {
        Mensagem m = Mensagem::MotivoLanceIlegivel;
        for (const auto& l : LANCES)
            if (l.lido == j->lance.lido) m = l.mensagem;
        const std::string lance = std::to_string(j->lance.numero) +
                                  (j->lance.das_brancas ? ". " : "... ") + j->lance.texto;
        return preenche(texto(m, ingles), {lance});
    }
    for (const auto& e : ERROS_PGN)
        if (e.erro == erro) return std::string(texto(e.mensagem, ingles));
    return std::string(texto(Mensagem::MotivoNaoEJogo, ingles));
}

std::string motivo_da_recusa(const ArquivoDeJogo& arquivo, std::size_t n, std::string_view pedido,
                             bool ingles) {
    if (arquivo.salvo && n == 1) return {};
    if (arquivo.salvo_danificado)
        return std::string(texto(arquivo.peao_na_ponta ? Mensagem::MotivoJogoSalvoPeaoNaPonta
                                                       : Mensagem::MotivoJogoSalvoRuim,
                                 ingles));
    if (!arquivo.salvo && arquivo.partidas.empty())
        return std::string(texto(Mensagem::MotivoNaoEJogo, ingles));
    const xadrez::JogoLido* j = arquivo.partida(n);
    if (arquivo.salvo || !j)
        return pedido.empty() ? std::string(texto(Mensagem::MotivoNenhumaPartida, ingles))
                              : preenche(texto(Mensagem::MotivoSemTalPartida, ingles), {pedido});
    return motivo_do_jogo(*j, ingles);
}

std::string descricao_da_partida(const xadrez::JogoLido& jogo, bool ingles) {
    const auto& tags = jogo.leitura.tags;
    const auto valor = [&](std::string_view nome) -> std::string_view {
        for (const auto& [n, v] : tags)
            if (n == nome) return v;
        return {};
    };
    std::string s;
    const auto poe = [&](std::string_view v) {
        if (!s.empty()) s += ", ";
        s += v;
    };
    for (std::string_view nome : TAGS_DA_LISTA) {
        if (nome == "White") {
            const std::string_view brancas = valor("White"), pretas = valor("Black");
            if (conhecido(brancas) || conhecido(pretas))
                poe(std::string(conhecido(brancas) ? brancas : "?") + " - " +
                    std::string(conhecido(pretas) ? pretas : "?"));
        } else if (conhecido(valor(nome))) {
            poe(valor(nome));
        }
    }
    if (s.empty()) s = texto(Mensagem::PartidaSemTags, ingles);
    if (!jogo.ok()) s += texto(Mensagem::PartidaRecusada, ingles);
    return s;
}

void grava_jogo(Console& console, Arquivos& arquivos, const Jogo& jogo, const Exibicao& e) {
    diz(console, Mensagem::NomeParaSalvar, e.ingles);
    grava(console, arquivos, console.linha(),
          texto_do_jogo_salvo(jogo.salvo(e.maquina_no_alto, e.ingles)), Mensagem::NaoSalvou,
          e.ingles);
}

Aberto abre_jogo(Console& console, Arquivos& arquivos, Jogo& jogo, Exibicao& e, Termino* fim_dado) {
    if (fim_dado) *fim_dado = Termino::nenhum;
    diz(console, Mensagem::NomeParaAbrir, e.ingles);
    const std::string nome = console.linha();
    const ArquivoLido lido = arquivos.abre(nome);
    if (!lido.conteudo)
        return nao_carregou(console, motivo_da_falha(lido.falha, e.ingles), e.ingles);
    if (!xadrez::e_texto(*lido.conteudo))
        return nao_carregou(console, texto(Mensagem::MotivoNaoETexto, e.ingles), e.ingles);
    const ArquivoDeJogo arquivo = le_arquivo_de_jogo(*lido.conteudo);
    std::ostream& o = console.saida();
    if (arquivo.salvo) {
        jogo.carrega(*arquivo.salvo);
        e.maquina_no_alto = arquivo.salvo->maquina_no_alto;
        e.ingles = arquivo.salvo->ingles;
        o << texto(Mensagem::MeuUltimoLance, e.ingles);
        for (char c : arquivo.salvo->ultimo_lance) o << (c == '&' ? 'e' : c);
        o << '\n';
        return Aberto::jogo_salvo;
    }
    // Several games: the list, and the one the player names.
    std::size_t n = 1;
    std::string pedido = "1";
    if (arquivo.partidas.size() > 1) {
        const std::string quantas = std::to_string(arquivo.partidas.size());
        o << preenche(texto(Mensagem::ListaDePartidas, e.ingles), {quantas}) << '\n';
        for (std::size_t i = 0; i < arquivo.partidas.size(); ++i)
            o << "  " << i + 1 << ". " << descricao_da_partida(arquivo.partidas[i], e.ingles)
              << '\n';
        o << preenche(texto(Mensagem::QualPartida, e.ingles), {quantas}) << '\n';
        pedido = sem_brancos(console.linha());
        n = numero(pedido);
    }
    const std::string motivo = motivo_da_recusa(arquivo, n, pedido, e.ingles);
    if (!motivo.empty()) return nao_carregou(console, motivo, e.ingles);
    const xadrez::LeituraPgn& leitura = arquivo.partida(n)->leitura;
    jogo.instala_partida(leitura.partida);
    // A position with no moves and a result (a puzzle's "1-0") is to be played.
    if (fim_dado && !leitura.partida.lances.empty())
        *fim_dado = termino_do_resultado(leitura.resultado);
    return Aberto::partida;
}

void grava_pgn(Console& console, Arquivos& arquivos, const Jogo& jogo, bool ingles) {
    diz(console, Mensagem::NomeParaSalvar, ingles);
    grava(console, arquivos, console.linha(), pgn_do_jogo(jogo, hoje()), Mensagem::NaoGravouPgn,
          ingles);
}

} // namespace quelmaro
