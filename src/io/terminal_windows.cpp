// The real terminal on Windows: the console's own input when standard input
// is a console window.
#ifdef _WIN32

#include "io/terminal.hpp"

#include <cstdlib>
#include <iostream>
#include <windows.h>

#include "io/texto_largo.hpp"

namespace quelmaro {
namespace {

HANDLE entrada_padrao() { return GetStdHandle(STD_INPUT_HANDLE); }

bool e_console(HANDLE h) {
    DWORD modo;
    return h != INVALID_HANDLE_VALUE && h != nullptr && GetConsoleMode(h, &modo);
}

// Ctrl+Z, as the console's own programs take it at the start of a line: the
// end of input, like Ctrl+D on a POSIX terminal.
constexpr wchar_t FIM_DE_ENTRADA = 0x1a;

} // namespace

ConsoleDeTerminal::ConsoleDeTerminal()
    : ConsoleDeFluxo(std::cin, std::cout), terminal_(e_console(entrada_padrao())) {}

std::size_t ConsoleDeTerminal::largura() {
    if (const auto n = largura_de_columns(std::getenv("COLUMNS"))) return *n;
    CONSOLE_SCREEN_BUFFER_INFO info;
    if (GetConsoleScreenBufferInfo(GetStdHandle(STD_OUTPUT_HANDLE), &info) &&
        info.srWindow.Right >= info.srWindow.Left)
        return static_cast<std::size_t>(info.srWindow.Right - info.srWindow.Left + 1);
    return LARGURA_PADRAO;
}

// A line as the console edits it (echo, backspace, Enter), read in wide
// characters so that any letter the player types reaches the program in UTF-8
// whatever the console's code page.
std::string ConsoleDeTerminal::le_linha() {
    if (!terminal_) return ConsoleDeFluxo::le_linha();
    saida().flush();
    std::wstring linha;
    wchar_t bloco[256];
    for (;;) {
        DWORD n = 0;
        if (!ReadConsoleW(entrada_padrao(), bloco, 256, &n, nullptr)) throw FimDoPrograma{};
        linha.append(bloco, n); // n is 0 after a Ctrl+C the program ignores
        if (!linha.empty() && linha.back() == L'\n') break;
    }
    if (linha.front() == FIM_DE_ENTRADA) throw FimDoPrograma{};
    while (!linha.empty() && (linha.back() == L'\n' || linha.back() == L'\r')) linha.pop_back();
    return para_utf8(linha);
}

// One key press, without Enter and without echo. Keys that type no character
// (Shift, arrows, function keys) are passed over; a letter beyond ASCII gives
// the first byte of its UTF-8 form, which no one-key answer takes.
char ConsoleDeTerminal::le_tecla() {
    if (!terminal_) return ConsoleDeFluxo::le_tecla();
    saida().flush();
    for (;;) {
        INPUT_RECORD evento;
        DWORD n = 0;
        if (!ReadConsoleInputW(entrada_padrao(), &evento, 1, &n)) throw FimDoPrograma{};
        if (n != 1 || evento.EventType != KEY_EVENT || !evento.Event.KeyEvent.bKeyDown) continue;
        const wchar_t c = evento.Event.KeyEvent.uChar.UnicodeChar;
        if (c == 0) continue;
        if (c < 0x80) return static_cast<char>(c);
        return para_utf8(std::wstring_view(&c, 1)).front();
    }
}

} // namespace quelmaro

#endif
