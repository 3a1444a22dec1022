// Numbers and their texts: what counts as numeric text, the decimal text that results and
// traces show, and the conversion to a 32-bit integer.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zefra {

// The largest 32-bit integer, 2^31 − 1: the bound of every value the windows take as 32 bits.
inline constexpr double kMayorEntero32 = 2147483647;
// 2^53: up to here a double holds every whole number exactly.
inline constexpr double kMayorEnteroExacto = 9007199254740992;
// From here on the decimal text of a number takes the exponent form: its digits are no longer
// all shown.
inline constexpr double kMenorConExponente = 1e15;

// A whole number: finite and with no fractional part. The one test of every routine and window
// that must know whether a value is whole.
bool esEntero(double x);

// The decimal separator of the system locale, used by every decimal text. ',' or '.'.
char separadorDecimal();
void fijaSeparadorDecimal(char separador);

// A decimal digit '0' … '9', whatever the locale; and a text made of them alone (the empty text
// included).
constexpr bool esDigito(char c) {
    return c >= '0' && c <= '9';
}
constexpr bool sonCifras(std::string_view texto) {
    for (const char c : texto)
        if (!esDigito(c)) return false;
    return true;
}

// Reads a numeric text: blanks around, an optional sign, digits with at most one decimal
// separator ("," or "."), an optional exponent. Anything else, or a value outside the range
// of a double, is not numeric.
std::optional<double> leeNumero(std::string_view texto);
inline bool esNumerico(std::string_view texto) {
    return leeNumero(texto).has_value();
}

// Decimal text of a number: up to 15 significant digits, the local separator, exponent form
// from 1E+15 up and for magnitudes that would need more than 15 decimals; never "-0".
// A value that is not finite raises the overflow error.
std::string textoDecimal(double x);

// Nearest 32-bit integer, halves to even; the overflow error outside its range.
std::int32_t aEntero32(double x);

}  // namespace zefra
