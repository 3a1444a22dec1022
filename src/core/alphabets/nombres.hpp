// The rules for the name of a user alphabet: it names exactly one alphabet, and it is a name the
// alphabet file can hold and give back.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/alphabets/ranuras.hpp"

namespace zefra {

// True for a predefined name or the name of a loaded user alphabet, compared exactly.
bool nombreAlfabetoUsado(const RanurasAlfabeto& ranuras, std::string_view nombre);

// The refusal of the name given to a newly defined alphabet, or nothing when it is accepted.
std::optional<std::string> rechazoNombreNuevo(const RanurasAlfabeto& ranuras,
                                              std::string_view nombre);

// The refusal of a new name for the alphabet loaded in slot `propia` (its own name is
// accepted), or nothing when it is accepted.
std::optional<std::string> rechazoCambioNombre(const RanurasAlfabeto& ranuras, int propia,
                                               std::string_view nombre);

// The refusal of a name already in use, when a new name is about to be applied.
inline constexpr const char* kMensajeNombreDeOtro =
    "Este nombre no es válido porque corresponde a otro alfabeto. Elige otro.";

}  // namespace zefra
