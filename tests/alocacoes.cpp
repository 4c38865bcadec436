// The replaceable global allocation functions, counting each allocation.
// Every form that takes memory is replaced, not only the plain one: memory
// from a form left to the library (std::stable_sort's nothrow buffer, say)
// would otherwise come back through the replaced delete below.
#include "alocacoes.hpp"

#include <cstdlib>
#include <new>

long quelmaro::teste::alocacoes = 0;

namespace {
void* aloca(std::size_t n) noexcept {
    ++quelmaro::teste::alocacoes;
    return std::malloc(n ? n : 1);
}
} // namespace

void* operator new(std::size_t n) {
    if (void* p = aloca(n)) return p;
    throw std::bad_alloc();
}
void* operator new[](std::size_t n) {
    if (void* p = aloca(n)) return p;
    throw std::bad_alloc();
}
void* operator new(std::size_t n, const std::nothrow_t&) noexcept { return aloca(n); }
void* operator new[](std::size_t n, const std::nothrow_t&) noexcept { return aloca(n); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { std::free(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { std::free(p); }
