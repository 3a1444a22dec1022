// A typed cipher text to decipher: a digit string, perhaps followed by the line end a saved
// file ends with.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zefra {

struct DigitosMensaje {
    std::string_view digitos;            // the message without its final line ends
    std::optional<std::string> rechazo;  // set when the message is not a digit string
};

// The digits of the message without its final line ends, read in blocks of `ancho` characters
// (the last one perhaps shorter). When a block holds anything but digits, `rechazo` is the
// message that names the first such block, as every cipher window shows it.
DigitosMensaje digitosDelMensaje(std::string_view mensaje, int ancho);

}  // namespace zefra
