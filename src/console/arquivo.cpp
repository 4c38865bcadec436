#include "console/arquivo.hpp"

#include <ostream>

#include "game/pgn.hpp"
#include "io/hoje.hpp"
#include "text/mensagens.hpp"

namespace quelmaro {
namespace {

void diz(Console& console, Mensagem m, bool ingles) {
    console.saida() << texto(m, ingles) << '\n';
}

} // namespace

void save(Console& console, Arquivos& arquivos, const Jogo& jogo, const Exibicao& e) {
    diz(console, Mensagem::NomeParaSalvar, e.ingles);
    const std::string nome = console.linha();
    if (!arquivos.grava(nome, texto_do_jogo_salvo(jogo.salvo(e.tabuleironormal, e.ingles))))
        diz(console, Mensagem::NaoSalvou, e.ingles);
}

Aberto open(Console& console, Arquivos& arquivos, Jogo& jogo, Exibicao& e) {
    diz(console, Mensagem::NomeParaAbrir, e.ingles);
    const std::string nome = console.linha();
    const std::optional<std::string> conteudo = arquivos.le(nome);
    const ArquivoDeJogo arquivo = conteudo ? le_arquivo_de_jogo(*conteudo) : ArquivoDeJogo{};
    if (arquivo.partida) {
        jogo.instala_partida(*arquivo.partida);
        return Aberto::partida;
    }
    if (!arquivo.salvo) {
        diz(console, Mensagem::NaoCarregou, e.ingles);
        return Aberto::nada;
    }
    jogo.carrega(*arquivo.salvo);
    e.tabuleironormal = arquivo.salvo->tabuleironormal;
    e.ingles = arquivo.salvo->ingles;
    std::ostream& o = console.saida();
    o << texto(Mensagem::MeuUltimoLance, e.ingles);
    for (char c : arquivo.salvo->ultimo_lance) o << (c == '&' ? 'e' : c);
    o << '\n';
    return Aberto::jogo_salvo;
}

void grava_pgn(Console& console, Arquivos& arquivos, const Jogo& jogo, bool ingles) {
    diz(console, Mensagem::NomeParaSalvar, ingles);
    const std::string nome = console.linha();
    if (!arquivos.grava(nome, pgn_do_jogo(jogo, hoje()))) diz(console, Mensagem::NaoGravouPgn, ingles);
}

} // namespace quelmaro
