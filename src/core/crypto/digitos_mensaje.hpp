// A typed cipher text to decipher: a digit string, perhaps followed by the line end a saved
// file ends with.
#pragma once

#include <optional>
#include <string_view>

namespace zefra {

// The digits of the message without its final line ends; nothing when anything else in it is
// not a digit.
std::optional<std::string_view> digitosDelMensaje(std::string_view mensaje);

inline constexpr const char* kMensajeSoloDigitos =
    "El mensaje a descifrar ha de estar formado solo por dígitos.";

}  // namespace zefra
