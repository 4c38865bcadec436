// Every allocation of a program that links tests/alocacoes.cpp is counted,
// so that the test suite and the benchmark can tell that a pass makes none.
#pragma once

namespace quelmaro::teste {

extern long alocacoes;

} // namespace quelmaro::teste
