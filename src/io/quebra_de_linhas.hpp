// Text written in lines that fit the screen: a line longer than the width is
// broken at its last blank that lets the part before it fit, the blanks
// there dropped. A word longer than the whole width stays whole. Columns are
// counted one per character of UTF-8 text.
#pragma once

#include <cstddef>
#include <functional>
#include <streambuf>
#include <string>
#include <string_view>

namespace quelmaro {

// The columns of UTF-8 text on the screen: one per character.
std::size_t colunas(std::string_view texto);

// A stream buffer that passes its text on to `destino` in lines of at most
// `limite()` columns, asked at the start of every line (a terminal may be
// resized between two lines). Only the blanks and the word after the last
// blank written are held back; flushing writes them out.
class QuebraDeLinhas : public std::streambuf {
  public:
    QuebraDeLinhas(std::streambuf* destino, std::function<std::size_t()> limite)
        : destino_(destino), limite_(std::move(limite)) {}
    ~QuebraDeLinhas() override { libera(); }
    QuebraDeLinhas(const QuebraDeLinhas&) = delete;
    QuebraDeLinhas& operator=(const QuebraDeLinhas&) = delete;

  protected:
    int_type overflow(int_type c) override;
    int sync() override;

  private:
    // Writes out what is held back, on the line as it stands.
    void libera();
    void escreve(std::string_view texto) {
        destino_->sputn(texto.data(), static_cast<std::streamsize>(texto.size()));
    }

    std::streambuf* destino_;
    std::function<std::size_t()> limite_;
    std::size_t largura_da_linha_ = 0; // the limit in force on this line
    std::size_t coluna_ = 0;           // columns written on this line
    bool linha_comecada_ = false;
    std::string brancos_, palavra_; // held back
    std::size_t colunas_da_palavra_ = 0;
};

} // namespace quelmaro
