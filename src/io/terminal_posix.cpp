// The real terminal on POSIX systems (termios).
#ifndef _WIN32

#include "io/terminal.hpp"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <iostream>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace quelmaro {
namespace {

termios modo_original;
volatile std::sig_atomic_t em_modo_cru = 0;

void restaura_terminal() {
    if (em_modo_cru) {
        tcsetattr(STDIN_FILENO, TCSANOW, &modo_original);
        em_modo_cru = 0;
    }
}

// A signal that arrives while the terminal is raw restores it before the
// program ends the way the signal asks.
void ao_sinal(int sinal) {
    restaura_terminal();
    std::signal(sinal, SIG_DFL);
    std::raise(sinal);
}

// Raw mode for the lifetime of the object.
class ModoCru {
  public:
    ModoCru() {
        tcgetattr(STDIN_FILENO, &modo_original);
        termios cru = modo_original;
        cru.c_lflag &= ~static_cast<tcflag_t>(ICANON | ECHO);
        cru.c_cc[VMIN] = 1;
        cru.c_cc[VTIME] = 0;
        em_modo_cru = 1;
        tcsetattr(STDIN_FILENO, TCSANOW, &cru);
    }
    ~ModoCru() { restaura_terminal(); }
    ModoCru(const ModoCru&) = delete;
    ModoCru& operator=(const ModoCru&) = delete;
};

// Under WebAssembly isatty answers 1 for any standard input, piped or not:
// there the input is read as a stream's.
bool e_terminal() {
#ifdef __EMSCRIPTEN__
    return false;
#else
    return isatty(STDIN_FILENO) != 0;
#endif
}

} // namespace

ConsoleDeTerminal::ConsoleDeTerminal()
    : ConsoleDeFluxo(std::cin, std::cout), terminal_(e_terminal()) {
    if (terminal_) {
        for (int s : {SIGINT, SIGTERM, SIGHUP, SIGQUIT})
            if (std::signal(s, ao_sinal) == SIG_IGN) std::signal(s, SIG_IGN);
    }
}

std::size_t ConsoleDeTerminal::largura() {
    if (const auto n = largura_de_columns(std::getenv("COLUMNS"))) return *n;
    winsize w{};
    if (isatty(STDOUT_FILENO) && ioctl(STDOUT_FILENO, TIOCGWINSZ, &w) == 0 && w.ws_col > 0)
        return w.ws_col;
    return LARGURA_PADRAO;
}

std::string ConsoleDeTerminal::le_linha() { return ConsoleDeFluxo::le_linha(); }

char ConsoleDeTerminal::le_tecla() {
    // Characters already read past the last line are keys in waiting.
    if (!terminal_ || std::cin.rdbuf()->in_avail() > 0) return ConsoleDeFluxo::le_tecla();
    saida().flush();
    ModoCru cru;
    char c = 0;
    for (;;) {
        ssize_t n = read(STDIN_FILENO, &c, 1);
        if (n == 1) return c;
        if (n == 0 || errno != EINTR) throw FimDoPrograma{};
    }
}

} // namespace quelmaro

#endif
