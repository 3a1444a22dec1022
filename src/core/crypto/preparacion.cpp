#include "core/crypto/preparacion.hpp"

#include "core/crypto/transcripcion.hpp"

namespace zefra {

std::optional<AlfabetoCargado> cargaAlfabetoActivo(const RanurasAlfabeto& ranuras,
                                                   AlfabetoActivo& activo) {
    const Alfabeto* alfabeto = alfabetoLlamado(ranuras, activo.nombre);
    if (!alfabeto) return std::nullopt;
    AlfabetoCargado cargado{*alfabeto, moduloDe(*alfabeto), anchoBloque(*alfabeto)};
    activo.modulo = cargado.modulo;
    return cargado;
}

}  // namespace zefra
