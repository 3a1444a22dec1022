#include "crypto/digitos_mensaje.hpp"

#include <algorithm>

namespace zefra {

std::optional<std::string_view> digitosDelMensaje(std::string_view mensaje) {
    while (!mensaje.empty() && (mensaje.back() == '\n' || mensaje.back() == '\r'))
        mensaje.remove_suffix(1);
    const bool digitos =
        std::all_of(mensaje.begin(), mensaje.end(), [](char c) { return c >= '0' && c <= '9'; });
    if (!digitos) return std::nullopt;
    return mensaje;
}

}  // namespace zefra
