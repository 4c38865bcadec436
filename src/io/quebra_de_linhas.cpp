#include "io/quebra_de_linhas.hpp"

namespace quelmaro {

std::size_t colunas(std::string_view texto) {
    std::size_t n = 0;
    for (unsigned char c : texto) n += (c & 0xC0) != 0x80;
    return n;
}

void QuebraDeLinhas::libera() {
    escreve(brancos_);
    escreve(palavra_);
    coluna_ += brancos_.size() + colunas_da_palavra_;
    brancos_.clear();
    palavra_.clear();
    colunas_da_palavra_ = 0;
}

QuebraDeLinhas::int_type QuebraDeLinhas::overflow(int_type c) {
    if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
    const char ch = traits_type::to_char_type(c);
    if (!linha_comecada_) {
        largura_da_linha_ = limite_();
        linha_comecada_ = true;
    }
    if (ch == '\n') {
        libera();
        escreve("\n");
        coluna_ = 0;
        linha_comecada_ = false;
    } else if (ch == ' ') {
        if (!palavra_.empty()) libera();
        brancos_ += ch;
    } else {
        palavra_ += ch;
        colunas_da_palavra_ += (static_cast<unsigned char>(ch) & 0xC0) != 0x80;
        // The word does not fit after what the line holds: a new line for it.
        if (coluna_ > 0 && !brancos_.empty() &&
            coluna_ + brancos_.size() + colunas_da_palavra_ > largura_da_linha_) {
            escreve("\n");
            coluna_ = 0;
            brancos_.clear();
            largura_da_linha_ = limite_();
        }
    }
    return c;
}

int QuebraDeLinhas::sync() {
    libera();
    return destino_->pubsync();
}

} // namespace quelmaro
