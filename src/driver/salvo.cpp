// Saving the game to a file and loading it again.
#include "driver/quelmaro.hpp"

#include <ostream>
#include <sstream>

#include "driver/jogo_salvo.hpp"
#include "driver/notacao.hpp"

namespace quelmaro {

// The file keeps the player's castling flags by the squares of the board seen
// from the computer's side: the king starts on 61 when the player has White
// and on 60 when the player has Black; the rooks start on 57 and 64.
void Quelmaro::save() {
    diz(Mensagem::NomeParaSalvar);
    const std::string nome = console_.linha();

    JogoSalvo jogo;
    jogo.tabuleiro = tabuleiro;
    jogo.lance_do_jogo = motor.lance_do_jogo;
    jogo.lances_da_pessoa = lances_da_pessoa;
    jogo.ultimo_lance = ultimo_lance;
    const DireitosDeRoque& d = roque[cor_do_jogador()];
    const bool brancas = jogador_tem_brancas();
    jogo.rei_saiu_60 = !brancas && d.rei_saiu;
    jogo.rei_saiu_61 = brancas && d.rei_saiu;
    jogo.torre_saiu_57 = brancas ? d.torre_a_saiu : d.torre_h_saiu;
    jogo.torre_saiu_64 = brancas ? d.torre_h_saiu : d.torre_a_saiu;
    jogo.ja_rocou = d.ja_rocou;
    jogo.tabuleironormal = tabuleironormal;
    jogo.ingles = motor.ingles;

    std::ostringstream texto;
    escreve_jogo_salvo(texto, jogo);
    if (!arquivos_.grava(nome, texto.str())) diz(Mensagem::NaoSalvou);
}

void Quelmaro::open() {
    diz(Mensagem::NomeParaAbrir);
    const std::string nome = console_.linha();
    std::optional<JogoSalvo> jogo;
    const std::optional<std::string> conteudo = arquivos_.le(nome);
    if (conteudo) {
        std::istringstream entrada(*conteudo);
        jogo = le_jogo_salvo(entrada);
    }
    if (!jogo) {
        // Else a FEN or a PGN game, which goes on from its last position.
        std::optional<xadrez::Partida> partida;
        if (conteudo) partida = xadrez::le_partida(*conteudo);
        if (!partida) return diz(Mensagem::NaoCarregou);
        return instala_partida(*partida);
    }

    tabuleiro = jogo->tabuleiro;
    motor.lance_do_jogo = jogo->lance_do_jogo;
    lances_da_pessoa = jogo->lances_da_pessoa;
    ultimo_lance = jogo->ultimo_lance;
    tabuleironormal = jogo->tabuleironormal;
    motor.ingles = jogo->ingles;
    resposta = jogo->resposta();
    vez_das_brancas = jogador_tem_brancas();
    casa_en_passant = 0;
    historico.clear();

    const bool brancas = jogador_tem_brancas();
    const Cor cor = cor_do_jogador();
    roque[cor] = {.rei_saiu = brancas ? jogo->rei_saiu_61 : jogo->rei_saiu_60,
                  .torre_a_saiu = brancas ? jogo->torre_saiu_57 : jogo->torre_saiu_64,
                  .torre_h_saiu = brancas ? jogo->torre_saiu_64 : jogo->torre_saiu_57,
                  .ja_rocou = jogo->ja_rocou};
    // The computer's colour: a king or rook away from its home square has moved.
    const char fila = brancas ? '8' : '1';
    const auto em_casa = [&](char coluna, int codigo) {
        return tabuleiro[lparanumero(coluna, fila, resposta)] == codigo;
    };
    roque[1 - cor] = {.rei_saiu = !em_casa('e', REI),
                      .torre_a_saiu = !em_casa('a', TORRE),
                      .torre_h_saiu = !em_casa('h', TORRE)};
    // Each side has made about half of the moves counted.
    fen_inicial = pgn::fen(tabuleiro, resposta, vez_das_brancas, roques(),
                           1 + (motor.lance_do_jogo + lances_da_pessoa) / 2);

    poe(Mensagem::MeuUltimoLance);
    for (char c : ultimo_lance) saida() << (c == '&' ? 'e' : c);
    saida() << '\n';
}

} // namespace quelmaro
