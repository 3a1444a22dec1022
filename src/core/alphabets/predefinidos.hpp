// The five predefined alphabets, symbol by symbol, in ascending code order.
#pragma once

#include <array>
#include <string_view>

#include "core/alphabets/alfabeto.hpp"

namespace zefra {

inline constexpr std::array<std::string_view, 5> kNombresPredefinidos = {"a-z", "A-Z", "a-z, A-Z",
                                                                         "a-z, A-Z, 0-9", "ASCII"};

// "a-z": a to n → 00 to 13, ñ → 14, o to z → 15 to 26, space → 27; 14 rows per pair.
const Alfabeto& alfabetoMinusculas();
// "A-Z": the same with capitals.
const Alfabeto& alfabetoMayusculas();
// "a-z, A-Z": capitals 00 to 26 (Ñ after N), small letters 27 to 53 (ñ before n), space 54.
const Alfabeto& alfabetoLetras();
// "a-z, A-Z, 0-9": capitals 00 to 26, small letters 27 to 53 (ñ after n), digits 54 to 63,
// space 64; 33 rows per pair.
const Alfabeto& alfabetoLetrasNumeros();
// "ASCII": Windows-1252 32 to 126 → 000 to 094, 145 and 146 → 095 and 096, 161 to 255 → 097 to
// 191, line feed → 193, carriage return → 194; no symbol has 192. 97 rows per pair.
const Alfabeto& alfabetoASCII();

// The predefined alphabet of that name, compared exactly; nullptr for any other name.
const Alfabeto* alfabetoPredefinido(std::string_view nombre);

}  // namespace zefra
