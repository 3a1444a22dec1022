// Exact questions about a numeric text, answered on its digits rather than on the nearest
// double, which cannot hold every whole number above 2^53 nor every long fraction.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace zefra {

// The exact value of a numeric text: ± digitos × 10^exponente, the digits without leading or
// trailing zeros (none for zero).
struct DecimalExacto {
    bool negativo = false;
    std::string digitos;
    long exponente = 0;
};

// The text's value as written: blanks around, a sign, digits with at most one separator, an
// optional exponent (its magnitude read up to 100000, beyond which no answer changes). A text
// that is not numeric raises the type-mismatch error.
DecimalExacto descomponeDecimal(std::string_view texto);

// True when the exact value of the numeric text is a whole number: "12", "1,2e1", "5,000";
// false for "5,5" and for "5,00000000000000001", whose nearest double is 5.
// A text that is not numeric raises the type-mismatch error.
bool esEnteroExacto(std::string_view texto);

// The sign of (exact value of the numeric text − valor): −1, 0 or 1. "9007199254740993" is
// above 9007199254740992 although both read as the same double.
int comparaConEntero(std::string_view texto, std::uint64_t valor);

}  // namespace zefra
