#include "engine/regras.hpp"

#include <algorithm>

namespace quelmaro {
namespace {

constexpr bool sim = true, nao = false;
constexpr Peca qualquer = Peca::qualquer, peao = Peca::peao;
constexpr Condicao nada = Condicao::nada, dois_bispos_e_lance_6 = Condicao::dois_bispos_e_lance_6;
constexpr Bandeira nenhuma = Bandeira::nenhuma, zerar = Bandeira::zerar, somar = Bandeira::somar;

// One row per rule, in the order they are tried. Columns: rule, draw guard,
// piece on the from-square, must be True, must be False (a table inside
// ou_soma0l_positiva(...) is forgiven while soma0l > 0), also required, flag;
// then what the rule does, in English and in Portuguese.
// clang-format off
constexpr std::array<Regra, NUMERO_DE_REGRAS> REGRAS = {{
    // Mate, the queen, promotion.
    { 1, nao, qualquer, mataele2,                        jogada_perder, nada, nenhuma,
      "This move mates you, and no reply of yours takes my king.",
      "Este lance te da xeque-mate, e nenhuma resposta sua toma meu rei."},
    { 2, nao, qualquer, jogada_pegad,                    jogada_perder | ou_soma0l_positiva(jogada_perded) | exequemate | expoem_a_xeque | jogada_promove_humano, nada, zerar,
      "I take your queen; no reply of yours wins my queen (unless I am ahead in material), mates me, checks me or promotes a pawn.",
      "Tomo sua dama; nenhuma resposta sua ganha minha dama (a menos que eu tenha mais material), me da mate, me da xeque ou promove um peao."},
    { 3, nao, qualquer, jogada_pegad,                    jogada_perder | ou_soma0l_positiva(jogada_perded) | exequemate | jogada_promove_humano, nada, zerar,
      "I take your queen; no reply of yours wins my queen (unless I am ahead in material), mates me or promotes a pawn; you may check me.",
      "Tomo sua dama; nenhuma resposta sua ganha minha dama (a menos que eu tenha mais material), me da mate ou promove um peao; voce pode me dar xeque."},
    { 4, nao, qualquer, jogada_promove_maquina,          jogada_perder | ou_soma0l_positiva(jogada_perded) | exequemate | jogada_promove_humano, nada, zerar,
      "My pawn gets to its last row; no reply of yours wins my queen (unless I am ahead in material), mates me or promotes a pawn.",
      "Meu peao chega a ultima fileira; nenhuma resposta sua ganha minha dama (a menos que eu tenha mais material), me da mate ou promove um peao."},
    // Threats to the king.
    { 5, sim, qualquer, jogada_ameacar | jogada_ameacad, todas_as_perdas | exequemate, nada, somar,
      "I threaten your king and your queen; no reply of yours wins anything of mine or mates me.",
      "Ameaco seu rei e sua dama; nenhuma resposta sua ganha algo meu ou me da mate."},
    { 6, sim, qualquer, jogada_ameacar | jogada_ameacat, todas_as_perdas | exequemate | expoem_a_xeque, nada, somar,
      "I threaten your king and a rook; no reply of yours wins anything of mine, mates me or checks me.",
      "Ameaco seu rei e uma torre; nenhuma resposta sua ganha algo meu, me da mate ou me da xeque."},
    { 7, sim, qualquer, jogada_ameacar | jogada_ameacab, todas_as_perdas | exequemate, nada, somar,
      "I threaten your king and a bishop; no reply of yours wins anything of mine or mates me.",
      "Ameaco seu rei e um bispo; nenhuma resposta sua ganha algo meu ou me da mate."},
    { 8, sim, qualquer, jogada_ameacar | jogada_ameacac, todas_as_perdas | exequemate, nada, somar,
      "I threaten your king and a knight; no reply of yours wins anything of mine or mates me.",
      "Ameaco seu rei e um cavalo; nenhuma resposta sua ganha algo meu ou me da mate."},
    { 9, sim, qualquer, jogada_ameacar,                  todas_as_perdas | exequemate, nada, somar,
      "I threaten your king; no reply of yours wins anything of mine or mates me.",
      "Ameaco seu rei; nenhuma resposta sua ganha algo meu ou me da mate."},
    // Captures of a rook, a bishop, a knight.
    {10, nao, qualquer, jogada_pegat,                    jogada_perder | jogada_perded | ou_soma0l_positiva(jogada_perdet) | exequemate | expoem_a_xeque | jogada_promove_humano, nada, zerar,
      "I take your rook; no reply of yours wins my queen or a rook (a rook only when I am ahead in material), mates me, checks me or promotes a pawn.",
      "Tomo sua torre; nenhuma resposta sua ganha minha dama ou uma torre (uma torre so se eu tiver mais material), me da mate, me da xeque ou promove um peao."},
    {11, nao, qualquer, jogada_pegat,                    jogada_perder | jogada_perded | ou_soma0l_positiva(jogada_perdet) | exequemate | jogada_promove_humano, nada, zerar,
      "I take your rook; no reply of yours wins my queen or a rook (a rook only when I am ahead in material), mates me or promotes a pawn; you may check me.",
      "Tomo sua torre; nenhuma resposta sua ganha minha dama ou uma torre (uma torre so se eu tiver mais material), me da mate ou promove um peao; voce pode me dar xeque."},
    {12, nao, qualquer, jogada_pegab,                    jogada_perder | jogada_perded | jogada_perdet | ou_soma0l_positiva(jogada_perdeb) | jogada_perdec | exequemate | expoem_a_xeque | jogada_promove_humano, nada, zerar,
      "I take your bishop; no reply of yours wins a piece of mine other than a pawn (a bishop only when I am ahead in material), mates me, checks me or promotes a pawn.",
      "Tomo seu bispo; nenhuma resposta sua ganha uma peca minha que nao seja peao (um bispo so se eu tiver mais material), me da mate, me da xeque ou promove um peao."},
    {13, nao, qualquer, jogada_pegac,                    jogada_perder | jogada_perded | jogada_perdet | jogada_perdeb | ou_soma0l_positiva(jogada_perdec) | exequemate | expoem_a_xeque | jogada_promove_humano, nada, zerar,
      "I take your knight; no reply of yours wins a piece of mine other than a pawn (a knight only when I am ahead in material), mates me, checks me or promotes a pawn.",
      "Tomo seu cavalo; nenhuma resposta sua ganha uma peca minha que nao seja peao (um cavalo so se eu tiver mais material), me da mate, me da xeque ou promove um peao."},
    {14, nao, qualquer, jogada_pegac,                    jogada_perder | jogada_perded | jogada_perdet | jogada_perdeb | ou_soma0l_positiva(jogada_perdec) | exequemate | jogada_promove_humano, nada, zerar,
      "I take your knight; no reply of yours wins a piece of mine other than a pawn (a knight only when I am ahead in material), mates me or promotes a pawn; you may check me.",
      "Tomo seu cavalo; nenhuma resposta sua ganha uma peca minha que nao seja peao (um cavalo so se eu tiver mais material), me da mate ou promove um peao; voce pode me dar xeque."},
    {15, nao, qualquer, jogada_pegab,                    jogada_perder | jogada_perded | jogada_perdet | ou_soma0l_positiva(jogada_perdeb) | exequemate | expoem_a_xeque | jogada_promove_humano, dois_bispos_e_lance_6, zerar,
      "I take one of your two bishops; no reply of yours wins my queen, a rook or a bishop (a bishop only when I am ahead in material), mates me, checks me or promotes a pawn.",
      "Tomo um dos seus dois bispos; nenhuma resposta sua ganha minha dama, uma torre ou um bispo (um bispo so se eu tiver mais material), me da mate, me da xeque ou promove um peao."},
    {16, nao, qualquer, jogada_pegab,                    jogada_perder | jogada_perded | ou_soma0l_positiva(jogada_perdeb) | exequemate | jogada_promove_humano, dois_bispos_e_lance_6, zerar,
      "I take one of your two bishops; no reply of yours wins my queen or a bishop (a bishop only when I am ahead in material), mates me or promotes a pawn.",
      "Tomo um dos seus dois bispos; nenhuma resposta sua ganha minha dama ou um bispo (um bispo so se eu tiver mais material), me da mate ou promove um peao."},
    // Threats to two pieces, or to the queen.
    {17, sim, qualquer, jogada_ameacad | jogada_ameacat, perdas_menos_peao | exequemate | expoem_a_xeque | jogada_promove_humano, nada, somar,
      "I threaten your queen and a rook; no reply of yours wins anything of mine but a pawn, mates me, checks me or promotes a pawn.",
      "Ameaco sua dama e uma torre; nenhuma resposta sua ganha algo meu alem de um peao, me da mate, me da xeque ou promove um peao."},
    {18, sim, qualquer, jogada_ameacad | jogada_ameacat, todas_as_perdas | exequemate | jogada_promove_humano, nada, somar,
      "I threaten your queen and a rook; no reply of yours wins anything of mine, mates me or promotes a pawn.",
      "Ameaco sua dama e uma torre; nenhuma resposta sua ganha algo meu, me da mate ou promove um peao."},
    {19, sim, qualquer, jogada_ameacad | jogada_ameacac, todas_as_perdas | exequemate | expoem_a_xeque | jogada_promove_humano, nada, somar,
      "I threaten your queen and a knight; no reply of yours wins anything of mine, mates me, checks me or promotes a pawn.",
      "Ameaco sua dama e um cavalo; nenhuma resposta sua ganha algo meu, me da mate, me da xeque ou promove um peao."},
    {20, sim, qualquer, jogada_ameacad | jogada_ameacac, todas_as_perdas | exequemate | jogada_promove_humano, nada, somar,
      "I threaten your queen and a knight; no reply of yours wins anything of mine, mates me or promotes a pawn.",
      "Ameaco sua dama e um cavalo; nenhuma resposta sua ganha algo meu, me da mate ou promove um peao."},
    {21, sim, qualquer, jogada_ameacad | jogada_ameacab, todas_as_perdas | exequemate | expoem_a_xeque | jogada_promove_humano, nada, somar,
      "I threaten your queen and a bishop; no reply of yours wins anything of mine, mates me, checks me or promotes a pawn.",
      "Ameaco sua dama e um bispo; nenhuma resposta sua ganha algo meu, me da mate, me da xeque ou promove um peao."},
    {22, sim, qualquer, jogada_ameacad | jogada_ameacab, todas_as_perdas | exequemate | jogada_promove_humano, nada, somar,
      "I threaten your queen and a bishop; no reply of yours wins anything of mine, mates me or promotes a pawn.",
      "Ameaco sua dama e um bispo; nenhuma resposta sua ganha algo meu, me da mate ou promove um peao."},
    {23, sim, qualquer, jogada_ameacad,                  todas_as_perdas | exequemate | expoem_a_xeque | jogada_promove_humano, nada, somar,
      "I threaten your queen; no reply of yours wins anything of mine, mates me, checks me or promotes a pawn.",
      "Ameaco sua dama; nenhuma resposta sua ganha algo meu, me da mate, me da xeque ou promove um peao."},
    {24, sim, qualquer, jogada_ameacad,                  todas_as_perdas | exequemate | jogada_promove_humano, nada, somar,
      "I threaten your queen; no reply of yours wins anything of mine, mates me or promotes a pawn.",
      "Ameaco sua dama; nenhuma resposta sua ganha algo meu, me da mate ou promove um peao."},
    {25, sim, qualquer, jogada_ameacat | jogada_ameacab, todas_as_perdas | exequemate | expoem_a_xeque | jogada_promove_humano, nada, somar,
      "I threaten a rook and a bishop; no reply of yours wins anything of mine, mates me, checks me or promotes a pawn.",
      "Ameaco uma torre e um bispo; nenhuma resposta sua ganha algo meu, me da mate, me da xeque ou promove um peao."},
    {26, sim, qualquer, jogada_ameacat | jogada_ameacab, todas_as_perdas | exequemate | jogada_promove_humano, nada, somar,
      "I threaten a rook and a bishop; no reply of yours wins anything of mine, mates me or promotes a pawn.",
      "Ameaco uma torre e um bispo; nenhuma resposta sua ganha algo meu, me da mate ou promove um peao."},
    {27, sim, qualquer, jogada_ameacat | jogada_ameacac, todas_as_perdas | exequemate | expoem_a_xeque | jogada_promove_humano, nada, somar,
      "I threaten a rook and a knight; no reply of yours wins anything of mine, mates me, checks me or promotes a pawn.",
      "Ameaco uma torre e um cavalo; nenhuma resposta sua ganha algo meu, me da mate, me da xeque ou promove um peao."},
    {28, sim, qualquer, jogada_ameacat | jogada_ameacac, todas_as_perdas | exequemate | jogada_promove_humano, nada, somar,
      "I threaten a rook and a knight; no reply of yours wins anything of mine, mates me or promotes a pawn.",
      "Ameaco uma torre e um cavalo; nenhuma resposta sua ganha algo meu, me da mate ou promove um peao."},
    {29, sim, qualquer, jogada_ameacab | jogada_ameacac, todas_as_perdas | exequemate | expoem_a_xeque | jogada_promove_humano, nada, somar,
      "I threaten a bishop and a knight; no reply of yours wins anything of mine, mates me, checks me or promotes a pawn.",
      "Ameaco um bispo e um cavalo; nenhuma resposta sua ganha algo meu, me da mate, me da xeque ou promove um peao."},
    {30, sim, qualquer, jogada_ameacab | jogada_ameacac, todas_as_perdas | exequemate | jogada_promove_humano, nada, somar,
      "I threaten a bishop and a knight; no reply of yours wins anything of mine, mates me or promotes a pawn.",
      "Ameaco um bispo e um cavalo; nenhuma resposta sua ganha algo meu, me da mate ou promove um peao."},
    // Capture of a pawn.
    {31, nao, qualquer, jogada_pegap,                    todas_as_perdas | exequemate | expoem_a_xeque | jogada_promove_humano, nada, zerar,
      "I take a pawn; no reply of yours wins anything of mine, mates me, checks me or promotes a pawn.",
      "Tomo um peao; nenhuma resposta sua ganha algo meu, me da mate, me da xeque ou promove um peao."},
    {32, nao, qualquer, jogada_pegap,                    todas_as_perdas | exequemate | jogada_promove_humano, nada, zerar,
      "I take a pawn; no reply of yours wins anything of mine, mates me or promotes a pawn; you may check me.",
      "Tomo um peao; nenhuma resposta sua ganha algo meu, me da mate ou promove um peao; voce pode me dar xeque."},
    // Threat to a rook, a bishop or a knight.
    {33, sim, qualquer, jogada_ameacat,                  todas_as_perdas | exequemate | expoem_a_xeque | jogada_promove_humano, nada, somar,
      "I threaten a rook; no reply of yours wins anything of mine, mates me, checks me or promotes a pawn.",
      "Ameaco uma torre; nenhuma resposta sua ganha algo meu, me da mate, me da xeque ou promove um peao."},
    {34, sim, qualquer, jogada_ameacab,                  todas_as_perdas | exequemate | expoem_a_xeque | jogada_promove_humano, nada, somar,
      "I threaten a bishop; no reply of yours wins anything of mine, mates me, checks me or promotes a pawn.",
      "Ameaco um bispo; nenhuma resposta sua ganha algo meu, me da mate, me da xeque ou promove um peao."},
    {35, sim, qualquer, jogada_ameacab,                  todas_as_perdas | exequemate | jogada_promove_humano, nada, somar,
      "I threaten a bishop; no reply of yours wins anything of mine, mates me or promotes a pawn.",
      "Ameaco um bispo; nenhuma resposta sua ganha algo meu, me da mate ou promove um peao."},
    {36, nao, peao,     jogada_ameacac,                  todas_as_perdas | exequemate | expoem_a_xeque | jogada_promove_humano, nada, zerar,
      "My pawn threatens a knight; no reply of yours wins anything of mine, mates me, checks me or promotes a pawn.",
      "Meu peao ameaca um cavalo; nenhuma resposta sua ganha algo meu, me da mate, me da xeque ou promove um peao."},
    {37, sim, qualquer, jogada_ameacac,                  todas_as_perdas | exequemate | expoem_a_xeque | jogada_promove_humano, nada, somar,
      "I threaten a knight; no reply of yours wins anything of mine, mates me, checks me or promotes a pawn.",
      "Ameaco um cavalo; nenhuma resposta sua ganha algo meu, me da mate, me da xeque ou promove um peao."},
    {38, sim, qualquer, jogada_ameacac,                  todas_as_perdas | exequemate | jogada_promove_humano, nada, somar,
      "I threaten a knight; no reply of yours wins anything of mine, mates me or promotes a pawn.",
      "Ameaco um cavalo; nenhuma resposta sua ganha algo meu, me da mate ou promove um peao."},
    // Safe quiet moves.
    {39, nao, peao,     0,                               todas_as_perdas | exequemate | expoem_a_xeque | alinha | jogada_promove_humano, nada, zerar,
      "A safe pawn move: no reply of yours wins anything of mine, mates me, checks me or promotes a pawn.",
      "Um lance seguro de peao: nenhuma resposta sua ganha algo meu, me da mate, me da xeque ou promove um peao."},
    {40, sim, qualquer, 0,                               todas_as_perdas | exequemate | expoem_a_xeque | alinha | jogada_promove_humano, nada, somar,
      "A safe move that leaves my queen and king off one open line: no reply of yours wins anything of mine, mates me, checks me or promotes a pawn.",
      "Um lance seguro que nao deixa minha dama e meu rei numa linha aberta: nenhuma resposta sua ganha algo meu, me da mate, me da xeque ou promove um peao."},
    {41, sim, qualquer, 0,                               todas_as_perdas | exequemate | expoem_a_xeque | jogada_promove_humano, nada, somar,
      "A safe move: no reply of yours wins anything of mine, mates me, checks me or promotes a pawn.",
      "Um lance seguro: nenhuma resposta sua ganha algo meu, me da mate, me da xeque ou promove um peao."},
    {42, sim, qualquer, 0,                               todas_as_perdas | exequemate | jogada_promove_humano, nada, somar,
      "A safe move: no reply of yours wins anything of mine, mates me or promotes a pawn; you may check me.",
      "Um lance seguro: nenhuma resposta sua ganha algo meu, me da mate ou promove um peao; voce pode me dar xeque."},
    {43, nao, peao,     0,                               todas_as_perdas | exequemate | alinha | jogada_promove_humano, nada, zerar,
      "A safe pawn move: no reply of yours wins anything of mine, mates me or promotes a pawn; you may check me.",
      "Um lance seguro de peao: nenhuma resposta sua ganha algo meu, me da mate ou promove um peao; voce pode me dar xeque."},
    // Fallback moves, each giving up a little more.
    {44, nao, qualquer, 0,                               jogada_perder | jogada_perded | jogada_perdet | jogada_perdeb | jogada_perdec | exequemate | expoem_a_xeque | jogada_promove_humano, nada, zerar,
      "No better move: you can win at most a pawn, and no reply of yours mates me, checks me or promotes a pawn.",
      "Nao ha lance melhor: voce pode ganhar no maximo um peao, e nenhuma resposta sua me da mate, me da xeque ou promove um peao."},
    {45, nao, qualquer, 0,                               jogada_perder | jogada_perded | jogada_perdet | jogada_perdeb | jogada_perdec | exequemate | jogada_promove_humano, nada, zerar,
      "No better move: you can win at most a pawn, and no reply of yours mates me or promotes a pawn; you may check me.",
      "Nao ha lance melhor: voce pode ganhar no maximo um peao, e nenhuma resposta sua me da mate ou promove um peao; voce pode me dar xeque."},
    {46, nao, qualquer, 0,                               jogada_perder | jogada_perded | jogada_perdet | jogada_perdeb | exequemate | expoem_a_xeque | jogada_promove_humano, nada, zerar,
      "No better move: you can win at most a pawn or a knight, and no reply of yours mates me, checks me or promotes a pawn.",
      "Nao ha lance melhor: voce pode ganhar no maximo um peao ou um cavalo, e nenhuma resposta sua me da mate, me da xeque ou promove um peao."},
    {47, nao, qualquer, 0,                               jogada_perder | jogada_perded | jogada_perdet | jogada_perdeb | exequemate | jogada_promove_humano, nada, zerar,
      "No better move: you can win at most a pawn or a knight, and no reply of yours mates me or promotes a pawn; you may check me.",
      "Nao ha lance melhor: voce pode ganhar no maximo um peao ou um cavalo, e nenhuma resposta sua me da mate ou promove um peao; voce pode me dar xeque."},
    {48, nao, qualquer, 0,                               jogada_perder | jogada_perded | jogada_perdet | exequemate | expoem_a_xeque | jogada_promove_humano, nada, zerar,
      "No better move: you can win at most a pawn, a knight or a bishop, and no reply of yours mates me, checks me or promotes a pawn.",
      "Nao ha lance melhor: voce pode ganhar no maximo um peao, um cavalo ou um bispo, e nenhuma resposta sua me da mate, me da xeque ou promove um peao."},
    {49, nao, qualquer, 0,                               jogada_perder | jogada_perded | jogada_perdet | exequemate | jogada_promove_humano, nada, zerar,
      "No better move: you can win at most a pawn, a knight or a bishop, and no reply of yours mates me or promotes a pawn; you may check me.",
      "Nao ha lance melhor: voce pode ganhar no maximo um peao, um cavalo ou um bispo, e nenhuma resposta sua me da mate ou promove um peao; voce pode me dar xeque."},
    {50, nao, qualquer, 0,                               jogada_perder | jogada_perded | exequemate | expoem_a_xeque | jogada_promove_humano, nada, zerar,
      "No better move: you cannot win my queen, and no reply of yours mates me, checks me or promotes a pawn.",
      "Nao ha lance melhor: voce nao pode ganhar minha dama, e nenhuma resposta sua me da mate, me da xeque ou promove um peao."},
    {51, nao, qualquer, 0,                               jogada_perder | jogada_perded | exequemate | expoem_a_xeque, nada, zerar,
      "No better move: you cannot win my queen, and no reply of yours mates me or checks me; you may promote a pawn.",
      "Nao ha lance melhor: voce nao pode ganhar minha dama, e nenhuma resposta sua me da mate ou me da xeque; voce pode promover um peao."},
    {52, nao, qualquer, 0,                               jogada_perder | exequemate | expoem_a_xeque, nada, zerar,
      "No better move: you may even win my queen, but no reply of yours mates me or checks me.",
      "Nao ha lance melhor: voce pode ate ganhar minha dama, mas nenhuma resposta sua me da mate ou me da xeque."},
    {53, nao, qualquer, 0,                               jogada_perder | expoem_a_xeque, nada, zerar,
      "No better move: no reply of yours checks me, though you may win anything but my king.",
      "Nao ha lance melhor: nenhuma resposta sua me da xeque, mas voce pode ganhar qualquer peca menos meu rei."},
    {54, nao, qualquer, 0,                               jogada_perder, nada, zerar,
      "My last resort: no reply of yours takes my king, though you may check me.",
      "Meu ultimo recurso: nenhuma resposta sua toma meu rei, mas voce pode me dar xeque."},
    // Every candidate lets you take my king: the game is over.
    {55, nao, qualquer, 0,                               0, nada, nenhuma,
      "I have no move that keeps my king out of your reach: the game is over.",
      "Nao tenho lance que deixe meu rei fora do seu alcance: o jogo acabou."},
}};
// clang-format on

constexpr bool numerada_em_ordem() {
    for (int i = 0; i < NUMERO_DE_REGRAS; ++i)
        if (REGRAS[i].numero != i + 1) return false;
    return true;
}
static_assert(numerada_em_ordem());

} // namespace

const std::array<Regra, NUMERO_DE_REGRAS>& regras() { return REGRAS; }

namespace {

bool permitido(const Candidato& c, const Permitidos* p) { return !p || p->permite(c.de, c.para); }

} // namespace

// The last match in scan order wins: each rule looks from the end.
template <class Permitido>
Decisao cascata_sobre(std::span<const Candidato> candidatos, const Contexto& x, Permitido permitido) {
    for (const Regra& r : REGRAS)
        for (int c = static_cast<int>(candidatos.size()) - 1; c >= 0; --c)
            if (permitido(candidatos[c]) && cumpre(r, candidatos[c], x)) return {r.numero, c};
    return {};
}

Decisao cascata(std::span<const Candidato> candidatos, const Contexto& x, const Permitidos* p) {
    if (!p) return cascata_sobre(candidatos, x, [](const Candidato&) { return true; });
    return cascata_sobre(candidatos, x, [p](const Candidato& c) { return permitido(c, p); });
}

std::vector<Lugar> classificacao(std::span<const Candidato> candidatos, const Contexto& x,
                                 const Permitidos* p) {
    std::vector<Lugar> lugares;
    for (int c = static_cast<int>(candidatos.size()) - 1; c >= 0; --c)
        if (permitido(candidatos[c], p)) lugares.push_back({c, regra_cumprida(candidatos[c], x)});
    const auto chave = [](const Lugar& l) { return l.regra == 0 ? NUMERO_DE_REGRAS : l.regra; };
    std::stable_sort(lugares.begin(), lugares.end(),
                     [&](const Lugar& a, const Lugar& b) { return chave(a) < chave(b); });
    return lugares;
}

int regra_cumprida(const Candidato& candidato, const Contexto& x) {
    for (const Regra& r : REGRAS)
        if (r.numero != REGRA_FIM_DE_JOGO && cumpre(r, candidato, x)) return r.numero;
    return 0;
}

const char* descricao(int regra, Abertura abertura, bool ingles) {
    if (regra >= 1 && regra <= NUMERO_DE_REGRAS)
        return ingles ? REGRAS[regra - 1].ingles : REGRAS[regra - 1].portugues;
    switch (abertura) {
    case Abertura::peao_do_rei:
        return ingles ? "Opening move: my king's pawn steps forward one square."
                      : "Lance de abertura: o peao do meu rei avanca uma casa.";
    case Abertura::peao_do_cavalo:
        return ingles ? "Opening move: my queen's knight's pawn steps forward one square."
                      : "Lance de abertura: o peao do cavalo da minha dama avanca uma casa.";
    case Abertura::cavalo_da_dama:
        return ingles ? "Opening move: your bishop is on g2, so my queen's knight goes to the edge."
                      : "Lance de abertura: seu bispo esta em g2, entao meu cavalo da dama vai a "
                        "borda.";
    case Abertura::nenhuma: break;
    }
    return ingles ? "I have not chosen a move yet." : "Ainda nao escolhi um lance.";
}

} // namespace quelmaro
