#include "text/explicacao.hpp"

#include <algorithm>
#include <bit>
#include <sstream>
#include <vector>

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
    // The feature's words in the --explain table, English and Portuguese.
    std::string_view curto_ingles, curto_portugues;
    // Its sentence in "why MOVE" and in the table's legend; "{}" is where
    // " on e5" goes, or nothing.
    std::string_view ingles, portugues;
};

// One row per feature table, in the order of their bits.
// clang-format off
constexpr Palavras PALAVRAS[NUMERO_DE_MARCAS] = {
    {jogada_pegap,           Onde::destino,    0,      "takes pawn",         "captura peão",
     "It takes your pawn{}.",                          "Captura seu peão{}."},
    {jogada_pegab,           Onde::destino,    0,      "takes bishop",       "captura bispo",
     "It takes your bishop{}.",                        "Captura seu bispo{}."},
    {jogada_pegac,           Onde::destino,    0,      "takes knight",       "captura cavalo",
     "It takes your knight{}.",                        "Captura seu cavalo{}."},
    {jogada_pegat,           Onde::destino,    0,      "takes rook",         "captura torre",
     "It takes your rook{}.",                          "Captura sua torre{}."},
    {jogada_pegad,           Onde::destino,    0,      "takes queen",        "captura dama",
     "It takes your queen{}.",                         "Captura sua dama{}."},
    {jogada_perdep,          Onde::minha_peca, PEAO,   "reply takes pawn",   "resposta captura peão",
     "A reply of yours wins my pawn{}, and nothing of mine retakes.",
     "Uma resposta sua ganha meu peão{}, e nenhuma peça minha o retoma."},
    {jogada_perdeb,          Onde::minha_peca, BISPO,  "reply takes bishop", "resposta captura bispo",
     "A reply of yours wins my bishop{}.",             "Uma resposta sua ganha meu bispo{}."},
    {jogada_perdec,          Onde::minha_peca, CAVALO, "reply takes knight", "resposta captura cavalo",
     "A reply of yours wins my knight{}.",             "Uma resposta sua ganha meu cavalo{}."},
    {jogada_perdet,          Onde::minha_peca, TORRE,  "reply takes rook",   "resposta captura torre",
     "A reply of yours wins my rook{}.",               "Uma resposta sua ganha minha torre{}."},
    {jogada_perded,          Onde::minha_peca, DAMA,   "reply takes queen",  "resposta captura dama",
     "A reply of yours wins my queen{}.",              "Uma resposta sua ganha minha dama{}."},
    {jogada_perder,          Onde::minha_peca, REI,    "reply takes king",   "resposta captura rei",
     "A reply of yours takes my king{}.",              "Uma resposta sua captura meu rei{}."},
    {jogada_ameacab,         Onde::nenhuma,    0,      "threatens bishop",   "ameaça bispo",
     "A follow-up of mine threatens your bishop{}.",   "Um lance meu em seguida ameaça seu bispo{}."},
    {jogada_ameacac,         Onde::nenhuma,    0,      "threatens knight",   "ameaça cavalo",
     "A follow-up of mine threatens your knight{}.",   "Um lance meu em seguida ameaça seu cavalo{}."},
    {jogada_ameacat,         Onde::nenhuma,    0,      "threatens rook",     "ameaça torre",
     "A follow-up of mine threatens your rook{}.",     "Um lance meu em seguida ameaça sua torre{}."},
    {jogada_ameacad,         Onde::nenhuma,    0,      "threatens queen",    "ameaça dama",
     "A follow-up of mine threatens your queen{}.",    "Um lance meu em seguida ameaça sua dama{}."},
    {jogada_ameacar,         Onde::nenhuma,    0,      "reply exposes your king", "resposta expõe seu rei",
     "After it, some move of yours with a piece other than your king would leave your king in check: a follow-up of mine could take it{}.",
     "Depois dele, algum lance seu com uma peça que não o rei deixaria seu rei em xeque: um lance meu em seguida poderia capturá-lo{}."},
    {jogada_promove_maquina, Onde::promocao,   0,      "promotes",           "promove",
     "My pawn reaches its last row{} (promotion).",    "Meu peão chega à última fileira{} (promoção)."},
    {jogada_promove_humano,  Onde::nenhuma,    0,      "reply promotes",     "resposta promove",
     "A reply of yours brings a pawn to its last row{}.",
     "Uma resposta sua leva um peão à última fileira{}."},
    {expoem_a_xeque,         Onde::nenhuma,    0,      "reply checks",       "resposta dá xeque",
     "A reply of yours checks me{}.",                  "Uma resposta sua me dá xeque{}."},
    {resposta_da_mate,             Onde::nenhuma,    0,      "reply mates",        "resposta dá mate",
     "A reply of yours mates me{}.",                   "Uma resposta sua me dá xeque-mate{}."},
    {lance_da_mate,               Onde::nenhuma,    0,      "mates",              "dá mate",
     "It mates you{}.",                                "Este lance dá xeque-mate{}."},
    {alinha,                 Onde::nenhuma,    0,      "queen-king line",    "dama e rei alinhados",
     "It leaves my queen and king on one open line{}.",
     "Deixa minha dama e meu rei numa mesma linha aberta{}."},
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
        const std::string onde = casa ? preenche(texto(Mensagem::NaCasa, ingles),
                                                 {texto_da_casa(casa, a.maquina_tem_brancas)})
                                      : "";
        saida += preenche(ingles ? p.ingles : p.portugues, {onde}) + '\n';
    }
    if (c.marcas == 0) diz(Mensagem::SemMarcas, {});

    // The rule it meets against the choice.
    const int n = regra_cumprida(c, a.contexto);
    const std::string numero = std::to_string(n), da_escolha = std::to_string(a.regra);
    const std::string escolhido =
        a.escolhido < 0 ? ""
                        : coordenadas(jogada(a.candidatos[a.escolhido]), a.maquina_tem_brancas);
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
    if (a.regra != 0)
        s = std::string(texto(Mensagem::Regra, ingles)) + std::to_string(a.regra) + ": ";
    return s + descricao(a.regra, a.abertura, ingles) + '\n';
}

namespace {

// Columns on the screen: one for each character of UTF-8 text.
std::size_t colunas(std::string_view s) {
    std::size_t n = 0;
    for (unsigned char c : s) n += (c & 0xC0) != 0x80;
    return n;
}

std::string ate_a_coluna(std::string s, std::size_t coluna) {
    const std::size_t n = colunas(s);
    if (n < coluna) s.append(coluna - n, ' ');
    return s;
}

// `inicio` (the columns before the text), then `texto` in lines of at most
// `largura` columns, broken at a blank (with `depois`, only at a blank that
// follows one of its characters), the rest from the column where it began.
void linha(std::ostream& o, std::size_t largura, std::string_view inicio, std::string_view texto,
           std::string_view depois = "") {
    const std::size_t recuo = colunas(inicio);
    std::size_t coluna = recuo;
    o << inicio;
    for (std::size_t i = 0; i < texto.size();) {
        // The next piece: up to a blank where the line may break.
        std::size_t fim = texto.find(' ', i);
        while (!depois.empty() && fim != std::string_view::npos &&
               depois.find(texto[fim - 1]) == std::string_view::npos)
            fim = texto.find(' ', fim + 1);
        if (fim == std::string_view::npos) fim = texto.size();
        const std::string_view pedaco = texto.substr(i, fim - i);
        if (i > 0 && coluna + 1 + colunas(pedaco) > largura) {
            o << '\n' << std::string(recuo, ' ');
            coluna = recuo;
        } else if (i > 0) {
            o << ' ';
            ++coluna;
        }
        o << pedaco;
        coluna += colunas(pedaco);
        i = fim + 1;
    }
    o << '\n';
}

// A move that a reply answers by taking my king leaves my king in check.
bool proibido(const Candidato& c) { return (c.marcas & jogada_perder) != 0; }

// The words of the candidate's features, in the order of their bits, "-"
// when it has none.
std::string palavras_da_marca(Marcas marcas, bool ingles) {
    std::string s;
    for (const Palavras& p : PALAVRAS)
        if (marcas & p.marca)
            (s += s.empty() ? "" : ", ") += ingles ? p.curto_ingles : p.curto_portugues;
    return s.empty() ? "-" : s;
}

// The features the table's rows showed, for the legend.
struct MarcasVistas {
    Marcas vistas = 0;
    bool sem_marcas = false;
};

// The table: the move, the rule right-aligned under its heading, the
// features in words (a long list broken after a comma only); no heading when
// there is no move at all. Moves that leave my king where a reply takes it
// are no moves of chess: they are named apart, after the table, their
// features left out.
MarcasVistas tabela_dos_candidatos(std::ostream& saida, const Analise& a, bool ingles,
                                   bool sem_lance, std::size_t largura) {
    const auto t = [&](Mensagem m) { return texto(m, ingles); };
    MarcasVistas r;
    const std::string_view lance = t(Mensagem::ColunaLance), regra = t(Mensagem::ColunaRegra);
    const std::size_t largura_do_lance = std::max<std::size_t>(4, colunas(lance));
    const std::size_t largura_da_regra = std::max<std::size_t>(2, colunas(regra));
    if (!sem_lance)
        saida << ate_a_coluna(std::string(lance), largura_do_lance) << "  " << regra << "  "
              << t(Mensagem::ColunaMarcas) << '\n';
    std::string proibidos;
    for (const Candidato& c : a.candidatos) {
        if (proibido(c)) {
            (proibidos += proibidos.empty() ? "" : " ") +=
                coordenadas(jogada(c), a.maquina_tem_brancas);
            continue;
        }
        const int n = regra_cumprida(c, a.contexto);
        const std::string numero = n ? std::to_string(n) : "-";
        linha(saida, largura,
              ate_a_coluna(coordenadas(jogada(c), a.maquina_tem_brancas), largura_do_lance) + "  " +
                  std::string(largura_da_regra - colunas(numero), ' ') + numero + "  ",
              palavras_da_marca(c.marcas, ingles), ",");
        r.vistas |= c.marcas;
        r.sem_marcas = r.sem_marcas || c.marcas == 0;
    }
    if (!proibidos.empty())
        linha(saida, largura, "", preenche(t(Mensagem::ExplicaProibidos), {proibidos}));
    return r;
}

// The rule that decides, in words, and the move it chooses.
void decisao(std::ostream& saida, const Analise& a, bool ingles, std::size_t largura) {
    const auto t = [&](Mensagem m) { return texto(m, ingles); };
    linha(saida, largura, "", t(Mensagem::RegraDecide));
    std::string regra_escolhida;
    if (a.regra != 0)
        regra_escolhida = std::string(t(Mensagem::Regra)) + std::to_string(a.regra) + ": ";
    linha(saida, largura, "", regra_escolhida + descricao(a.regra, a.abertura, ingles));
    if (a.escolhido < 0)
        saida << t(Mensagem::NenhumEscolhido) << '\n';
    else
        saida << preenche(t(Mensagem::Escolhido),
                          {coordenadas(jogada(a.candidatos[a.escolhido]), a.maquina_tem_brancas),
                           std::to_string(a.regra)})
              << '\n';
}

// The legend: the words the table used.
void legenda(std::ostream& saida, const MarcasVistas& m, bool ingles, std::size_t largura) {
    linha(saida, largura, "", texto(Mensagem::Legenda, ingles));
    std::size_t largura_da_legenda = 1;
    for (const Palavras& p : PALAVRAS)
        if (m.vistas & p.marca)
            largura_da_legenda =
                std::max(largura_da_legenda, colunas(ingles ? p.curto_ingles : p.curto_portugues));
    const auto uma = [&](std::string_view palavras, std::string_view frase) {
        linha(saida, largura, "  " + ate_a_coluna(std::string(palavras), largura_da_legenda) + "  ",
              frase);
    };
    for (const Palavras& p : PALAVRAS)
        if (m.vistas & p.marca)
            uma(ingles ? p.curto_ingles : p.curto_portugues,
                preenche(ingles ? p.ingles : p.portugues, {""}));
    if (m.sem_marcas) uma("-", texto(Mensagem::LegendaSemMarcas, ingles));
}

} // namespace

std::string tabela_da_analise(const Analise& a, bool ingles, bool fora_da_vez,
                              std::size_t largura) {
    const auto t = [&](Mensagem m) { return texto(m, ingles); };
    std::ostringstream saida;
    const std::string_view cor =
        t(a.maquina_tem_brancas ? Mensagem::CorBrancas : Mensagem::CorPretas);
    linha(saida, largura, "",
          preenche(t(fora_da_vez ? Mensagem::ExplicaJogoSalvo : Mensagem::ExplicaPartida), {cor}));
    // No move at all that the rules of chess allow: mate or stalemate, and no table.
    const bool sem_lance =
        !a.fora_das_regras && std::all_of(a.candidatos.begin(), a.candidatos.end(), proibido);
    const MarcasVistas vistas = tabela_dos_candidatos(saida, a, ingles, sem_lance, largura);
    if (sem_lance) {
        const Casas rei = a.tabuleiro.com_codigo(REI);
        const bool xeque = rei && a.tabuleiro.atacantes(menor_casa(rei));
        linha(saida, largura, "", t(xeque ? Mensagem::ExplicaMate : Mensagem::ExplicaAfogado));
    }
    decisao(saida, a, ingles, largura);
    if (vistas.vistas != 0 || vistas.sem_marcas) legenda(saida, vistas, ingles, largura);
    return saida.str();
}

std::string razao(int regra, Abertura abertura, bool fora_das_regras) {
    if (fora_das_regras) return std::string(texto(Mensagem::ForaDasRegras, true));
    std::string r;
    if (regra != 0) r = std::string(texto(Mensagem::Regra, true)) + std::to_string(regra) + ": ";
    return r + descricao_do_protocolo(regra, abertura);
}

namespace {

// Why the rules never weigh a move, by its kind.
struct PorqueSemPeso {
    SemPeso tipo;
    Mensagem mensagem;
};
constexpr PorqueSemPeso SEM_PESO[] = {
    {SemPeso::roque, Mensagem::NaoPesaRoque},
    {SemPeso::en_passant, Mensagem::NaoPesaEnPassant},
    {SemPeso::subpromocao, Mensagem::NaoPesaSubpromocao},
    {SemPeso::passo_duplo, Mensagem::NaoPesaPassoDuplo},
    {SemPeso::lance, Mensagem::NaoPesaLance},
};

} // namespace

std::string razao(const LinhaDoParecer& linha) {
    if (!linha.sem_peso) return razao(linha.regra, linha.abertura, linha.fora_das_regras);
    for (const PorqueSemPeso& p : SEM_PESO)
        if (p.tipo == *linha.sem_peso) return std::string(texto(p.mensagem, true));
    return std::string(texto(Mensagem::NaoPesaLance, true));
}

std::string razao_em_palavras(const Pensamento& p, bool ingles) {
    if (p.fora_das_regras) return std::string(texto(Mensagem::ForaDasRegras, ingles));
    std::string r;
    if (p.regra != 0)
        r = std::string(texto(Mensagem::Regra, ingles)) + std::to_string(p.regra) + ": ";
    return r + descricao(p.regra, p.abertura, ingles);
}

} // namespace quelmaro
