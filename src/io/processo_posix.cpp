// The program's edge with a POSIX system: argv as it is, SIGINT ignored.
#ifndef _WIN32

#include "io/processo.hpp"

#include <csignal>

namespace quelmaro {

Processo::Processo(int argc, char** argv) : argumentos_(argv, argv + argc) {
    for (const std::string& a : argumentos_) ponteiros_.push_back(a.c_str());
    ponteiros_.push_back(nullptr);
}

Processo::~Processo() = default;

void Processo::ignora_interrupcoes() { std::signal(SIGINT, SIG_IGN); }

} // namespace quelmaro

#endif
