// The one board of the program and the movement test shared by both sides.
#pragma once

#include <array>
#include <cassert>
#include <cstdint>

#include "board/pieces.hpp"
#include "board/squares.hpp"

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
        soma_ += codigo - casas_[n];
        casas_[n] = codigo;
        maquina_ &= ~bit(n);
        jogador_ &= ~bit(n);
        if (codigo > 0) maquina_ |= bit(n);
        if (codigo < 0) jogador_ |= bit(n);
    }

    void limpa();
    // The ordinary starting position, seen from the computer's side.
    void posicao_inicial(bool jogador_tem_brancas);

    // Material balance: the sum of the 64 codes, computer minus player.
    int soma() const { return soma_; }
    Casas pecas_da_maquina() const { return maquina_; }
    Casas pecas_do_jogador() const { return jogador_; }
    Casas ocupadas() const { return maquina_ | jogador_; }
    // Squares holding exactly this code.
    Casas com_codigo(int codigo) const;

    // May the piece on `de` move to `para` by its own movement rules? No check
    // test, no castling, no capture in passing; never onto one's own piece.
    // With a king's square as `para` this is the attack test.
    bool validade(int de, int para) const;
    // Every square `para` for which validade(de, para) holds.
    Casas destinos(int de) const;
    // Does some piece standing on one of `origens` pass validade onto `alvo`?
    bool alcancada(Casas origens, int alvo) const {
        bool sim = false;
        para_cada_casa(origens, [&](int o) { sim = sim || validade(o, alvo); });
        return sim;
    }

    bool operator==(const Tabuleiro& outro) const { return casas_ == outro.casas_; }

  private:
    bool peao(int de, int para) const;

    std::array<std::int32_t, 65> casas_{}; // index 0 is never used
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
        t_.poe(de_, VAZIO);
        t_.poe(para_, movida_);
    }
    ~LanceDeTeste() {
        t_.poe(para_, capturada_);
        t_.poe(de_, movida_);
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
