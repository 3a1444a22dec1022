// Loading the active alphabet into the conversion grids of a cryptosystem window, at the start
// of its first step.
#pragma once

#include <initializer_list>
#include <optional>

#include "core/estado.hpp"

namespace zefra {

// The table a window has loaded: its modulus n and the width of its code blocks.
struct TablaCargada {
    double modulo;
    int ancho;
};

// Empties the grids, writes the active alphabet into each of them (a predefined one from its
// builder, a user alphabet as a copy of its slot) and publishes its modulus. Nothing, with the
// grids left empty, when the active name names no alphabet.
std::optional<TablaCargada> cargaAlfabetoActivo(Estado& estado,
                                                std::initializer_list<Tabla*> tablas);

// What a window says when the active alphabet names no alphabet it could load.
inline constexpr const char* kMensajeAlfabetoNoCargado =
    "El alfabeto activo no está cargado en el programa.";

// The private-key window (both of its grids), the public-key window and the private-key window
// of user alphabets.
inline std::optional<TablaCargada> preparaCripPrivada(Estado& estado, Tabla& flexalfa1,
                                                      Tabla& flexAlfa3) {
    return cargaAlfabetoActivo(estado, {&flexalfa1, &flexAlfa3});
}
inline std::optional<TablaCargada> preparaCripPublica(Estado& estado, Tabla& flexalfa1) {
    return cargaAlfabetoActivo(estado, {&flexalfa1});
}
inline std::optional<TablaCargada> preparaPrivadaUsuario(Estado& estado, Tabla& flexalfa1) {
    return cargaAlfabetoActivo(estado, {&flexalfa1});
}

}  // namespace zefra
