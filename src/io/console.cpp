#include "io/console.hpp"

#include <algorithm>
#include <cctype>
#include <charconv>

namespace quelmaro {

std::optional<int> Console::numero() {
    const std::string s = linha();
    std::size_t a = 0, b = s.size();
    while (a < b && std::isspace(static_cast<unsigned char>(s[a]))) ++a;
    while (b > a && std::isspace(static_cast<unsigned char>(s[b - 1]))) --b;
    if (a < b && s[a] == '+') ++a;
    int valor = 0;
    auto [fim, erro] = std::from_chars(s.data() + a, s.data() + b, valor);
    if (a == b || erro != std::errc() || fim != s.data() + b) return std::nullopt;
    return valor;
}

std::string Console::linha() {
    if (!resto_) return le_linha();
    std::string s = inicio_ == 0 ? std::move(*resto_) : resto_->substr(inicio_);
    resto_.reset();
    inicio_ = 0;
    return s;
}

// The cut line stays whole; its pieces are copied from where the last one
// ended, so that a long line costs its length, not the square of it.
std::string Console::pedaco(std::size_t limite) {
    if (!resto_) {
        std::string s = le_linha();
        if (s.size() <= limite) return s;
        resto_ = std::move(s);
    }
    const std::size_t n = std::min(limite, resto_->size() - inicio_);
    std::string s = resto_->substr(inicio_, n);
    inicio_ += n;
    if (inicio_ == resto_->size()) {
        resto_.reset();
        inicio_ = 0;
    }
    return s;
}

char Console::tecla() {
    if (resto_)
        for (char c : linha())
            if (!std::isspace(static_cast<unsigned char>(c))) return c;
    return le_tecla();
}

char Console::resposta() {
    for (char c = tecla();; c = le_tecla())
        if (!std::isspace(static_cast<unsigned char>(c))) return c;
}

std::string ConsoleDeFluxo::le_linha() {
    if (quebrar_) quebrada_.flush();
    std::string s;
    if (!std::getline(entrada_, s)) throw FimDoPrograma{};
    if (!s.empty() && s.back() == '\r') s.pop_back();
    return s;
}

char ConsoleDeFluxo::le_tecla() {
    if (quebrar_) quebrada_.flush();
    for (;;) {
        for (char c : linha())
            if (!std::isspace(static_cast<unsigned char>(c))) return c;
    }
}

} // namespace quelmaro
