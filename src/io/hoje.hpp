// Today's date, from the system clock.
#pragma once

#include <string>

namespace quelmaro {

// Today's date as YYYY.MM.DD, local time.
std::string hoje();

} // namespace quelmaro
