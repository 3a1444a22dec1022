#include "core/alphabets/activo.hpp"

#include "core/alphabets/predefinidos.hpp"

namespace zefra {

bool esPredefinido(std::string_view nombre) {
    return alfabetoPredefinido(nombre) != nullptr;
}

const Alfabeto* alfabetoLlamado(const RanurasAlfabeto& ranuras, std::string_view nombre) {
    if (const Alfabeto* predefinido = alfabetoPredefinido(nombre)) return predefinido;
    const auto ranura = ranuraDe(ranuras, nombre);
    if (!ranura) return nullptr;
    return &ranuras[static_cast<std::size_t>(*ranura)].alfabeto;
}

bool fijaModulo(const RanurasAlfabeto& ranuras, AlfabetoActivo& activo) {
    // 28, 28, 55, 65 and 195 for the predefined ones.
    const Alfabeto* alfabeto = alfabetoLlamado(ranuras, activo.nombre);
    if (!alfabeto) return false;
    activo.modulo = moduloDe(*alfabeto);
    return true;
}

bool esActivo(const RanurasAlfabeto& ranuras, const AlfabetoActivo& activo, int ranura) {
    return ranuraDe(ranuras, activo.nombre) == ranura;
}

bool cierraAlfabeto(RanurasAlfabeto& ranuras, AlfabetoActivo& activo, int ranura) {
    const bool eraActivo = esActivo(ranuras, activo, ranura);
    liberaRanura(ranuras[static_cast<std::size_t>(ranura)]);
    if (!eraActivo) return false;
    activo.nombre = "a-z";
    fijaModulo(ranuras, activo);
    return true;
}

void renombraAlfabeto(RanurasAlfabeto& ranuras, AlfabetoActivo& activo, int ranura,
                      std::string nombre) {
    auto& r = ranuras[static_cast<std::size_t>(ranura)];
    if (esActivo(ranuras, activo, ranura)) activo.nombre = nombre;
    r.alfabeto.nombre = std::move(nombre);
    r.guardado = false;
}

}  // namespace zefra
