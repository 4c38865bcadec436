#include "frontend/anotacao.hpp"

#include <algorithm>

#include "chess/san.hpp"
#include "frontend/arquivo.hpp"
#include "game/jogo.hpp"
#include "game/notacao.hpp"
#include "text/explicacao.hpp"
#include "text/mensagens.hpp"

namespace quelmaro {
namespace {

bool anotada(LadoAnotado lado, bool brancas) {
    return lado == LadoAnotado::ambos || (lado == LadoAnotado::brancas) == brancas;
}

} // namespace

xadrez::JogoParaEscrever anota(MotorDeRegras& motor, const xadrez::JogoLido& lido, LadoAnotado lado,
                               bool ingles) {
    const xadrez::Partida& partida = lido.leitura.partida;
    xadrez::JogoParaEscrever j;
    j.tags = lido.leitura.tags;
    j.inicio = partida.inicio;
    j.lances = partida.lances;
    j.resultado = lido.leitura.resultado; // kept, "*" too, whatever the last position
    j.resultado_como_dado = true;
    if (!lido.anotacoes.empty()) j.original_inicial = lido.anotacoes[0];
    // The fixed opening moves are due only in a game from the ordinary start.
    const bool do_inicio = partida.inicio == xadrez::Posicao::inicial();
    const xadrez::Letras& letras = ingles ? xadrez::INGLES : xadrez::PORTUGUES;
    xadrez::Posicao x = partida.inicio;
    for (std::size_t k = 0; k < partida.lances.size(); ++k) {
        xadrez::Anotacao a;
        if (k + 1 < lido.anotacoes.size()) a.original = lido.anotacoes[k + 1];
        const xadrez::Movimento& jogado = partida.lances[k];
        if (anotada(lado, x.brancas_a_mover)) {
            const int feitos = lances_feitos(x, x.brancas_a_mover);
            if (const std::optional<Pensamento> p =
                    conselho(motor, x, do_inicio ? std::min(feitos, 2) : 2, !do_inicio)) {
                const std::optional<xadrez::Movimento> meu = xadrez::le_coordenadas(p->lance);
                if (meu) {
                    a.comentario = preenche(
                        texto(Mensagem::AnotacaoDoLance, ingles),
                        {xadrez::escreve_san(x, *meu, letras), razao_em_palavras(*p, ingles)});
                    if (!(*meu == jogado)) a.variacoes.push_back({{*meu}, {}});
                }
            }
        }
        j.anotacoes.push_back(std::move(a));
        xadrez::joga(x, jogado);
    }
    return j;
}

int anota_arquivo(Arquivos& arquivos, const std::string& nome, const char* programa,
                  LadoAnotado lado, bool ingles, std::ostream& saida, std::ostream& erro) {
    const ArquivoLido lido = arquivos.abre(nome);
    if (!lido.conteudo) {
        erro << preenche(texto(Mensagem::NaoAnotou, ingles),
                         {programa, nome, motivo_da_falha(lido.falha, ingles)})
             << '\n';
        return 2;
    }
    const std::string_view conteudo = *lido.conteudo;
    if (!xadrez::e_texto(conteudo)) {
        erro << preenche(texto(Mensagem::NaoAnotou, ingles),
                         {programa, nome, texto(Mensagem::MotivoNaoETexto, ingles)})
             << '\n';
        return 2;
    }
    MotorDeRegras motor;
    int numero = 0, recusadas = 0;
    xadrez::para_cada_jogo(
        conteudo, {.numero_zero_e_um = true, .guarda_anotacoes = true},
        [&](xadrez::JogoLido&& jogo) {
            ++numero;
            if (jogo.ok()) {
                saida << xadrez::escreve_pgn(anota(motor, jogo, lado, ingles));
                return true;
            }
            ++recusadas;
            erro << preenche(texto(Mensagem::PartidaNaoAnotada, ingles),
                             {programa, std::to_string(numero), motivo_do_jogo(jogo, ingles)})
                 << '\n';
            return true;
        });
    if (numero == 0) {
        erro << preenche(texto(Mensagem::NaoAnotou, ingles),
                         {programa, nome, texto(Mensagem::MotivoNaoEJogo, ingles)})
             << '\n';
        return 2;
    }
    return recusadas == 0 ? 0 : 2;
}

} // namespace quelmaro
