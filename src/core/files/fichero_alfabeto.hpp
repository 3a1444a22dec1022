// The alphabet file: the alphabet's name, then one line per entry (the symbol, a space, the
// code), then a line "zzz"; lines end in CR LF and the file in one more CR LF (which
// escribeTexto adds). Reading checks every part, in order, before anything is loaded.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/alphabets/alfabeto.hpp"
#include "core/alphabets/ranuras.hpp"

namespace zefra {

// The text to write for an alphabet (its name, its entries in table order with their codes as
// they stand), up to the line end after "zzz"; escribeTexto adds the last one.
std::string textoAlfabeto(const Alfabeto& alfabeto);

// What reading an alphabet file gave: the alphabet, or the message that refuses the file.
struct LecturaAlfabeto {
    std::optional<Alfabeto> alfabeto;  // its codes at the table's common width
    std::string rechazo;
};

// Reads the whole text of an alphabet file. A file is refused when it does not end in "zzz"
// and two line ends, when its name is missing, starts with a blank or is already used by a
// loaded alphabet (see nombreAlfabetoUsado), when an entry line is not one symbol, a space and
// the digits of a code, when it holds more than 256 entries, and when two entries share a
// symbol or a code value.
LecturaAlfabeto leeAlfabeto(std::string_view texto, const RanurasAlfabeto& ranuras);

inline constexpr const char* kMensajeMismoNombre =
    "Hay un alfabeto cargado con el mismo nombre. Se debe cerrar si quieres abrir este.";

}  // namespace zefra
