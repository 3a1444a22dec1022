// Loading the active alphabet for a cryptosystem window, at the start of its first step.
#pragma once

#include <optional>

#include "core/alphabets/activo.hpp"

namespace zefra {

// The alphabet a window has loaded, its modulus n and the width of its code blocks.
struct AlfabetoCargado {
    Alfabeto alfabeto;
    double modulo;
    int ancho;
};

// The active alphabet (a predefined one from its builder, a user alphabet as its slot holds it),
// with its modulus set as the active one's. Nothing, with the modulus unchanged, when the
// active name names no alphabet. The window layer shows the alphabet in its grids and announces
// the modulus.
std::optional<AlfabetoCargado> cargaAlfabetoActivo(const RanurasAlfabeto& ranuras,
                                                   AlfabetoActivo& activo);

// What a window says when the active alphabet names no alphabet it could load.
inline constexpr const char* kMensajeAlfabetoNoCargado =
    "El alfabeto activo no está cargado en el programa.";

// The private-key window, the public-key window and the private-key window of user alphabets.
inline std::optional<AlfabetoCargado> preparaCripPrivada(const RanurasAlfabeto& ranuras,
                                                         AlfabetoActivo& activo) {
    return cargaAlfabetoActivo(ranuras, activo);
}
inline std::optional<AlfabetoCargado> preparaCripPublica(const RanurasAlfabeto& ranuras,
                                                         AlfabetoActivo& activo) {
    return cargaAlfabetoActivo(ranuras, activo);
}
inline std::optional<AlfabetoCargado> preparaPrivadaUsuario(const RanurasAlfabeto& ranuras,
                                                            AlfabetoActivo& activo) {
    return cargaAlfabetoActivo(ranuras, activo);
}

}  // namespace zefra
