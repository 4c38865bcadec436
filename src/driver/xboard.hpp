// The build setting: False for the console build `quelmaro`, True for the
// engine build `quelmaro_xb` that an XBoard GUI drives.
#pragma once

namespace quelmaro {

struct Xboard {
    bool Winboard = false;
};

} // namespace quelmaro
