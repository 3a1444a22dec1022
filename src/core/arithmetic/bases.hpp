// Conversion of non-negative integers between base 10 and a base from 2 to 10, with the
// positional expansion digit·b^(exponent) + … = value.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace zefra {

struct Conversion {
    std::string resultado;   // the digits in base b, or the value in base 10
    std::string desarrollo;  // the expansion, ending in " = " and the value
};

// n in base b (n ≥ 0, 2 ≤ b ≤ 10); the texts of the base and the value as the user wrote them.
Conversion aBaseB(std::int32_t n, std::int32_t b, std::string_view textoBase,
                  std::string_view textoValor);

// The exact value of a digit string in base b, in decimal digits however large; every character
// must be a digit below b.
Conversion aBase10(std::string_view digitos, std::int32_t b, std::string_view textoBase);

// The expansion of a digit string, highest power first, without the " = value" part.
std::string desarrollo(std::string_view digitos, std::string_view textoBase);

}  // namespace zefra
