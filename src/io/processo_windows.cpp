// The program's edge with Windows: the wide command line, binary standard
// streams, the console's output code page, Ctrl+C and Ctrl+Break.
#ifdef _WIN32

#include "io/processo.hpp"

#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <shellapi.h>

#include "io/texto_largo.hpp"

namespace quelmaro {
namespace {

// The console's output code page before the program set UTF-8, 0 when it
// did not set it.
volatile UINT pagina_original = 0;

void restaura_pagina() {
    if (const UINT p = pagina_original) {
        SetConsoleOutputCP(p);
        pagina_original = 0;
    }
}

// Ctrl+C, Ctrl+Break or the window closing: the console's code page back as
// it was, then the system's own handling (which ends the program).
BOOL WINAPI ao_fim(DWORD) {
    restaura_pagina();
    return FALSE;
}

BOOL WINAPI ignora(DWORD evento) { return evento == CTRL_C_EVENT || evento == CTRL_BREAK_EVENT; }

} // namespace

Processo::Processo(int argc, char** argv) {
    int n = 0;
    if (wchar_t** largos = CommandLineToArgvW(GetCommandLineW(), &n)) {
        for (int i = 0; i < n; ++i) argumentos_.push_back(para_utf8(largos[i]));
        LocalFree(largos);
    }
    if (argumentos_.empty()) argumentos_.assign(argv, argv + argc);
    for (const std::string& a : argumentos_) ponteiros_.push_back(a.c_str());
    ponteiros_.push_back(nullptr);

    for (std::FILE* f : {stdin, stdout, stderr}) _setmode(_fileno(f), _O_BINARY);
    DWORD modo;
    if (GetConsoleMode(GetStdHandle(STD_OUTPUT_HANDLE), &modo)) {
        pagina_original = GetConsoleOutputCP();
        SetConsoleOutputCP(CP_UTF8);
        SetConsoleCtrlHandler(ao_fim, TRUE);
    }
}

Processo::~Processo() {
    std::fflush(stdout);
    restaura_pagina();
}

void Processo::ignora_interrupcoes() {
    std::signal(SIGINT, SIG_IGN);
    std::signal(SIGBREAK, SIG_IGN);
    SetConsoleCtrlHandler(ignora, TRUE);
}

} // namespace quelmaro

#endif
