#include "driver/explicacao.hpp"

#include <bit>
#include <sstream>

#include "chess/pgn_leitura.hpp"
#include "chess/san.hpp"
#include "chess/tabuleiro_xadrez.hpp"
#include "driver/jogo_salvo.hpp"
#include "driver/mensagens.hpp"
#include "driver/notacao.hpp"
#include "driver/posicao_inicial.hpp"

namespace quelmaro {
namespace {

// Which square a feature's line can name from the board and the move alone.
enum class Onde {
    nenhuma,    // none: it would take the replies again to tell
    destino,    // the move's to-square
    minha_peca, // my one piece of `codigo` after the move, when I have exactly one
    promocao,   // the to-square of a pawn that reaches the last row
};

struct Palavras {
    Marcas marca;
    Onde onde;
    int codigo;
    // "{}" is where " on e5" goes, or nothing.
    std::string_view ingles, portugues;
};

// One row per feature table, in the order of their bits.
// clang-format off
constexpr Palavras PALAVRAS[NUMERO_DE_MARCAS] = {
    {jogada_pegap,           Onde::destino,    0,      "It takes your pawn{}.",                          "Toma seu peao{}."},
    {jogada_pegab,           Onde::destino,    0,      "It takes your bishop{}.",                        "Toma seu bispo{}."},
    {jogada_pegac,           Onde::destino,    0,      "It takes your knight{}.",                        "Toma seu cavalo{}."},
    {jogada_pegat,           Onde::destino,    0,      "It takes your rook{}.",                          "Toma sua torre{}."},
    {jogada_pegad,           Onde::destino,    0,      "It takes your queen{}.",                         "Toma sua dama{}."},
    {jogada_perdep,          Onde::minha_peca, PEAO,   "A reply of yours wins my pawn{}, and nothing of mine retakes.",
                                                       "Uma resposta sua ganha meu peao{}, e nada meu retoma."},
    {jogada_perdeb,          Onde::minha_peca, BISPO,  "A reply of yours wins my bishop{}.",             "Uma resposta sua ganha meu bispo{}."},
    {jogada_perdec,          Onde::minha_peca, CAVALO, "A reply of yours wins my knight{}.",             "Uma resposta sua ganha meu cavalo{}."},
    {jogada_perdet,          Onde::minha_peca, TORRE,  "A reply of yours wins my rook{}.",               "Uma resposta sua ganha minha torre{}."},
    {jogada_perded,          Onde::minha_peca, DAMA,   "A reply of yours wins my queen{}.",              "Uma resposta sua ganha minha dama{}."},
    {jogada_perder,          Onde::minha_peca, REI,    "A reply of yours takes my king{}.",              "Uma resposta sua toma meu rei{}."},
    {jogada_ameacab,         Onde::nenhuma,    0,      "A follow-up of mine threatens your bishop{}.",   "Um lance meu seguinte ameaca seu bispo{}."},
    {jogada_ameacac,         Onde::nenhuma,    0,      "A follow-up of mine threatens your knight{}.",   "Um lance meu seguinte ameaca seu cavalo{}."},
    {jogada_ameacat,         Onde::nenhuma,    0,      "A follow-up of mine threatens your rook{}.",     "Um lance meu seguinte ameaca sua torre{}."},
    {jogada_ameacad,         Onde::nenhuma,    0,      "A follow-up of mine threatens your queen{}.",    "Um lance meu seguinte ameaca sua dama{}."},
    {jogada_ameacar,         Onde::nenhuma,    0,      "A follow-up of mine threatens your king{}.",     "Um lance meu seguinte ameaca seu rei{}."},
    {jogada_promove_maquina, Onde::promocao,   0,      "My pawn reaches its last row{}.",                "Meu peao chega a ultima fileira{}."},
    {jogada_promove_humano,  Onde::nenhuma,    0,      "A reply of yours brings a pawn to its last row{}.",
                                                       "Uma resposta sua leva um peao a ultima fileira{}."},
    {expoem_a_xeque,         Onde::nenhuma,    0,      "A reply of yours checks me{}.",                  "Uma resposta sua me da xeque{}."},
    {exequemate,             Onde::nenhuma,    0,      "A reply of yours mates me{}.",                   "Uma resposta sua me da mate{}."},
    {mataele2,               Onde::nenhuma,    0,      "It mates you{}.",                                "Te da xeque-mate{}."},
    {alinha,                 Onde::nenhuma,    0,      "It leaves my queen and king on one open line{}.",
                                                       "Deixa minha dama e meu rei numa linha aberta{}."},
};
// clang-format on

constexpr bool na_ordem_dos_bits() {
    for (int i = 0; i < NUMERO_DE_MARCAS; ++i)
        if (PALAVRAS[i].marca != Marcas{1} << i) return false;
    return true;
}
static_assert(na_ordem_dos_bits());

// The square a feature's line names, or 0.
int casa_da_marca(const Palavras& p, const Tabuleiro& antes, Jogada j) {
    switch (p.onde) {
    case Onde::nenhuma: return 0;
    case Onde::destino: return j.para;
    case Onde::promocao: return antes[j.de] == PEAO && linha(j.para) == 8 ? j.para : 0;
    case Onde::minha_peca: {
        Tabuleiro depois = antes;
        depois.poe(j.para, antes[j.de]);
        depois.poe(j.de, VAZIO);
        const Casas casas = depois.com_codigo(p.codigo);
        return std::popcount(casas) == 1 ? menor_casa(casas) : 0;
    }
    }
    return 0;
}

int candidato(const Analise& a, Jogada j) {
    for (std::size_t i = 0; i < a.candidatos.size(); ++i)
        if (a.candidatos[i].de == j.de && a.candidatos[i].para == j.para)
            return static_cast<int>(i);
    return -1;
}

Jogada jogada(const Candidato& c) { return {c.de, c.para}; }

bool letra(char c) { return (c >= 'a' && c <= 'h') || (c >= 'A' && c <= 'H'); }
bool digito(char c) { return c >= '1' && c <= '8'; }

} // namespace

Analise analise_do_passe(const Quelmaro2& motor, const Tabuleiro& tabuleiro, char resposta) {
    const std::span<const Candidato> c = motor.candidatos();
    Analise a{tabuleiro,
              resposta,
              {c.begin(), c.end()},
              {motor.soma0l, motor.perigo_empate, motor.lance_do_jogo, motor.numero_b_inimigo},
              motor.regra,
              motor.abertura,
              -1};
    if (motor.cc != 0 && motor.dd != 0) a.escolhido = candidato(a, {motor.cc, motor.dd});
    return a;
}

namespace {

// The analysed board as a chess position with the computer to move. The
// engine never castles nor takes in passing, so the rights are left out.
xadrez::Posicao posicao_da_analise(const Analise& a) {
    const bool maquina_brancas = computador_tem_brancas(a.resposta);
    return xadrez::do_tabuleiro(a.tabuleiro, maquina_brancas, maquina_brancas, {});
}

xadrez::LeituraSan san_da_palavra(std::string_view palavra, const Analise& a, bool ingles) {
    return xadrez::le_san(posicao_da_analise(a), palavra,
                          ingles ? xadrez::INGLES : xadrez::PORTUGUES);
}

} // namespace

std::optional<Jogada> jogada_da_palavra(std::string_view p, const Analise& analise, bool ingles) {
    // Coordinates, with '-' or 'x' between the squares or nothing.
    if (p.size() == 5 && (p[2] == '-' || p[2] == 'x')) {
        const char s[4] = {p[0], p[1], p[3], p[4]};
        return jogada_da_palavra(std::string_view(s, 4), analise, ingles);
    }
    if (p.size() == 4 && letra(p[0]) && digito(p[1]) && letra(p[2]) && digito(p[3]))
        return Jogada{lparanumero(p[0], p[1], analise.resposta),
                      lparanumero(p[2], p[3], analise.resposta)};
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
    const bool maquina_brancas = computador_tem_brancas(analise.resposta);
    return Jogada{xadrez::casa_do_tabuleiro(m.de, maquina_brancas),
                  xadrez::casa_do_tabuleiro(m.para, maquina_brancas)};
}

std::string coordenadas(Jogada j, char resposta) {
    return nparaletra(j.de, resposta) + nparaletra(j.para, resposta);
}

std::string_view nome_curto(int marca) {
    std::string_view nome = NOMES_DAS_MARCAS[marca];
    if (nome.starts_with("jogada_")) nome.remove_prefix(7);
    return nome;
}

void explica_lance(std::ostream& saida, const Analise& a, std::string_view palavra, bool ingles) {
    const auto diz = [&](Mensagem m, std::initializer_list<std::string_view> valores) {
        saida << preenche(texto(m, ingles), valores) << '\n';
    };
    const std::optional<Jogada> j = jogada_da_palavra(palavra, a, ingles);
    if (!j) {
        // Well-formed SAN that names no move of the computer's there.
        if (san_da_palavra(palavra, a, ingles).resultado == xadrez::LeituraSan::nenhum)
            return diz(Mensagem::NaoEraCandidato, {palavra});
        return diz(Mensagem::NaoELance, {palavra});
    }
    const int i = candidato(a, *j);
    const std::string lance = coordenadas(*j, a.resposta);
    if (i < 0) return diz(Mensagem::NaoEraCandidato, {lance});

    // What the pass saw in the move.
    const Candidato& c = a.candidatos[i];
    for (const Palavras& p : PALAVRAS) {
        if (!(c.marcas & p.marca)) continue;
        const int casa = casa_da_marca(p, a.tabuleiro, *j);
        const std::string onde =
            casa ? preenche(texto(Mensagem::NaCasa, ingles), {nparaletra(casa, a.resposta)}) : "";
        saida << preenche(ingles ? p.ingles : p.portugues, {onde}) << '\n';
    }
    if (c.marcas == 0) diz(Mensagem::SemMarcas, {});

    // The rule it meets against the choice.
    const int n = regra_cumprida(c, a.contexto);
    const std::string numero = std::to_string(n), da_escolha = std::to_string(a.regra);
    const std::string escolhido =
        a.escolhido < 0 ? "" : coordenadas(jogada(a.candidatos[a.escolhido]), a.resposta);
    if (a.regra == 0) { // a fixed opening move was played
        if (i == a.escolhido) return diz(Mensagem::PorqueAbertura, {});
        if (n == 0) return diz(Mensagem::PorqueNenhuma, {});
        return diz(Mensagem::PorqueAntesDaAbertura, {numero, lance, escolhido});
    }
    if (n == 0) return diz(Mensagem::PorqueNenhuma, {});
    if (i == a.escolhido) return diz(Mensagem::PorqueEscolheu, {da_escolha});
    if (n == a.regra) return diz(Mensagem::PorqueTambem, {numero});
    diz(Mensagem::PorqueOutraRegra, {numero, lance, da_escolha, escolhido});
}

void tabela_da_analise(std::ostream& saida, const Analise& a, bool ingles) {
    for (const Candidato& c : a.candidatos) {
        saida << coordenadas(jogada(c), a.resposta) << "  ";
        if (c.marcas == 0) saida << '-';
        bool primeira = true;
        for (int b = 0; b < NUMERO_DE_MARCAS; ++b)
            if (c.marcas & (Marcas{1} << b)) {
                saida << (primeira ? "" : " ") << nome_curto(b);
                primeira = false;
            }
        saida << "  rule ";
        if (const int n = regra_cumprida(c, a.contexto))
            saida << n << '\n';
        else
            saida << "-\n";
    }
    saida << descricao(a.regra, a.abertura, ingles) << '\n';
    if (a.escolhido < 0)
        saida << "chosen none\n";
    else
        saida << "chosen " << coordenadas(jogada(a.candidatos[a.escolhido]), a.resposta) << " rule "
              << a.regra << '\n';
}

std::optional<PosicaoParaExplicar> posicao_para_explicar(const std::string& conteudo) {
    std::istringstream entrada(conteudo);
    if (const std::optional<JogoSalvo> jogo = le_jogo_salvo(entrada))
        return PosicaoParaExplicar{jogo->tabuleiro, jogo->resposta(), jogo->lance_do_jogo};
    // A FEN or a PGN game: the computer plays the side to move at its end.
    const std::optional<xadrez::Partida> partida = xadrez::le_partida(conteudo);
    if (!partida) return std::nullopt;
    const xadrez::Posicao x = xadrez::posicao_final(*partida);
    PosicaoParaExplicar p;
    xadrez::para_tabuleiro(x, x.brancas_a_mover, p.tabuleiro);
    p.resposta = x.brancas_a_mover ? 'n' : 's';
    p.lance_do_jogo = lances_feitos(x, x.brancas_a_mover);
    return p;
}

Analise analisa_posicao(const PosicaoParaExplicar& posicao) {
    Tabuleiro t = posicao.tabuleiro;
    Quelmaro2 motor(t);
    motor.lance_do_jogo = posicao.lance_do_jogo;
    motor.numero_de_meu_movimento = 2; // the fixed opening moves are behind
    motor.contagem_empate = 0;
    motor.passe();
    return analise_do_passe(motor, t, posicao.resposta);
}

int explica_arquivo(Arquivos& arquivos, const std::string& nome, const char* programa, bool ingles,
                    std::ostream& saida, std::ostream& erro) {
    std::optional<PosicaoParaExplicar> posicao;
    if (const std::optional<std::string> conteudo = arquivos.le(nome))
        posicao = posicao_para_explicar(*conteudo);
    if (!posicao) {
        erro << preenche(texto(Mensagem::NaoCarregouParaExplicar, ingles), {programa, nome})
             << '\n';
        return 2;
    }
    tabela_da_analise(saida, analisa_posicao(*posicao), ingles);
    return 0;
}

} // namespace quelmaro
