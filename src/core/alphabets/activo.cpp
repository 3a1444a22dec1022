#include "core/alphabets/activo.hpp"

#include "core/alphabets/predefinidos.hpp"
#include "core/estado.hpp"

namespace zefra {

bool esPredefinido(std::string_view nombre) {
    return alfabetoPredefinido(nombre) != nullptr;
}

void publicaModulo(Estado& estado, double n) {
    estado.alfabeto.modulo = n;
    Observadores::avisa(estado.observadores.moduloAlfabeto, n);
}

bool fijaModulo(Estado& estado) {
    const std::string& nombre = estado.alfabeto.nombre;
    if (const Alfabeto* predefinido = alfabetoPredefinido(nombre)) {
        // 28, 28, 55, 65 and 195.
        publicaModulo(estado, moduloDe(*predefinido));
        return true;
    }
    const auto ranura = ranuraDe(estado.ranuras, nombre);
    if (!ranura) return false;
    publicaModulo(estado, moduloDe(estado.ranuras[static_cast<std::size_t>(*ranura)].tabla));
    return true;
}

bool esActivo(const Estado& estado, int ranura) {
    return ranuraDe(estado.ranuras, estado.alfabeto.nombre) == ranura;
}

bool cierraAlfabeto(Estado& estado, int ranura) {
    const bool activo = esActivo(estado, ranura);
    liberaRanura(estado.ranuras[static_cast<std::size_t>(ranura)]);
    if (!activo) return false;
    estado.alfabeto.nombre = "a-z";
    fijaModulo(estado);
    return true;
}

void renombraAlfabeto(Estado& estado, int ranura, std::string nombre) {
    auto& r = estado.ranuras[static_cast<std::size_t>(ranura)];
    if (esActivo(estado, ranura)) estado.alfabeto.nombre = nombre;
    r.nombre = std::move(nombre);
    r.guardado = false;
}

}  // namespace zefra
