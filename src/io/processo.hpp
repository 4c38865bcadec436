// The program's edge with the system, set up first thing in main: its
// command-line arguments, the standard streams, the console, interrupts and
// the exit status. The same calls on every system; the Windows side is in
// processo_windows.cpp, the POSIX one in processo_posix.cpp.
#pragma once

#include <string>
#include <vector>

namespace quelmaro {

class Processo {
  public:
    // On Windows: the arguments as the command line gave them, in UTF-8 (the
    // narrow argv is in the ANSI code page, which loses letters); standard
    // input, output and error in binary mode, so that the output is the same
    // bytes as elsewhere (lines end in LF, which consoles and GUIs take) and
    // a byte 0x1A in the input does not end it; a console window's output in
    // UTF-8 for as long as the program runs. Elsewhere argv as it is.
    Processo(int argc, char** argv);
    ~Processo();
    Processo(const Processo&) = delete;
    Processo& operator=(const Processo&) = delete;

    int argc() const { return static_cast<int>(ponteiros_.size()) - 1; }
    const char* const* argv() const { return ponteiros_.data(); }

    // The engine build: a GUI interrupts its engine (SIGINT; on Windows the
    // console's Ctrl+C and Ctrl+Break events), which must not end it.
    static void ignora_interrupcoes();

    // The exit status to return from main: `status`, or 1 when it is 0 but
    // standard output could not be written whole (a full disk, a closed
    // pipe), so that the failure is not reported as success.
    static int status_de_saida(int status);

  private:
    std::vector<std::string> argumentos_;
    std::vector<const char*> ponteiros_; // argv's form, ending in a null pointer
};

} // namespace quelmaro
