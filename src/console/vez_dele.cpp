// The player's turn at the console: reading moves and commands, the checks
// of the player's move, and the console's own commands.
#include <algorithm>
#include <cctype>
#include <ostream>

#include "console/dialogo.hpp"
#include "game/notacao.hpp"
#include "game/pgn.hpp"
#include "io/hoje.hpp"
#include "text/explicacao.hpp"

namespace quelmaro {

struct Dialogo::Comando {
    std::string_view palavra; // compared with the start of the line, blanks included
    void (Dialogo::*executa)(const Traducao&);
    // Answered as the line is read: the turn goes on reading ("draw").
    bool ao_ler;
    // Its lines in "help", English and Portuguese.
    std::string_view ajuda_ingles, ajuda_portugues;
};

// +-------------------------------------------------------------------------+
// | The console's own commands at the move prompt, besides the game's words  |
// | (turn, save, open, new, play, castling, quit), in the order "help"      |
// | lists them:                                                             |
// |   draw        a claimed draw (threefold repetition, fifty moves) ends   |
// |               the game; else "offer draw" when the computer is not      |
// |               ahead after ten moves                                     |
// |   help        the ways to type moves, and every command                 |
// |   why [MOVE]  the rule that chose the computer's last move; what it saw  |
// |               in MOVE                                                   |
// |   hint        the move the computer would play in the player's place,   |
// |               in SAN and in coordinates                                 |
// |   undo        takes back the player's last move and the answer to it     |
// |   pgn         writes the game to a PGN file                             |
// |   moves       the game's moves in SAN                                   |
// +-------------------------------------------------------------------------+
// clang-format off
const Dialogo::Comando Dialogo::COMANDOS[] = {
    {"draw", &Dialogo::empate, true,
     "  draw            claim a draw (threefold repetition, 50 moves), or offer one",
     "  draw            reclama empate (repetição tripla, 50 movimentos) ou propõe um"},
    {"help ", &Dialogo::ajuda, false,
     "  help            list the commands",
     "  help            mostra os comandos"},
    {"why ", &Dialogo::porque, false,
     "  why             tell which rule chose the computer's last move\n"
     "  why MOVE        tell what I saw in MOVE when I chose my last move",
     "  why             diz qual regra escolheu o último movimento do computador\n"
     "  why MOVIMENTO   diz o que vi em MOVIMENTO ao escolher meu último movimento"},
    {"hint ", &Dialogo::sugere, false,
     "  hint            suggest a move for you, in SAN and in coordinates",
     "  hint            sugere um movimento para você, em SAN e em coordenadas"},
    {"undo", &Dialogo::desfaz_rodada, false,
     "  undo            take back your last move and the computer's answer",
     "  undo            desfaz seu último movimento e a resposta do computador"},
    {"pgn ", &Dialogo::grava_pgn, false,
     "  pgn             write the whole game to a PGN file",
     "  pgn             grava a partida inteira num arquivo PGN"},
    {"moves ", &Dialogo::mostra_lances, false,
     "  moves           show the moves of the game",
     "  moves           mostra os movimentos da partida"},
};
// clang-format on

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

// The numbered moves in lines of at most `largura` columns, broken between
// moves only: a move number stays with the move after it.
std::string entre_lances(std::string_view lances, std::size_t largura) {
    std::string s, linha;
    const auto poe = [&](std::string_view pedaco) {
        if (!linha.empty() && colunas(linha) + 1 + colunas(pedaco) > largura) {
            (s += linha) += '\n';
            linha.clear();
        }
        if (!linha.empty()) linha += ' ';
        linha += pedaco;
    };
    for (std::size_t i = 0; i < lances.size();) {
        // A word, and the next one with it when it is a move number ("12." "12...").
        std::size_t fim = std::min(lances.find(' ', i), lances.size());
        if (fim > i && lances[fim - 1] == '.' && fim < lances.size())
            fim = std::min(lances.find(' ', fim + 1), lances.size());
        poe(lances.substr(i, fim - i));
        i = fim + 1;
    }
    return s + linha;
}

// The piece a letter typed right after a move in coordinates names
// ("a7a8q", "a7-a8q"), as SAN names it: the English letters, and in a
// Portuguese game its own too ("a7a8d"). 0 when the line is no such move.
char promocao_por_letra(std::string_view linha, bool ingles) {
    constexpr std::string_view INGLESAS = "qnbr", PORTUGUESAS = "dcbt", PECAS = "QNBR";
    const std::size_t p = linha.size() > 2 && (linha[2] == '-' || linha[2] == 'x') ? 5 : 4;
    if (linha.size() <= p || (linha.size() > p + 1 && linha[p + 1] != ' ')) return 0;
    const char c = static_cast<char>(std::tolower(static_cast<unsigned char>(linha[p])));
    if (const std::size_t i = INGLESAS.find(c); i != std::string_view::npos) return PECAS[i];
    if (const std::size_t i = PORTUGUESAS.find(c); !ingles && i != std::string_view::npos)
        return PECAS[i];
    return 0;
}

// A move in coordinates with its promotion letter in the game's language:
// "a7a8q" in English, "a7a8d" in Portuguese.
std::string coordenadas_na_lingua(std::string lance, bool ingles) {
    constexpr std::string_view INGLESAS = "qnbr", PORTUGUESAS = "dcbt";
    if (!ingles && lance.size() == 5)
        if (const std::size_t i = INGLESAS.find(lance[4]); i != std::string_view::npos)
            lance[4] = PORTUGUESAS[i];
    return lance;
}

} // namespace

void Dialogo::executa(const Traducao& t) {
    const Comando& c = COMANDOS[t.comando];
    (this->*c.executa)(t);
}

std::string Dialogo::ajuda(bool ingles) {
    std::string s(texto(Mensagem::Ajuda, ingles));
    for (const Comando& c : COMANDOS) (s += '\n') += ingles ? c.ajuda_ingles : c.ajuda_portugues;
    ((s += '\n') += texto(Mensagem::AjudaFim, ingles)) += '\n';
    ((s += texto(Mensagem::AjudaNotas, ingles)) += '\n') += texto(Mensagem::AjudaSan, ingles);
    return s;
}

bool Dialogo::le_lance() {
    for (;;) {
        promocao_san_ = 0;
        const std::string linha = console_.pedaco(TAMANHO_DA_LINHA);
        lido_ = traduz(linha, COMANDOS);
        lance_ = lance_do_jogador(lido_);
        if (lido_.tipo == Traducao::Tipo::lance)
            promocao_san_ = promocao_por_letra(linha, exibicao_.ingles);
        if (lido_.tipo == Traducao::Tipo::comando && COMANDOS[lido_.comando].ao_ler) {
            executa(lido_);
            continue;
        }
        if (lido_.tipo == Traducao::Tipo::nada) {
            // A word that no other form takes may be SAN.
            const std::string_view palavra = std::string_view(linha).substr(0, linha.find(' '));
            if (palavra.empty() || !lance_san(palavra)) continue;
        }
        if (lido_.e(Palavra::sair)) return false;
        break;
    }
    return true;
}

void Dialogo::abre_partida() {
    // The game left for another is recorded as it was.
    const std::string antes =
        opcoes_.registro.empty() || !por_registrar_ ? "" : pgn_do_jogo(jogo_, hoje());
    Termino dado = Termino::nenhum;
    const bool aberto = abre_jogo(console_, arquivos_, jogo_, exibicao_, &dado) != Aberto::nada;
    if (aberto) {
        registra_partida(antes);
        por_registrar_ = false;
    }
    escreve_tabuleiro();
    // A game that is over by the rules of chess, or by the result its file
    // gives it, loads as it ended.
    const Termino fim =
        jogo_.fim_pelas_regras() != Termino::nenhum ? jogo_.fim_pelas_regras() : dado;
    if (aberto && fim != Termino::nenhum) {
        jogo_.encerra(fim);
        anuncia_fim();
    }
}

bool Dialogo::palavras_no_lugar() {
    for (;;) {
        if (lido_.e(Palavra::virar)) {
            exibicao_.maquina_no_alto = !exibicao_.maquina_no_alto;
            escreve_tabuleiro();
            pede_lance();
            if (!le_lance()) return false;
        }
        if (lido_.e(Palavra::salvar)) {
            grava_jogo(console_, arquivos_, jogo_, exibicao_);
            pede_lance();
            if (!le_lance()) return false;
        }
        if (lido_.e(Palavra::abrir)) {
            abre_partida();
            pede_lance();
            if (!le_lance()) return false;
        }
        if (!lido_.e(Palavra::virar) && !lido_.e(Palavra::salvar) && !lido_.e(Palavra::abrir))
            return true;
        escreve_tabuleiro();
    }
}

bool Dialogo::pos_lance_dele() {
    for (;;) {
        if (!le_lance() || !palavras_no_lugar()) return false;
        if (lido_.tipo == Traducao::Tipo::comando) {
            executa(lido_);
            continue;
        }
        if (lido_.e(Palavra::jogar)) {
            // The computer takes the side to move; a game over has none.
            if (jogo_.acabou()) {
                pede_lance();
                continue;
            }
            if (jogo_.estado().vez_do_jogador()) {
                jogo_.vira_tabuleiro();
                jogo_.promove_peoes_dele([this] { return promocao(); });
            }
            return true;
        }
        if (lido_.e(Palavra::nova)) {
            novo_jogo();
            if (jogo_.estado().jogador_tem_brancas()) continue;
            return true;
        }
        if (jogo_.acabou()) {
            pede_lance();
            continue;
        }
        if (!jogo_.lance_dele(lance_, [this] { return promocao(); })) {
            diz(Mensagem::LanceRecusado);
            continue;
        }
        por_registrar_ = true;
        escreve_tabuleiro();
        if (fim_por_material()) {
            pede_lance();
            continue;
        }
        return true;
    }
}

xadrez::LeituraSan Dialogo::le_palavra_san(std::string_view palavra) const {
    if (roque_de_outra_forma(palavra)) return {};
    return xadrez::le_san(jogo_.estado().posicao(), palavra, letras(exibicao_.ingles));
}

bool Dialogo::lance_san(std::string_view palavra) {
    using xadrez::LeituraSan;
    const LeituraSan lido = le_palavra_san(palavra);
    if (lido.resultado == LeituraSan::ilegivel) return false;
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
        if (jogo_.acabou())
            pede_lance();
        else
            diz(Mensagem::LanceRecusado);
        return false;
    } else if (lido.resultado != LeituraSan::um) {
        const xadrez::Posicao x = jogo_.estado().posicao();
        poe(Mensagem::LanceAmbiguo);
        for (int i = 0; i < c.size(); ++i) {
            if (i > 0)
                saida() << (i + 1 == c.size() ? texto(Mensagem::OuAinda, exibicao_.ingles) : ", ");
            saida() << xadrez::escreve_san(x, c.lances[i], letras(exibicao_.ingles));
        }
        saida() << "?\n";
        pede_lance();
        return false;
    } else if (!nomeia_a_peca(palavra)) {
        m.promocao = 0;
    }
    // The move read goes on in chess squares, as the SAN reader gave it.
    lido_.tipo = Traducao::Tipo::lance;
    lance_ = {m.de, m.para};
    promocao_san_ = m.promocao;
    return true;
}

// --- The console's commands ---

// A draw the rules give the player the right to claim ends the game; else
// the player's offer of one: agreed when the computer would offer a draw
// itself (it is not ahead after more than ten of its moves), else declined.
void Dialogo::empate(const Traducao&) {
    if (jogo_.acabou()) return pede_lance();
    Termino t = jogo_.empate_reclamavel();
    if (t == Termino::nenhum && jogo_.oferece_empate()) t = Termino::empate_acordado;
    if (t == Termino::nenhum) {
        diz(Mensagem::EmpateRecusado);
        return pede_lance();
    }
    jogo_.encerra(t);
    por_registrar_ = true; // a game loaded and drawn here has ended here
    anuncia_fim();
    pede_lance();
}

bool Dialogo::sem_escolha(const Analise& a) {
    return a.escolhido < 0 && !a.fora_das_regras && a.regra == 0 && a.abertura == Abertura::nenhuma;
}

void Dialogo::ajuda(const Traducao&) {
    saida() << ajuda(exibicao_.ingles) << '\n';
    pede_lance();
}

void Dialogo::porque(const Traducao& t) {
    const auto& h = jogo_.historico();
    const auto meu =
        std::find_if(h.rbegin(), h.rend(), [](const Lembranca& l) { return l.da_maquina; });
    if (meu == h.rend() || sem_escolha(meu->analise))
        diz(Mensagem::NadaAExplicar);
    else if (!t.argumento.empty())
        saida() << explica_lance(meu->analise, t.argumento, exibicao_.ingles);
    else
        saida() << explica_escolha(meu->analise, exibicao_.ingles);
    pede_lance();
}

// The move in SAN, then in coordinates: "Bb5+ (f1b5)". After the end of
// the game there is nothing to suggest; with the computer's colour to move
// (after "play" has found no move) neither.
void Dialogo::sugere(const Traducao&) {
    if (jogo_.acabou()) return pede_lance();
    if (!jogo_.estado().vez_do_jogador()) return;
    if (const std::optional<Pensamento> s = jogo_.analisa_a_vez()) {
        poe(Mensagem::SugestaoEmSan);
        const xadrez::Posicao x = jogo_.estado().posicao();
        const std::optional<xadrez::Movimento> m = xadrez::le_coordenadas(s->lance);
        if (m && xadrez::legal(x, *m))
            saida() << xadrez::escreve_san(x, *m, letras(exibicao_.ingles)) << " ("
                    << coordenadas_na_lingua(s->lance, exibicao_.ingles) << ")\n";
        else
            saida() << s->lance << '\n';
    } else {
        diz(Mensagem::SemLanceSeu);
    }
    pede_lance();
}

void Dialogo::desfaz_rodada(const Traducao&) {
    const auto& h = jogo_.historico();
    const auto dele =
        std::find_if(h.rbegin(), h.rend(), [](const Lembranca& l) { return !l.da_maquina; });
    if (dele == h.rend()) {
        diz(Mensagem::NadaADesfazer);
    } else {
        jogo_.desfaz(static_cast<int>(dele - h.rbegin()) + 1);
        escreve_tabuleiro();
    }
    pede_lance();
}

void Dialogo::grava_pgn(const Traducao&) {
    quelmaro::grava_pgn(console_, arquivos_, jogo_, exibicao_.ingles);
    pede_lance();
}

void Dialogo::mostra_lances(const Traducao&) {
    if (!jogo_.fen_inicial().empty()) {
        poe(Mensagem::PosicaoDeInicio);
        saida() << jogo_.fen_inicial() << '\n';
    }
    const xadrez::Partida partida = jogo_.partida();
    if (partida.lances.empty())
        diz(Mensagem::NenhumLanceAinda);
    else
        saida() << entre_lances(xadrez::lances_numerados(partida, letras(exibicao_.ingles)),
                                std::max(console_.largura(), LARGURA_MINIMA) - 1)
                << '\n';
    pede_lance();
}

} // namespace quelmaro
