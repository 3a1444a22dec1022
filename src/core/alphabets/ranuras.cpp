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
        if (!ranura.libre && ranura.nombre == nombre) return i;
    }
    return std::nullopt;
}

std::optional<int> primeraRanuraLibre(const RanurasAlfabeto& ranuras) {
    for (int i = 0; i < kRanurasAlfabeto; ++i) {
        if (ranuras[static_cast<std::size_t>(i)].libre) return i;
    }
    return std::nullopt;
}

void ocupaRanura(RanuraAlfabeto& ranura, std::string nombre, const Tabla& tabla, bool guardado) {
    copiaTabla(tabla, ranura.tabla);
    igualaAnchos(ranura.tabla);
    ranura.nombre = std::move(nombre);
    ranura.libre = false;
    ranura.guardado = guardado;
}

void ocupaRanura(RanuraAlfabeto& ranura, const Alfabeto& alfabeto, bool guardado) {
    Tabla tabla = tablaAlfabeto();
    fijaEquivalencias(tabla, alfabeto.equivalencias);
    ocupaRanura(ranura, alfabeto.nombre, tabla, guardado);
}

void liberaRanura(RanuraAlfabeto& ranura) {
    limpiaTabla(ranura.tabla);
    ranura.nombre.clear();
    ranura.guardado = false;
    ranura.libre = true;
}

}  // namespace zefra
