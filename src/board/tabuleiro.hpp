// The one board of the program and the movement test shared by both sides.
#pragma once

#include <array>
#include <cassert>
#include <cstdint>

#include "board/casas.hpp"
#include "board/geometria.hpp"
#include "board/pecas.hpp"

namespace quelmaro {

class Tabuleiro {
  public:
    // The code on square n (1..64).
    int operator[](int n) const {
        assert(casa_valida(n));
        return casas_[n];
    }
    // Writes a code on square n, keeping the occupancy sets and the material sum.
    void poe(int n, int codigo) {
        assert(casa_valida(n));
        const int antigo = casas_[n];
        soma_ += codigo - antigo;
        casas_[n] = codigo;
        por_codigo_[indice(antigo)] &= ~bit(n);
        por_codigo_[indice(codigo)] |= bit(n);
        maquina_ = (maquina_ & ~bit(n)) | (codigo > 0 ? bit(n) : 0);
        jogador_ = (jogador_ & ~bit(n)) | (codigo < 0 ? bit(n) : 0);
    }

    void limpa();
    // The ordinary starting position, seen from the computer's side.
    void posicao_inicial(bool jogador_tem_brancas);

    // Material balance: the sum of the 64 codes, computer minus player.
    int soma() const { return soma_; }
    Casas pecas_da_maquina() const { return maquina_; }
    Casas pecas_do_jogador() const { return jogador_; }
    Casas ocupadas() const { return maquina_ | jogador_; }
    // Squares holding exactly this code (none for a code that is not a piece).
    Casas com_codigo(int codigo) const {
        const int k = indice(codigo);
        return k == 0 ? 0 : por_codigo_[k];
    }

    // May the piece on `de` move to `para` by its own movement rules? No check
    // test, no castling, no capture in passing; never onto one's own piece.
    // With a king's square as `para` this is the attack test.
    bool validade(int de, int para) const;
    // Every square `para` for which validade(de, para) holds.
    Casas destinos(int de) const;
    // Every square `de` for which validade(de, alvo) holds, for an occupied
    // `alvo`: the opposing pieces that attack the piece standing there.
    Casas atacantes(int alvo) const;
    // The pieces of the computer (`da_maquina`) or of the player that would
    // attack `alvo`, were an opposing piece standing there, with the squares
    // `ocupadas` occupied instead of the board's own (the pieces stay where
    // they are; a piece on `alvo` itself never counts).
    Casas atacantes(int alvo, bool da_maquina, Casas ocupadas) const {
        const Geometria& g = GEOMETRIA;
        const int s = da_maquina ? 1 : -1;
        const Casas em_diagonal = com_codigo(s * BISPO) | com_codigo(s * DAMA);
        const Casas em_reta = com_codigo(s * TORRE) | com_codigo(s * DAMA);
        return (g.peao_ataca_de[da_maquina ? 0 : 1][alvo] & com_codigo(s * PEAO)) |
               (g.cavalo[alvo] & com_codigo(s * CAVALO)) | (g.rei[alvo] & com_codigo(s * REI)) |
               (em_diagonal ? diagonais(alvo, ocupadas) & em_diagonal : 0) |
               (em_reta ? retas(alvo, ocupadas) & em_reta : 0);
    }
    // The squares the piece on `de` attacks: an opposing piece standing on one
    // of them passes validade from `de`, and no other does. (Pawns: the two
    // diagonal squares ahead; sliders: up to the first piece of either side.)
    Casas alcance(int de) const {
        const Geometria& g = GEOMETRIA;
        const int p = casas_[de];
        switch (tipo(p)) {
        case PEAO: return g.peao_ataca[p > 0 ? 0 : 1][de];
        case CAVALO: return g.cavalo[de];
        case REI: return g.rei[de];
        case BISPO: return diagonais(de, ocupadas());
        case TORRE: return retas(de, ocupadas());
        case DAMA: return diagonais(de, ocupadas()) | retas(de, ocupadas());
        default: return 0;
        }
    }
    // Would a piece of code `codigo` on `de` attack `para`, were an opposing
    // piece standing there, with the squares `ocupadas` occupied?
    static bool ataca(int codigo, int de, int para, Casas ocupadas) {
        const Geometria& g = GEOMETRIA;
        const auto livre = [&] { return (g.entre[de][para] & ocupadas) == 0; };
        switch (tipo(codigo)) {
        case PEAO: return contem(g.peao_ataca[codigo > 0 ? 0 : 1][de], para);
        case CAVALO: return contem(g.cavalo[de], para);
        case REI: return contem(g.rei[de], para);
        case BISPO: return g.diagonal[de][para] && livre();
        case TORRE: return g.reta[de][para] && livre();
        case DAMA: return (g.diagonal[de][para] || g.reta[de][para]) && livre();
        default: return false;
        }
    }
    // Does some piece standing on one of `origens` pass validade onto `alvo`?
    bool alcancada(Casas origens, int alvo) const {
        bool sim = false;
        para_cada_casa(origens, [&](int o) { sim = sim || validade(o, alvo); });
        return sim;
    }

    bool operator==(const Tabuleiro& outro) const { return casas_ == outro.casas_; }

  private:
    friend class LanceDeTeste;
    bool peao(int de, int para) const;

    // Moves the code `movida` from `de` onto `para`, which holds `capturada`,
    // or takes that move back: the same exchange of bits both ways.
    void troca(int de, int para, int movida, int capturada) {
        const Casas ambas = bit(de) | bit(para);
        if (movida != VAZIO) {
            por_codigo_[indice(movida)] ^= ambas;
            (movida > 0 ? maquina_ : jogador_) ^= ambas;
        }
        if (capturada != VAZIO) {
            por_codigo_[indice(capturada)] ^= bit(para);
            (capturada > 0 ? maquina_ : jogador_) ^= bit(para);
        }
    }

    // Slot of a code in por_codigo_: 0 for empty and for codes that are not
    // pieces, 1..6 for the computer's pawn..king, 7..12 for the player's.
    static constexpr int indice(int codigo) {
        int k = 0;
        switch (tipo(codigo)) {
        case PEAO: k = 1; break;
        case BISPO: k = 2; break;
        case CAVALO: k = 3; break;
        case TORRE: k = 4; break;
        case DAMA: k = 5; break;
        case REI: k = 6; break;
        default: return 0;
        }
        return codigo > 0 ? k : k + 6;
    }

    std::array<std::int32_t, 65> casas_{}; // index 0 is never used
    std::array<Casas, 13> por_codigo_{};   // squares by code; slot 0 unused
    Casas maquina_ = 0;
    Casas jogador_ = 0;
    int soma_ = 0;
};

// A move tried on the board and always taken back: the destructor restores
// both squares, whatever path leaves the scope.
class LanceDeTeste {
  public:
    LanceDeTeste(Tabuleiro& t, int de, int para)
        : t_(t), de_(de), para_(para), movida_(t[de]), capturada_(t[para]) {
        assert(de != para);
        t_.troca(de_, para_, movida_, capturada_);
        t_.casas_[de_] = VAZIO;
        t_.casas_[para_] = movida_;
        t_.soma_ -= capturada_;
    }
    ~LanceDeTeste() {
        t_.troca(de_, para_, movida_, capturada_);
        t_.casas_[para_] = capturada_;
        t_.casas_[de_] = movida_;
        t_.soma_ += capturada_;
    }
    LanceDeTeste(const LanceDeTeste&) = delete;
    LanceDeTeste& operator=(const LanceDeTeste&) = delete;

    int movida() const { return movida_; }
    int capturada() const { return capturada_; }

  private:
    Tabuleiro& t_;
    int de_, para_, movida_, capturada_;
};

} // namespace quelmaro
