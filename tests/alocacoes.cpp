// The replaceable global allocation functions, counting each allocation.
#include "alocacoes.hpp"

#include <cstdlib>
#include <new>

long quelmaro::teste::alocacoes = 0;

void* operator new(std::size_t n) {
    ++quelmaro::teste::alocacoes;
    if (void* p = std::malloc(n ? n : 1)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
