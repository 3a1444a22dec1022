#include "core/alphabets/ranuras.hpp"

#include "core/alphabets/edicion.hpp"

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
        if (!ranura.libre && ranura.alfabeto.nombre == nombre) return i;
    }
    return std::nullopt;
}

std::optional<int> primeraRanuraLibre(const RanurasAlfabeto& ranuras) {
    for (int i = 0; i < kRanurasAlfabeto; ++i) {
        if (ranuras[static_cast<std::size_t>(i)].libre) return i;
    }
    return std::nullopt;
}

void ocupaRanura(RanuraAlfabeto& ranura, Alfabeto alfabeto, bool guardado) {
    igualaAnchos(alfabeto.equivalencias);
    alfabeto.filasPorPar = kFilasAlfabeto;
    ranura.alfabeto = std::move(alfabeto);
    ranura.libre = false;
    ranura.guardado = guardado;
}

void liberaRanura(RanuraAlfabeto& ranura) {
    ranura.alfabeto = {};
    ranura.guardado = false;
    ranura.libre = true;
}

}  // namespace zefra
