// Windows only: text between the program's bytes (UTF-8) and the wide
// characters of the Windows API, for file names, the command line and the
// console.
#pragma once
#ifdef _WIN32

#include <optional>
#include <string>
#include <string_view>

namespace quelmaro {

// The wide form of `texto`: read as UTF-8, or, when it is not valid UTF-8,
// in the system's ANSI code page (the bytes of a file written by an older
// Windows editor). nullopt when it holds a NUL or converts to nothing.
std::optional<std::wstring> para_largo(std::string_view texto);

// The UTF-8 form of wide text (an unpaired surrogate becomes U+FFFD).
std::string para_utf8(std::wstring_view texto);

} // namespace quelmaro

#endif
