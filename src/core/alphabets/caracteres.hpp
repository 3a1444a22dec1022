// Characters of a text: a character is one Unicode code point, held as its UTF-8 bytes, so that
// "ñ", "¡" or "’" count as one symbol each. Symbols of an alphabet come from the Windows-1252
// repertoire, mapped to Unicode.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zefra {

// The characters of a UTF-8 text, in order. A byte that does not start a well-formed sequence
// counts as one character by itself, so no byte is ever lost.
std::vector<std::string_view> caracteres(std::string_view texto);

// Number of characters of a UTF-8 text.
std::size_t longitudEnCaracteres(std::string_view texto);

// The UTF-8 text of the character with code `codigo` (0 to 255) of Windows-1252: 128 to 159
// map to the typographic characters ("‘" is 145, "’" is 146), the rest to the same code point.
std::string caracterWindows1252(int codigo);

}  // namespace zefra
