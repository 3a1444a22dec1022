#include "alphabets/ranuras.hpp"

namespace zefra {

std::vector<int> alfabetosEnPeligro(const RanurasAlfabeto& ranuras) {
    std::vector<int> enPeligro;
    for (int i = 0; i < kRanurasAlfabeto; ++i) {
        const auto& ranura = ranuras[static_cast<std::size_t>(i)];
        if (!ranura.libre && !ranura.guardado) enPeligro.push_back(i);
    }
    return enPeligro;
}

std::optional<int> ranuraDe(const RanurasAlfabeto& ranuras, std::string_view nombre) {
    for (int i = 0; i < kRanurasAlfabeto; ++i) {
        const auto& ranura = ranuras[static_cast<std::size_t>(i)];
        if (!ranura.libre && ranura.nombre == nombre) return i;
    }
    return std::nullopt;
}

}  // namespace zefra
