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
// then what the rule does, in English and in Portuguese, and, where the
// protocol lines carry other words than the player reads, those.
// clang-format off
constexpr std::array<Regra, NUMERO_DE_REGRAS> REGRAS = {{
    // Mate, the queen, promotion.
    { 1, nao, qualquer, lance_da_mate,                        jogada_perder, nada, nenhuma,
      "This move mates you, and no reply of yours takes my king.",
      "Este lance dá xeque-mate, e nenhuma resposta sua captura meu rei."},
    { 2, nao, qualquer, jogada_pegad,                    jogada_perder | ou_soma0l_positiva(jogada_perded) | resposta_da_mate | expoem_a_xeque | jogada_promove_humano, nada, zerar,
      "I take your queen; no reply of yours wins my queen (unless I am ahead in material), mates me, checks me or promotes a pawn.",
      "Capturo sua dama; nenhuma resposta sua ganha minha dama (a menos que eu tenha mais material), me dá mate, me dá xeque ou promove um peão."},
    { 3, nao, qualquer, jogada_pegad,                    jogada_perder | ou_soma0l_positiva(jogada_perded) | resposta_da_mate | jogada_promove_humano, nada, zerar,
      "I take your queen; no reply of yours wins my queen (unless I am ahead in material), mates me or promotes a pawn; you may check me.",
      "Capturo sua dama; nenhuma resposta sua ganha minha dama (a menos que eu tenha mais material), me dá mate ou promove um peão; você pode me dar xeque."},
    { 4, nao, qualquer, jogada_promove_maquina,          jogada_perder | ou_soma0l_positiva(jogada_perded) | resposta_da_mate | jogada_promove_humano, nada, zerar,
      "My pawn gets to its last row; no reply of yours wins my queen (unless I am ahead in material), mates me or promotes a pawn.",
      "Meu peão chega à última fileira (promoção); nenhuma resposta sua ganha minha dama (a menos que eu tenha mais material), me dá mate ou promove um peão."},
    // Threats to the king.
    { 5, sim, qualquer, jogada_ameacar | jogada_ameacad, todas_as_perdas | resposta_da_mate, nada, somar,
      "Some reply of yours, not a king move, would leave your king in check, and I threaten your queen; no reply of yours wins anything of mine or mates me.",
      "Alguma resposta sua, sem ser lance de rei, deixaria seu rei em xeque, e ameaço sua dama; nenhuma resposta sua ganha algo meu ou me dá mate."},
    { 6, sim, qualquer, jogada_ameacar | jogada_ameacat, todas_as_perdas | resposta_da_mate | expoem_a_xeque, nada, somar,
      "Some reply of yours, not a king move, would leave your king in check, and I threaten a rook; no reply of yours wins anything of mine, mates me or checks me.",
      "Alguma resposta sua, sem ser lance de rei, deixaria seu rei em xeque, e ameaço uma torre; nenhuma resposta sua ganha algo meu, me dá mate ou me dá xeque."},
    { 7, sim, qualquer, jogada_ameacar | jogada_ameacab, todas_as_perdas | resposta_da_mate, nada, somar,
      "Some reply of yours, not a king move, would leave your king in check, and I threaten a bishop; no reply of yours wins anything of mine or mates me.",
      "Alguma resposta sua, sem ser lance de rei, deixaria seu rei em xeque, e ameaço um bispo; nenhuma resposta sua ganha algo meu ou me dá mate."},
    { 8, sim, qualquer, jogada_ameacar | jogada_ameacac, todas_as_perdas | resposta_da_mate, nada, somar,
      "Some reply of yours, not a king move, would leave your king in check, and I threaten a knight; no reply of yours wins anything of mine or mates me.",
      "Alguma resposta sua, sem ser lance de rei, deixaria seu rei em xeque, e ameaço um cavalo; nenhuma resposta sua ganha algo meu ou me dá mate."},
    { 9, sim, qualquer, jogada_ameacar,                  todas_as_perdas | resposta_da_mate, nada, somar,
      "After this move some reply of yours, not a king move, would leave your king in check; no reply of yours wins anything of mine or mates me.",
      "Depois deste lance, alguma resposta sua, sem ser lance de rei, deixaria seu rei em xeque; nenhuma resposta sua ganha algo meu ou me dá mate."},
    // Captures of a rook, a bishop, a knight.
    {10, nao, qualquer, jogada_pegat,                    jogada_perder | jogada_perded | ou_soma0l_positiva(jogada_perdet) | resposta_da_mate | expoem_a_xeque | jogada_promove_humano, nada, zerar,
      "I take your rook; no reply of yours wins my queen or (unless I am ahead in material) a rook, mates me, checks me or promotes a pawn.",
      "Capturo sua torre; nenhuma resposta sua ganha minha dama ou (a menos que eu tenha mais material) uma torre, me dá mate, me dá xeque ou promove um peão.",
      "I take your rook; no reply of yours wins my queen or a rook (a rook only when I am ahead in material), mates me, checks me or promotes a pawn."},
    {11, nao, qualquer, jogada_pegat,                    jogada_perder | jogada_perded | ou_soma0l_positiva(jogada_perdet) | resposta_da_mate | jogada_promove_humano, nada, zerar,
      "I take your rook; no reply of yours wins my queen or (unless I am ahead in material) a rook, mates me or promotes a pawn; you may check me.",
      "Capturo sua torre; nenhuma resposta sua ganha minha dama ou (a menos que eu tenha mais material) uma torre, me dá mate ou promove um peão; você pode me dar xeque.",
      "I take your rook; no reply of yours wins my queen or a rook (a rook only when I am ahead in material), mates me or promotes a pawn; you may check me."},
    {12, nao, qualquer, jogada_pegab,                    jogada_perder | jogada_perded | jogada_perdet | ou_soma0l_positiva(jogada_perdeb) | jogada_perdec | resposta_da_mate | expoem_a_xeque | jogada_promove_humano, nada, zerar,
      "I take your bishop; no reply of yours wins my queen, a rook, a knight or (unless I am ahead in material) a bishop, mates me, checks me or promotes a pawn.",
      "Capturo seu bispo; nenhuma resposta sua ganha minha dama, uma torre, um cavalo ou (a menos que eu tenha mais material) um bispo, me dá mate, me dá xeque ou promove um peão.",
      "I take your bishop; no reply of yours wins a piece of mine other than a pawn (a bishop only when I am ahead in material), mates me, checks me or promotes a pawn."},
    {13, nao, qualquer, jogada_pegac,                    jogada_perder | jogada_perded | jogada_perdet | jogada_perdeb | ou_soma0l_positiva(jogada_perdec) | resposta_da_mate | expoem_a_xeque | jogada_promove_humano, nada, zerar,
      "I take your knight; no reply of yours wins my queen, a rook, a bishop or (unless I am ahead in material) a knight, mates me, checks me or promotes a pawn.",
      "Capturo seu cavalo; nenhuma resposta sua ganha minha dama, uma torre, um bispo ou (a menos que eu tenha mais material) um cavalo, me dá mate, me dá xeque ou promove um peão.",
      "I take your knight; no reply of yours wins a piece of mine other than a pawn (a knight only when I am ahead in material), mates me, checks me or promotes a pawn."},
    {14, nao, qualquer, jogada_pegac,                    jogada_perder | jogada_perded | jogada_perdet | jogada_perdeb | ou_soma0l_positiva(jogada_perdec) | resposta_da_mate | jogada_promove_humano, nada, zerar,
      "I take your knight; no reply of yours wins my queen, a rook, a bishop or (unless I am ahead in material) a knight, mates me or promotes a pawn; you may check me.",
      "Capturo seu cavalo; nenhuma resposta sua ganha minha dama, uma torre, um bispo ou (a menos que eu tenha mais material) um cavalo, me dá mate ou promove um peão; você pode me dar xeque.",
      "I take your knight; no reply of yours wins a piece of mine other than a pawn (a knight only when I am ahead in material), mates me or promotes a pawn; you may check me."},
    {15, nao, qualquer, jogada_pegab,                    jogada_perder | jogada_perded | jogada_perdet | ou_soma0l_positiva(jogada_perdeb) | resposta_da_mate | expoem_a_xeque | jogada_promove_humano, dois_bispos_e_lance_6, zerar,
      "I take one of your two bishops; no reply of yours wins my queen, a rook or (unless I am ahead in material) a bishop, mates me, checks me or promotes a pawn.",
      "Capturo um dos seus dois bispos; nenhuma resposta sua ganha minha dama, uma torre ou (a menos que eu tenha mais material) um bispo, me dá mate, me dá xeque ou promove um peão.",
      "I take one of your two bishops; no reply of yours wins my queen, a rook or a bishop (a bishop only when I am ahead in material), mates me, checks me or promotes a pawn."},
    {16, nao, qualquer, jogada_pegab,                    jogada_perder | jogada_perded | ou_soma0l_positiva(jogada_perdeb) | resposta_da_mate | jogada_promove_humano, dois_bispos_e_lance_6, zerar,
      "I take one of your two bishops; no reply of yours wins my queen or (unless I am ahead in material) a bishop, mates me or promotes a pawn; you may check me.",
      "Capturo um dos seus dois bispos; nenhuma resposta sua ganha minha dama ou (a menos que eu tenha mais material) um bispo, me dá mate ou promove um peão; você pode me dar xeque.",
      "I take one of your two bishops; no reply of yours wins my queen or a bishop (a bishop only when I am ahead in material), mates me or promotes a pawn."},
    // Threats to two pieces, or to the queen.
    {17, sim, qualquer, jogada_ameacad | jogada_ameacat, perdas_menos_peao | resposta_da_mate | expoem_a_xeque | jogada_promove_humano, nada, somar,
      "I threaten your queen and a rook; no reply of yours wins anything of mine but a pawn, mates me, checks me or promotes a pawn.",
      "Ameaço sua dama e uma torre; nenhuma resposta sua ganha algo meu além de um peão, me dá mate, me dá xeque ou promove um peão."},
    {18, sim, qualquer, jogada_ameacad | jogada_ameacat, todas_as_perdas | resposta_da_mate | jogada_promove_humano, nada, somar,
      "I threaten your queen and a rook; no reply of yours wins anything of mine, mates me or promotes a pawn.",
      "Ameaço sua dama e uma torre; nenhuma resposta sua ganha algo meu, me dá mate ou promove um peão."},
    {19, sim, qualquer, jogada_ameacad | jogada_ameacac, todas_as_perdas | resposta_da_mate | expoem_a_xeque | jogada_promove_humano, nada, somar,
      "I threaten your queen and a knight; no reply of yours wins anything of mine, mates me, checks me or promotes a pawn.",
      "Ameaço sua dama e um cavalo; nenhuma resposta sua ganha algo meu, me dá mate, me dá xeque ou promove um peão."},
    {20, sim, qualquer, jogada_ameacad | jogada_ameacac, todas_as_perdas | resposta_da_mate | jogada_promove_humano, nada, somar,
      "I threaten your queen and a knight; no reply of yours wins anything of mine, mates me or promotes a pawn.",
      "Ameaço sua dama e um cavalo; nenhuma resposta sua ganha algo meu, me dá mate ou promove um peão."},
    {21, sim, qualquer, jogada_ameacad | jogada_ameacab, todas_as_perdas | resposta_da_mate | expoem_a_xeque | jogada_promove_humano, nada, somar,
      "I threaten your queen and a bishop; no reply of yours wins anything of mine, mates me, checks me or promotes a pawn.",
      "Ameaço sua dama e um bispo; nenhuma resposta sua ganha algo meu, me dá mate, me dá xeque ou promove um peão."},
    {22, sim, qualquer, jogada_ameacad | jogada_ameacab, todas_as_perdas | resposta_da_mate | jogada_promove_humano, nada, somar,
      "I threaten your queen and a bishop; no reply of yours wins anything of mine, mates me or promotes a pawn.",
      "Ameaço sua dama e um bispo; nenhuma resposta sua ganha algo meu, me dá mate ou promove um peão."},
    {23, sim, qualquer, jogada_ameacad,                  todas_as_perdas | resposta_da_mate | expoem_a_xeque | jogada_promove_humano, nada, somar,
      "I threaten your queen; no reply of yours wins anything of mine, mates me, checks me or promotes a pawn.",
      "Ameaço sua dama; nenhuma resposta sua ganha algo meu, me dá mate, me dá xeque ou promove um peão."},
    {24, sim, qualquer, jogada_ameacad,                  todas_as_perdas | resposta_da_mate | jogada_promove_humano, nada, somar,
      "I threaten your queen; no reply of yours wins anything of mine, mates me or promotes a pawn.",
      "Ameaço sua dama; nenhuma resposta sua ganha algo meu, me dá mate ou promove um peão."},
    {25, sim, qualquer, jogada_ameacat | jogada_ameacab, todas_as_perdas | resposta_da_mate | expoem_a_xeque | jogada_promove_humano, nada, somar,
      "I threaten a rook and a bishop; no reply of yours wins anything of mine, mates me, checks me or promotes a pawn.",
      "Ameaço uma torre e um bispo; nenhuma resposta sua ganha algo meu, me dá mate, me dá xeque ou promove um peão."},
    {26, sim, qualquer, jogada_ameacat | jogada_ameacab, todas_as_perdas | resposta_da_mate | jogada_promove_humano, nada, somar,
      "I threaten a rook and a bishop; no reply of yours wins anything of mine, mates me or promotes a pawn.",
      "Ameaço uma torre e um bispo; nenhuma resposta sua ganha algo meu, me dá mate ou promove um peão."},
    {27, sim, qualquer, jogada_ameacat | jogada_ameacac, todas_as_perdas | resposta_da_mate | expoem_a_xeque | jogada_promove_humano, nada, somar,
      "I threaten a rook and a knight; no reply of yours wins anything of mine, mates me, checks me or promotes a pawn.",
      "Ameaço uma torre e um cavalo; nenhuma resposta sua ganha algo meu, me dá mate, me dá xeque ou promove um peão."},
    {28, sim, qualquer, jogada_ameacat | jogada_ameacac, todas_as_perdas | resposta_da_mate | jogada_promove_humano, nada, somar,
      "I threaten a rook and a knight; no reply of yours wins anything of mine, mates me or promotes a pawn.",
      "Ameaço uma torre e um cavalo; nenhuma resposta sua ganha algo meu, me dá mate ou promove um peão."},
    {29, sim, qualquer, jogada_ameacab | jogada_ameacac, todas_as_perdas | resposta_da_mate | expoem_a_xeque | jogada_promove_humano, nada, somar,
      "I threaten a bishop and a knight; no reply of yours wins anything of mine, mates me, checks me or promotes a pawn.",
      "Ameaço um bispo e um cavalo; nenhuma resposta sua ganha algo meu, me dá mate, me dá xeque ou promove um peão."},
    {30, sim, qualquer, jogada_ameacab | jogada_ameacac, todas_as_perdas | resposta_da_mate | jogada_promove_humano, nada, somar,
      "I threaten a bishop and a knight; no reply of yours wins anything of mine, mates me or promotes a pawn.",
      "Ameaço um bispo e um cavalo; nenhuma resposta sua ganha algo meu, me dá mate ou promove um peão."},
    // Capture of a pawn.
    {31, nao, qualquer, jogada_pegap,                    todas_as_perdas | resposta_da_mate | expoem_a_xeque | jogada_promove_humano, nada, zerar,
      "I take a pawn; no reply of yours wins anything of mine, mates me, checks me or promotes a pawn.",
      "Capturo um peão; nenhuma resposta sua ganha algo meu, me dá mate, me dá xeque ou promove um peão."},
    {32, nao, qualquer, jogada_pegap,                    todas_as_perdas | resposta_da_mate | jogada_promove_humano, nada, zerar,
      "I take a pawn; no reply of yours wins anything of mine, mates me or promotes a pawn; you may check me.",
      "Capturo um peão; nenhuma resposta sua ganha algo meu, me dá mate ou promove um peão; você pode me dar xeque."},
    // Threat to a rook, a bishop or a knight.
    {33, sim, qualquer, jogada_ameacat,                  todas_as_perdas | resposta_da_mate | expoem_a_xeque | jogada_promove_humano, nada, somar,
      "I threaten a rook; no reply of yours wins anything of mine, mates me, checks me or promotes a pawn.",
      "Ameaço uma torre; nenhuma resposta sua ganha algo meu, me dá mate, me dá xeque ou promove um peão."},
    {34, sim, qualquer, jogada_ameacab,                  todas_as_perdas | resposta_da_mate | expoem_a_xeque | jogada_promove_humano, nada, somar,
      "I threaten a bishop; no reply of yours wins anything of mine, mates me, checks me or promotes a pawn.",
      "Ameaço um bispo; nenhuma resposta sua ganha algo meu, me dá mate, me dá xeque ou promove um peão."},
    {35, sim, qualquer, jogada_ameacab,                  todas_as_perdas | resposta_da_mate | jogada_promove_humano, nada, somar,
      "I threaten a bishop; no reply of yours wins anything of mine, mates me or promotes a pawn.",
      "Ameaço um bispo; nenhuma resposta sua ganha algo meu, me dá mate ou promove um peão."},
    {36, nao, peao,     jogada_ameacac,                  todas_as_perdas | resposta_da_mate | expoem_a_xeque | jogada_promove_humano, nada, zerar,
      "A pawn move of mine threatens a knight; no reply of yours wins anything of mine, mates me, checks me or promotes a pawn.",
      "Um lance de peão meu ameaça um cavalo; nenhuma resposta sua ganha algo meu, me dá mate, me dá xeque ou promove um peão.",
      "My pawn threatens a knight; no reply of yours wins anything of mine, mates me, checks me or promotes a pawn."},
    {37, sim, qualquer, jogada_ameacac,                  todas_as_perdas | resposta_da_mate | expoem_a_xeque | jogada_promove_humano, nada, somar,
      "I threaten a knight; no reply of yours wins anything of mine, mates me, checks me or promotes a pawn.",
      "Ameaço um cavalo; nenhuma resposta sua ganha algo meu, me dá mate, me dá xeque ou promove um peão."},
    {38, sim, qualquer, jogada_ameacac,                  todas_as_perdas | resposta_da_mate | jogada_promove_humano, nada, somar,
      "I threaten a knight; no reply of yours wins anything of mine, mates me or promotes a pawn.",
      "Ameaço um cavalo; nenhuma resposta sua ganha algo meu, me dá mate ou promove um peão."},
    // Safe quiet moves.
    {39, nao, peao,     0,                               todas_as_perdas | resposta_da_mate | expoem_a_xeque | alinha | jogada_promove_humano, nada, zerar,
      "A safe pawn move: no reply of yours wins anything of mine, mates me, checks me or promotes a pawn.",
      "Um lance seguro de peão: nenhuma resposta sua ganha algo meu, me dá mate, me dá xeque ou promove um peão."},
    {40, sim, qualquer, 0,                               todas_as_perdas | resposta_da_mate | expoem_a_xeque | alinha | jogada_promove_humano, nada, somar,
      "A safe move that does not bring my queen or king onto one open line with the other: no reply of yours wins anything of mine, mates me, checks me or promotes a pawn.",
      "Um lance seguro que não leva minha dama ou meu rei a uma mesma linha aberta com o outro: nenhuma resposta sua ganha algo meu, me dá mate, me dá xeque ou promove um peão.",
      "A safe move that leaves my queen and king off one open line: no reply of yours wins anything of mine, mates me, checks me or promotes a pawn."},
    {41, sim, qualquer, 0,                               todas_as_perdas | resposta_da_mate | expoem_a_xeque | jogada_promove_humano, nada, somar,
      "A safe move: no reply of yours wins anything of mine, mates me, checks me or promotes a pawn.",
      "Um lance seguro: nenhuma resposta sua ganha algo meu, me dá mate, me dá xeque ou promove um peão."},
    {42, sim, qualquer, 0,                               todas_as_perdas | resposta_da_mate | jogada_promove_humano, nada, somar,
      "A safe move: no reply of yours wins anything of mine, mates me or promotes a pawn; you may check me.",
      "Um lance seguro: nenhuma resposta sua ganha algo meu, me dá mate ou promove um peão; você pode me dar xeque."},
    {43, nao, peao,     0,                               todas_as_perdas | resposta_da_mate | alinha | jogada_promove_humano, nada, zerar,
      "A safe pawn move: no reply of yours wins anything of mine, mates me or promotes a pawn; you may check me.",
      "Um lance seguro de peão: nenhuma resposta sua ganha algo meu, me dá mate ou promove um peão; você pode me dar xeque."},
    // Fallback moves, each giving up a little more.
    {44, nao, qualquer, 0,                               jogada_perder | jogada_perded | jogada_perdet | jogada_perdeb | jogada_perdec | resposta_da_mate | expoem_a_xeque | jogada_promove_humano, nada, zerar,
      "No better move: you can win at most a pawn, and no reply of yours mates me, checks me or promotes a pawn.",
      "Não há lance melhor: você pode ganhar no máximo um peão, e nenhuma resposta sua me dá mate, me dá xeque ou promove um peão."},
    {45, nao, qualquer, 0,                               jogada_perder | jogada_perded | jogada_perdet | jogada_perdeb | jogada_perdec | resposta_da_mate | jogada_promove_humano, nada, zerar,
      "No better move: you can win at most a pawn, and no reply of yours mates me or promotes a pawn; you may check me.",
      "Não há lance melhor: você pode ganhar no máximo um peão, e nenhuma resposta sua me dá mate ou promove um peão; você pode me dar xeque."},
    {46, nao, qualquer, 0,                               jogada_perder | jogada_perded | jogada_perdet | jogada_perdeb | resposta_da_mate | expoem_a_xeque | jogada_promove_humano, nada, zerar,
      "No better move: you can win at most a pawn or a knight, and no reply of yours mates me, checks me or promotes a pawn.",
      "Não há lance melhor: você pode ganhar no máximo um peão ou um cavalo, e nenhuma resposta sua me dá mate, me dá xeque ou promove um peão."},
    {47, nao, qualquer, 0,                               jogada_perder | jogada_perded | jogada_perdet | jogada_perdeb | resposta_da_mate | jogada_promove_humano, nada, zerar,
      "No better move: you can win at most a pawn or a knight, and no reply of yours mates me or promotes a pawn; you may check me.",
      "Não há lance melhor: você pode ganhar no máximo um peão ou um cavalo, e nenhuma resposta sua me dá mate ou promove um peão; você pode me dar xeque."},
    {48, nao, qualquer, 0,                               jogada_perder | jogada_perded | jogada_perdet | resposta_da_mate | expoem_a_xeque | jogada_promove_humano, nada, zerar,
      "No better move: you can win at most a pawn, a knight or a bishop, and no reply of yours mates me, checks me or promotes a pawn.",
      "Não há lance melhor: você pode ganhar no máximo um peão, um cavalo ou um bispo, e nenhuma resposta sua me dá mate, me dá xeque ou promove um peão."},
    {49, nao, qualquer, 0,                               jogada_perder | jogada_perded | jogada_perdet | resposta_da_mate | jogada_promove_humano, nada, zerar,
      "No better move: you can win at most a pawn, a knight or a bishop, and no reply of yours mates me or promotes a pawn; you may check me.",
      "Não há lance melhor: você pode ganhar no máximo um peão, um cavalo ou um bispo, e nenhuma resposta sua me dá mate ou promove um peão; você pode me dar xeque."},
    {50, nao, qualquer, 0,                               jogada_perder | jogada_perded | resposta_da_mate | expoem_a_xeque | jogada_promove_humano, nada, zerar,
      "No better move: you cannot win my queen, and no reply of yours mates me, checks me or promotes a pawn.",
      "Não há lance melhor: você não pode ganhar minha dama, e nenhuma resposta sua me dá mate, me dá xeque ou promove um peão."},
    {51, nao, qualquer, 0,                               jogada_perder | jogada_perded | resposta_da_mate | expoem_a_xeque, nada, zerar,
      "No better move: you cannot win my queen, and no reply of yours mates me or checks me; you may promote a pawn.",
      "Não há lance melhor: você não pode ganhar minha dama, e nenhuma resposta sua me dá mate ou me dá xeque; você pode promover um peão."},
    {52, nao, qualquer, 0,                               jogada_perder | resposta_da_mate | expoem_a_xeque, nada, zerar,
      "No better move: you may even win my queen, but no reply of yours mates me or checks me.",
      "Não há lance melhor: você pode até ganhar minha dama, mas nenhuma resposta sua me dá mate ou me dá xeque."},
    {53, nao, qualquer, 0,                               jogada_perder | expoem_a_xeque, nada, zerar,
      "No better move: no reply of yours checks me, though you may win anything but my king.",
      "Não há lance melhor: nenhuma resposta sua me dá xeque, mas você pode ganhar qualquer peça menos meu rei."},
    {54, nao, qualquer, 0,                               jogada_perder, nada, zerar,
      "My last resort: no reply of yours takes my king, though you may check me.",
      "Meu último recurso: nenhuma resposta sua captura meu rei, mas você pode me dar xeque."},
    // Every candidate lets you take my king: the game is over.
    {55, nao, qualquer, 0,                               0, nada, nenhuma,
      "I have no move that keeps my king out of your reach: the game is over.",
      "Não tenho lance que deixe meu rei fora do seu alcance: a partida acabou."},
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
Decisao cascata_sobre(std::span<const Candidato> candidatos, const Contexto& x,
                      Permitido permitido) {
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

const char* descricao_do_protocolo(int regra, Abertura abertura) {
    if (regra >= 1 && regra <= NUMERO_DE_REGRAS && REGRAS[regra - 1].protocolo)
        return REGRAS[regra - 1].protocolo;
    return descricao(regra, abertura, true);
}

const char* descricao(int regra, Abertura abertura, bool ingles) {
    if (regra >= 1 && regra <= NUMERO_DE_REGRAS)
        return ingles ? REGRAS[regra - 1].ingles : REGRAS[regra - 1].portugues;
    switch (abertura) {
    case Abertura::peao_do_rei:
        return ingles ? "Opening move: my king's pawn steps forward one square."
                      : "Lance de abertura: o peão do meu rei avança uma casa.";
    case Abertura::peao_do_cavalo:
        return ingles ? "Opening move: my queen's knight's pawn steps forward one square."
                      : "Lance de abertura: o peão do cavalo da minha dama avança uma casa.";
    case Abertura::cavalo_da_dama:
        return ingles
                   ? "Opening move: your bishop is on g2, so my queen's knight goes to the edge."
                   : "Lance de abertura: seu bispo está em g2, então meu cavalo da dama vai para a "
                     "borda.";
    case Abertura::nenhuma: break;
    }
    return ingles ? "I have not chosen a move yet." : "Ainda não escolhi um lance.";
}

} // namespace quelmaro
