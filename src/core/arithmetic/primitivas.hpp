// Integer quotient and remainder of numbers held as doubles, and the whole-number text test.
#pragma once

#include <string_view>

namespace zefra {

// Integer quotient of a ÷ b: 1 when a = b, 0 when a < b or when b is negative, otherwise the
// exact integer part of a ÷ b. A positive a over b = 0 raises the division-by-zero error.
double cocienteEntero(double a, double b);

// Remainder matching cocienteEntero: 0 when a = b, a when a < b or b is negative, otherwise
// the exact remainder in 0 … b − 1.
double restoEntero(double a, double b);

// 1 when the text is not written as a plain whole number (optional leading "-" then digits
// only), else 0; the empty text gives 0. This is a rule on how a number is typed ("+12" and
// "1e3" are refused by it); whether a value is whole is esEntero's.
int noEsEntero(std::string_view texto);

// Least common multiple |a| ÷ g × |b| of two numbers whose gcd g is not zero.
double mcm(double a, double b, double g);

}  // namespace zefra
