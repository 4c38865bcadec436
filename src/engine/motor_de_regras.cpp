// The pass examines every candidate and every reply, but it does only the
// work that can change a table; what it skips provably cannot:
// - No follow-up is played. A follow-up matters only when it takes a player's
//   bishop, knight, rook, queen or king on a square other than the reply's (a
//   threat), or lands on the reply's square after the reply took a pawn (the
//   recapture rule); both are read from which computer pieces attack which
//   squares after the reply.
// - The pawn-loss mark means exactly "some reply takes a pawn that no computer
//   piece, the king included, retakes", so it is set only after the retakes
//   are known and never cleared (the step-by-step reference pass of the tests
//   sets it, then lets the recapture rule take it back).
// - No reply is played either, except to probe a check for mate: what it
//   changes is known (its square emptied, its target taken or filled), so the
//   attacks after it follow from those after the candidate. A player's piece
//   the computer attacks after the candidate stays attacked after a reply
//   unless the reply took or blocked each attacker; one it does not attack
//   can only be reached through the square the reply left.
// - A mark already set is not looked for again: no protection test, threat
//   or mate probe is made for it.
// - Attack sets are kept per piece from the start of the pass; after a move a
//   slider's set is computed again only when the move emptied one of its
//   squares or filled an empty one, the only ways its lines can change.
// - A mate probe stops at the first escape. The king's escapes are tried
//   first and judged from the attacks on their squares without being played;
//   when one is found that way before the checking reply is even played, no
//   probe is needed.
// - A reply that takes the computer's king marks jogada_perder, which every
//   rule refuses; it is not tested for check.
#include "engine/motor_de_regras.hpp"

#include <bit>

namespace quelmaro {
namespace {

constexpr Casas LINHA_1 = 0xFFull;       // squares 1..8, where the player's pawns promote
constexpr Casas LINHA_8 = 0xFFull << 56; // squares 57..64, where the computer's pawns promote

// The capture tables of the candidate, by the code it takes.
Marcas pega(int capturada) {
    switch (capturada) {
    case -PEAO: return jogada_pegap;
    case -BISPO: return jogada_pegab;
    case -CAVALO: return jogada_pegac;
    case -TORRE: return jogada_pegat;
    case -DAMA: return jogada_pegad;
    default: return 0;
    }
}

// The loss tables that need a protection test, by the computer code a reply takes.
Marcas perde(int capturada) {
    switch (capturada) {
    case BISPO: return jogada_perdeb;
    case CAVALO: return jogada_perdec;
    case TORRE: return jogada_perdet;
    case DAMA: return jogada_perded;
    default: return 0;
    }
}

// The threat tables: a follow-up could take a player's piece of this code.
struct Ameaca {
    int codigo;
    Marcas marca;
};
constexpr Ameaca AMEACAS[] = {{-BISPO, jogada_ameacab},
                              {-CAVALO, jogada_ameacac},
                              {-TORRE, jogada_ameacat},
                              {-DAMA, jogada_ameacad},
                              {-REI, jogada_ameacar}};

bool eh_deslizante(int codigo) {
    return tipo(codigo) == BISPO || tipo(codigo) == TORRE || tipo(codigo) == DAMA;
}

} // namespace

void MotorDeRegras::Alcances::anota(const Tabuleiro& t, Casas casas, bool com_destinos) {
    n = 0;
    for (; casas; casas &= casas - 1) {
        const int c = menor_casa(casas);
        const bool peao = tipo(t[c]) == PEAO;
        Casas depende = 0;
        if (peao && com_destinos) // the squares ahead and those it captures on
            for (int passo = 1; passo <= 2; ++passo)
                if (casa_valida(c + 8 * passo * t[c])) depende |= bit(c + 8 * passo * t[c]);
        const int k = tipo(t[c]);
        lista[n++] = {c,
                      t[c],
                      t.alcance(c),
                      eh_deslizante(t[c]),
                      peao,
                      k == BISPO || k == DAMA,
                      k == TORRE || k == DAMA,
                      com_destinos ? t.destinos(c) : 0,
                      depende | t.alcance(c)};
    }
}

namespace {

// Is some piece standing on `reis` attacked by a piece of the other side?
bool algum_atacado(const Tabuleiro& t, Casas reis) {
    for (; reis; reis &= reis - 1)
        if (t.atacantes(menor_casa(reis))) return true;
    return false;
}

// Does some move of a piece on `origens` leave no piece on a square holding
// `rei` attacked? The moves are tried on the board and taken back; the first
// one found ends the search.
bool alguma_fuga(Tabuleiro& t, Casas origens, int rei, int& examinadas) {
    for (; origens; origens &= origens - 1) {
        const int de = menor_casa(origens);
        for (Casas destinos = t.destinos(de); destinos; destinos &= destinos - 1) {
            LanceDeTeste fuga(t, de, menor_casa(destinos));
            ++examinadas;
            if (!algum_atacado(t, t.com_codigo(rei))) return true;
        }
    }
    return false;
}

} // namespace

Marcas MotorDeRegras::marcas(int de, int para) const {
    for (const Candidato& c : candidatos())
        if (c.de == de && c.para == para) return c.marcas;
    return 0;
}

Resultado MotorDeRegras::passe(const Entrada& e) {
    tabuleiro_ = e.tabuleiro;
    vigia_promocoes_ = e.de_posicao_montada || e.lance_do_jogo > 5;
    Tabuleiro& t = tabuleiro_;
    numero_de_candidatos_ = 0;
    posicoes_examinadas_ = 0;

    Resultado r;
    r.numero_de_meu_movimento = e.numero_de_meu_movimento;
    r.contagem_empate = e.contagem_empate;
    // Board counts: the player's king and bishops.
    if (const Casas rei = t.com_codigo(-REI)) posicao_do_rei_dele_ = maior_casa(rei);
    r.numero_b_inimigo = e.numero_b_inimigo;
    if (const int bispos = std::popcount(t.com_codigo(-BISPO)))
        r.numero_b_inimigo = bispos == 1 ? 1 : 2;
    jogador_.anota(t, t.pecas_do_jogador(), true);
    maquina_.anota(t, t.pecas_da_maquina(), false);

    // Every candidate move, in scan order, tried with its replies and follow-ups.
    for (Casas origens = t.pecas_da_maquina(); origens; origens &= origens - 1) {
        const int i = menor_casa(origens);
        for (Casas destinos = t.destinos(i); destinos; destinos &= destinos - 1) {
            Candidato& c = candidatos_[numero_de_candidatos_++];
            c = {i, menor_casa(destinos), t[i] == PEAO, 0};
            analisa_candidato(c);
        }
    }
    r.posicoes_examinadas = posicoes_examinadas_;
    r.contexto = {t.soma(), e.contagem_empate > 2 && t.soma() > 0, e.lance_do_jogo,
                  r.numero_b_inimigo};

    if (abertura_fixa(r, e.permitidos)) return r;
    const Decisao d = cascata(candidatos(), r.contexto, e.permitidos);
    if (d.regra != 0 && d.regra != REGRA_FIM_DE_JOGO) {
        const Regra& regra = regras()[d.regra - 1];
        if (regra.bandeira == Bandeira::zerar)
            r.contagem_empate = 0;
        else if (regra.bandeira == Bandeira::somar)
            ++r.contagem_empate;
        const Candidato& c = candidatos_[d.candidato];
        r.desfecho = Desfecho::Lance;
        r.de = c.de;
        r.para = c.para;
        r.regra = d.regra;
        return r;
    }
    // No move to play: mate when the computer's king is attacked now.
    r.desfecho = rei_da_maquina_atacado() ? Desfecho::Xequemate : Desfecho::Afogamento;
    r.regra = REGRA_FIM_DE_JOGO;
    return r;
}

bool MotorDeRegras::abertura_fixa(Resultado& r, const Permitidos* permitidos) const {
    const Tabuleiro& t = tabuleiro_;
    // The computer's king on square 4 means the computer has White.
    if (r.numero_de_meu_movimento == 0) {
        r.numero_de_meu_movimento = 1;
        r.abertura = Abertura::peao_do_rei;
        if (t[4] == REI)
            r.de = 12, r.para = 20;
        else
            r.de = 13, r.para = 21;
    } else if (r.numero_de_meu_movimento == 1) {
        r.numero_de_meu_movimento = 2;
        r.abertura = Abertura::peao_do_cavalo;
        if (t[4] == REI)
            r.de = 15, r.para = 23;
        else if (t[55] == -BISPO)
            r.de = 2, r.para = 17, r.abertura = Abertura::cavalo_da_dama;
        else
            r.de = 10, r.para = 18;
    }
    if (r.de == 0) return false;
    // One that is no candidate or loses the king (possible after loading a
    // saved game), or not one of the moves permitted, is dropped for the
    // cascade; the counter has moved on all the same.
    if (eh_candidato(r.de, r.para) && !(marcas(r.de, r.para) & jogada_perder) &&
        (!permitidos || permitidos->permite(r.de, r.para))) {
        r.desfecho = Desfecho::Lance;
        return true;
    }
    r.de = r.para = 0;
    r.abertura = Abertura::nenhuma;
    return false;
}

bool MotorDeRegras::eh_candidato(int de, int para) const {
    return e_candidato(tabuleiro_, de, para);
}

bool MotorDeRegras::rei_da_maquina_atacado() const {
    return algum_atacado(tabuleiro_, tabuleiro_.com_codigo(REI));
}

void MotorDeRegras::analisa_candidato(Candidato& c) {
    Tabuleiro& t = tabuleiro_;
    LanceDeTeste candidato(t, c.de, c.para);
    ++posicoes_examinadas_;
    Marcas& m = c.marcas;
    m |= pega(candidato.capturada());
    if (candidato.movida() == DAMA || candidato.movida() == REI) alinha_dama_rei(m);
    if (posicao_do_rei_dele_ != 0 && t.validade(c.para, posicao_do_rei_dele_) && mate_ele2())
        m |= lance_da_mate;
    // The squares whose occupancy the candidate changed.
    segundo_lance(m, c.de, c.para, bit(c.de) | (candidato.capturada() == VAZIO ? bit(c.para) : 0));
}

void MotorDeRegras::alinha_dama_rei(Marcas& m) {
    const Tabuleiro& t = tabuleiro_;
    const Casas damas = t.com_codigo(DAMA), reis = t.com_codigo(REI);
    if (damas == 0 || reis == 0) return;
    // Could a player's bishop or rook on the queen's square reach the king?
    const int q = maior_casa(damas), r = maior_casa(reis);
    const Geometria& g = GEOMETRIA;
    if ((g.diagonal[q][r] || g.reta[q][r]) && !(g.entre[q][r] & t.ocupadas())) m |= alinha;
}

// The player's replies to the candidate (i, j) on the board, and what each
// allows. `mudou` holds the squares whose occupancy the candidate changed.
// Kept as one function: it is the pass's inner loop, run once per candidate,
// and its steps share the attack sets and the squares computed at its top;
// split up, they would pass a dozen of them around or compute them again.
void MotorDeRegras::segundo_lance(Marcas& m, int i, int j, Casas mudou) {
    Tabuleiro& t = tabuleiro_;
    const Geometria& g = GEOMETRIA;
    const Casas ocupadas = t.ocupadas(), minhas = t.pecas_da_maquina(), dele = t.pecas_do_jogador();

    // The player's pieces whose threat table is not marked yet.
    Casas alvos = 0;
    for (const Ameaca& a : AMEACAS)
        if (!(m & a.marca)) alvos |= t.com_codigo(a.codigo);
    for (Casas s = alvos; s; s &= s - 1) atacantes_[menor_casa(s)] = 0;

    // What the computer's pieces attack after the candidate: all of them, its
    // sliders alone, and for each of those player's pieces, its attackers.
    Casas atacadas = 0, por_deslizantes = 0;
    for (int a = 0; a < maquina_.n; ++a) {
        const Alcances::Peca& x = maquina_.lista[a];
        const int casa = x.casa == i ? j : x.casa;
        const Casas alcance = x.casa == i ? t.alcance(j) : maquina_.atual(t, x, mudou);
        atacadas |= alcance;
        if (x.deslizante) por_deslizantes |= alcance;
        for (Casas s = alcance & alvos; s; s &= s - 1) atacantes_[menor_casa(s)] |= bit(casa);
    }
    const Casas alvos_atacados = alvos & atacadas;
    // Marks the threat to the piece on s, and drops the pieces of its kind.
    const auto ameaca = [&](int s) {
        const int codigo = t[s];
        for (const Ameaca& a : AMEACAS)
            if (a.codigo == codigo) m |= a.marca;
        alvos &= ~t.com_codigo(codigo);
    };

    // The computer's king and the lines from it.
    const Casas reis = t.com_codigo(REI);
    const int rei = reis ? maior_casa(reis) : 0;
    // With no king nothing checks: every set stays empty.
    const Casas diagonais_do_rei = rei ? diagonais(rei, ocupadas) : 0;
    const Casas retas_do_rei = rei ? retas(rei, ocupadas) : 0;
    const Casas xeque_de_peao = rei ? g.peao_ataca_de[1][rei] : 0;
    const Casas xeque_de_cavalo = rei ? g.cavalo[rei] : 0;
    const Casas xeque_de_rei = rei ? g.rei[rei] : 0;

    Casas todos_os_destinos = 0, destinos_de_peoes = 0;

    const Casas em_diagonal = t.com_codigo(BISPO) | t.com_codigo(DAMA);
    const Casas em_reta = t.com_codigo(TORRE) | t.com_codigo(DAMA);
    const Casas tocadas = bit(i) | bit(j);
    for (int p = 0; p < jogador_.n; ++p) {
        const Alcances::Peca& peca = jogador_.lista[p];
        const int k = peca.casa;
        if (k == j) continue; // taken by the candidate
        const Casas destinos = peca.peao ? (peca.depende & tocadas ? t.destinos(k) : peca.destinos)
                                         : jogador_.atual(t, peca, mudou) & ~dele;
        if (destinos == 0) continue;
        posicoes_examinadas_ += numero_de_casas(destinos);
        todos_os_destinos |= destinos;
        if (peca.peao) destinos_de_peoes |= destinos;
        const int codigo = peca.codigo;

        // The squares from which this piece, once it has left k, attacks the
        // computer's king.
        Casas xeque = 0;
        if (!peca.deslizante) {
            xeque = peca.peao                ? xeque_de_peao
                    : tipo(codigo) == CAVALO ? xeque_de_cavalo
                                             : xeque_de_rei;
        } else {
            if (peca.diagonal)
                xeque = contem(diagonais_do_rei, k) ? diagonais(rei, ocupadas & ~bit(k))
                                                    : diagonais_do_rei;
            if (peca.reta)
                xeque |= contem(retas_do_rei, k) ? retas(rei, ocupadas & ~bit(k)) : retas_do_rei;
        }

        // Threats need every reply looked at; otherwise only the captures and
        // the checks can mark anything. What leaving k uncovers: the lines of
        // the computer's sliders that attack k, beyond k up to the next piece.
        Casas descobertas = 0;
        bool ameacas = false;
        if (const Casas abertos = alvos & ~bit(k); abertos) {
            if (contem(por_deslizantes, k)) {
                const Casas d = diagonais(k, ocupadas), r = retas(k, ocupadas);
                for (Casas a = (d & em_diagonal) | (r & em_reta); a; a &= a - 1)
                    descobertas |= g.alem[menor_casa(a)][k] & (d | r);
            }
            ameacas = (abertos & alvos_atacados) || (abertos & descobertas);
        }
        for (Casas d = ameacas ? destinos : destinos & (minhas | xeque); d; d &= d - 1) {
            const int l = menor_casa(d);
            const int tomada = t[l];

            // What the reply wins. A pawn is lost unless some computer piece,
            // the king included, retakes on l; a bishop, knight, rook or queen
            // unless the capturer is worth at least as much and a computer
            // piece other than the king retakes.
            if (tomada == REI) {
                m |= jogada_perder;
            } else if (tomada == PEAO) {
                if (!(m & jogada_perdep) && !t.atacantes(l, true, ocupadas & ~bit(k)))
                    m |= jogada_perdep;
            } else if (const Marcas perda = perde(tomada); perda && !(m & perda)) {
                if (codigo > -tomada || !(t.atacantes(l, true, ocupadas & ~bit(k)) & ~reis))
                    m |= perda;
            }

            // What a follow-up could take, on any square but l: a piece the
            // computer attacks now, unless the reply took or blocked every
            // attacker, or one the reply uncovers by leaving k.
            if (const Casas abertos = alvos & ~bit(k); abertos) {
                for (Casas s = abertos & alvos_atacados; s; s &= s - 1) {
                    const int a = menor_casa(s);
                    for (Casas at = atacantes_[a] & ~bit(l); at; at &= at - 1)
                        if (!contem(g.entre[menor_casa(at)][a], l)) {
                            ameaca(a);
                            break;
                        }
                }
                const Casas depois = (ocupadas & ~bit(k)) | bit(l);
                for (Casas s = descobertas & alvos; s; s &= s - 1) {
                    const int a = menor_casa(s);
                    if (t.atacantes(a, true, depois) & ~bit(l)) ameaca(a);
                }
            }

            // Does the replying piece check the computer's king, and mate it?
            if (tomada != REI && contem(xeque, l)) {
                if (!(m & resposta_da_mate) && !fuga_do_rei(rei, k, l, codigo)) {
                    LanceDeTeste resposta(t, k, l);
                    if (mate()) m |= resposta_da_mate;
                }
                m |= expoem_a_xeque;
            }
        }
    }

    // A pawn of either side on its last row after some reply: the player's
    // pawn stays there, the computer's unless the reply takes it. Watched
    // once the computer has made six moves of a game from the ordinary start,
    // and from the first move of a game set up from outside.
    if (vigia_promocoes_ && todos_os_destinos) {
        const Casas peoes_dele_na_1 = t.com_codigo(-PEAO) & LINHA_1;
        const Casas meus_peoes_na_8 = t.com_codigo(PEAO) & LINHA_8;
        if (peoes_dele_na_1 || (destinos_de_peoes & LINHA_1)) m |= jogada_promove_humano;
        if (meus_peoes_na_8 && (varias(meus_peoes_na_8) || (todos_os_destinos & ~meus_peoes_na_8)))
            m |= jogada_promove_maquina;
    }
}

// After the candidate, with the reply from k to l by the piece `codigo` not
// yet played: can the computer's king on `rei`, the only one, step onto a
// square that no player's piece then attacks? Only a shortcut: when it finds
// no such square, the mate probe decides.
bool MotorDeRegras::fuga_do_rei(int rei, int k, int l, int codigo) {
    const Tabuleiro& t = tabuleiro_;
    if (varias(t.com_codigo(REI))) return false;
    const Casas minhas = t.pecas_da_maquina() & ~bit(l);
    const Casas depois = (t.ocupadas() & ~bit(k) & ~bit(rei)) | bit(l);
    for (Casas d = GEOMETRIA.rei[rei] & ~minhas; d; d &= d - 1) {
        const int e = menor_casa(d);
        ++posicoes_examinadas_;
        const Casas ocupadas = depois | bit(e);
        // The player's pieces but the one that moved, and none taken on e.
        if (t.atacantes(e, false, ocupadas) & ~bit(k) & ~bit(e)) continue;
        if (e != l && Tabuleiro::ataca(codigo, l, e, ocupadas)) continue;
        return true;
    }
    return false;
}

// After the candidate and a checking reply: does every follow-up leave the
// computer's king attackable?
bool MotorDeRegras::mate() { return sem_fuga(REI); }

// After a candidate that attacks the player's king: does every reply leave
// the player's king attackable?
bool MotorDeRegras::mate_ele2() { return sem_fuga(-REI); }

// Does every move of the side whose king has code `rei` leave some piece of
// that code attackable? The king's moves are tried first, and with one king
// they are judged without being played: its target square is safe when no
// opposing piece but the one taken there attacks it with the king gone from
// its square.
bool MotorDeRegras::sem_fuga(int rei) {
    Tabuleiro& t = tabuleiro_;
    const Casas reis = t.com_codigo(rei);
    if (reis && !varias(reis)) {
        const int r = menor_casa(reis);
        const Casas sem_rei = t.ocupadas() & ~reis;
        for (Casas d = t.destinos(r); d; d &= d - 1) {
            const int e = menor_casa(d);
            ++posicoes_examinadas_;
            if (!(t.atacantes(e, rei < 0, sem_rei | bit(e)) & ~bit(e))) return false;
        }
    } else if (alguma_fuga(t, reis, rei, posicoes_examinadas_)) {
        return false;
    }
    const Casas lado = rei > 0 ? t.pecas_da_maquina() : t.pecas_do_jogador();
    return !alguma_fuga(t, lado & ~reis, rei, posicoes_examinadas_);
}

} // namespace quelmaro
