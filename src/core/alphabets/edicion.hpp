// Editing a user alphabet's entries one by one, as the windows that define and modify alphabets
// do. Entries are in table order from entry 0 (a window shows entry k in row k of the first
// column pair for k < 128, in row k − 128 of the second pair after that); codes are digit
// texts, compared by value.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/alphabets/alfabeto.hpp"

namespace zefra {

// The largest code a user alphabet may hold. Above it the cipher's products r·m + s would no
// longer be exact in a double, and the code width would stop matching the digits of n − 1.
inline constexpr int kMaximoCifrasCodigo = 7;

inline constexpr const char* kMensajeTablaLlena =
    "Lo siento, No se puede agregar más símbolos al alfabeto.";
inline constexpr const char* kMensajeSinSimbolo = "Debes de poner un símbolo.";
inline constexpr const char* kMensajeCodigoNoNumerico = "El código ha de ser un valor numérico.";
inline constexpr const char* kMensajeSinCodigo = "Debes de asociar un código al símbolo.";
inline constexpr const char* kMensajeCodigoGrande = "El código no puede ser mayor que 9999999.";
inline constexpr const char* kMensajeNoSeEncuentra =
    "No se encuentra el símbolo o código especificado.";

// The symbols a user may choose: Windows-1252 32 to 126, 145, 146 and 161 to 255 (192 of them).
std::vector<std::string> simbolosOfrecidos();
// The codes offered: "00" to "09", then "10" to "255"; position k holds code k.
std::vector<std::string> codigosOfrecidos();

// A digit text without its leading zeros ("0" for zeros only).
std::string_view valorDeCodigo(std::string_view codigo);
// True when two digit texts have the same value ("05" and "005").
bool mismoValor(std::string_view a, std::string_view b);

using Equivalencias = std::vector<Equivalencia>;

// The length of the longest code text; 0 for no entries.
int anchoDeCodigos(const Equivalencias& equivalencias);

// Rewrites every code at the table's common width: the digits of its largest code, at least
// 2 ("5" → "05", "007" → "07" in a table whose largest code is 12). The cipher windows read
// codes in blocks of that width.
void igualaAnchos(Equivalencias& equivalencias);

// "ASOCIAR": appends the symbol and code as the next entry. `ancho` is the width every code of
// the table has (0 for none yet): a one-digit code gains a leading zero, a shorter code is
// padded to the width, a longer one widens every code of the table and the width. Returns the
// refusal message, or nothing when the entry was added.
std::optional<std::string> asocia(Equivalencias& equivalencias, int& ancho,
                                  std::string_view simbolo, std::string_view codigo);

// Removes the first entry whose symbol is `simbolo` or whose code text is exactly `codigo`;
// the later entries move one place back. False when no entry matches.
bool borraEquivalencia(Equivalencias& equivalencias, std::string_view simbolo,
                       std::string_view codigo);

// True when some entry has this symbol or a code of the same value.
bool existeEquivalencia(std::string_view codigo, std::string_view simbolo,
                        const Equivalencias& equivalencias);

// "Agregar equivalencia": inserts the symbol and code right after the entry of the symbol
// `despuesDe`; the later entries move one place further. The code is written at the table's
// width (the digits of its largest code, at least 2); a code with more digits widens every code
// of the table. Returns the refusal message, or nothing when the entry was inserted.
std::optional<std::string> agregaEquivalencia(Equivalencias& equivalencias,
                                              std::string_view simbolo, std::string_view codigo,
                                              std::string_view despuesDe);

// "Ordenar": puts the entries in ascending order of code value (entries of equal value keep
// their order).
void ordenaPorCodigo(Equivalencias& equivalencias);

}  // namespace zefra
