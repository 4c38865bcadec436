#include "text/explicacao.hpp"

#include <bit>
#include <sstream>

#include "game/notacao.hpp"
#include "text/mensagens.hpp"

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

Jogada jogada(const Candidato& c) { return {c.de, c.para}; }

std::string coordenadas(Jogada j, bool maquina_tem_brancas) {
    return quelmaro::coordenadas(j.de, j.para, maquina_tem_brancas);
}

} // namespace

std::string_view nome_curto(int marca) {
    std::string_view nome = NOMES_DAS_MARCAS[marca];
    if (nome.starts_with("jogada_")) nome.remove_prefix(7);
    return nome;
}

std::string explica_lance(const Analise& a, std::string_view palavra, bool ingles) {
    std::string saida;
    const auto diz = [&](Mensagem m, std::initializer_list<std::string_view> valores) {
        saida += preenche(texto(m, ingles), valores) + '\n';
        return saida;
    };
    const std::optional<Jogada> j = jogada_da_palavra(palavra, a, ingles);
    if (!j) {
        // Well-formed SAN that names no move of the computer's there.
        if (san_sem_lance(palavra, a, ingles)) return diz(Mensagem::NaoEraCandidato, {palavra});
        return diz(Mensagem::NaoELance, {palavra});
    }
    const int i = candidato(a, *j);
    const std::string lance = coordenadas(*j, a.maquina_tem_brancas);
    if (i < 0) return diz(Mensagem::NaoEraCandidato, {lance});

    // What the pass saw in the move.
    const Candidato& c = a.candidatos[i];
    for (const Palavras& p : PALAVRAS) {
        if (!(c.marcas & p.marca)) continue;
        const int casa = casa_da_marca(p, a.tabuleiro, *j);
        const std::string onde =
            casa ? preenche(texto(Mensagem::NaCasa, ingles), {nparaletra(casa, a.maquina_tem_brancas)})
                 : "";
        saida += preenche(ingles ? p.ingles : p.portugues, {onde}) + '\n';
    }
    if (c.marcas == 0) diz(Mensagem::SemMarcas, {});

    // The rule it meets against the choice.
    const int n = regra_cumprida(c, a.contexto);
    const std::string numero = std::to_string(n), da_escolha = std::to_string(a.regra);
    const std::string escolhido =
        a.escolhido < 0 ? "" : coordenadas(jogada(a.candidatos[a.escolhido]), a.maquina_tem_brancas);
    if (a.regra == 0) { // a fixed opening move was played
        if (i == a.escolhido) return diz(Mensagem::PorqueAbertura, {});
        if (n == 0) return diz(Mensagem::PorqueNenhuma, {});
        return diz(Mensagem::PorqueAntesDaAbertura, {numero, lance, escolhido});
    }
    if (n == 0) return diz(Mensagem::PorqueNenhuma, {});
    if (i == a.escolhido) return diz(Mensagem::PorqueEscolheu, {da_escolha});
    if (n == a.regra) return diz(Mensagem::PorqueTambem, {numero});
    return diz(Mensagem::PorqueOutraRegra, {numero, lance, da_escolha, escolhido});
}

std::string explica_escolha(const Analise& a, bool ingles) {
    if (a.fora_das_regras) return std::string(texto(Mensagem::ForaDasRegras, ingles)) + '\n';
    std::string s;
    if (a.regra != 0) s = std::string(texto(Mensagem::Regra, ingles)) + std::to_string(a.regra) + ": ";
    return s + descricao(a.regra, a.abertura, ingles) + '\n';
}

std::string tabela_da_analise(const Analise& a, bool ingles) {
    std::ostringstream saida;
    for (const Candidato& c : a.candidatos) {
        saida << coordenadas(jogada(c), a.maquina_tem_brancas) << "  ";
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
        saida << "chosen " << coordenadas(jogada(a.candidatos[a.escolhido]), a.maquina_tem_brancas)
              << " rule " << a.regra << '\n';
    return saida.str();
}

std::string razao(int regra, Abertura abertura, bool fora_das_regras, bool ingles) {
    if (fora_das_regras) return std::string(texto(Mensagem::ForaDasRegras, ingles));
    std::string r;
    if (regra != 0) r = std::string(texto(Mensagem::Regra, ingles)) + std::to_string(regra) + ": ";
    return r + descricao(regra, abertura, ingles);
}

} // namespace quelmaro
