#include "io/hoje.hpp"

#include <ctime>

namespace quelmaro {

std::string hoje() {
    const std::time_t agora = std::time(nullptr);
    std::tm local{};
    localtime_r(&agora, &local);
    char texto[16];
    std::strftime(texto, sizeof texto, "%Y.%m.%d", &local);
    return texto;
}

} // namespace quelmaro
