// Linear Diophantine equations A·X + B·Y = C: solvability by the gcd, a particular solution from
// the convergents of A/B, and the general solution with an integer parameter.
#pragma once

#include <string>
#include <string_view>
#include <variant>

#include "core/estado.hpp"

namespace zefra {

enum class SinSolucion {
    CoeficientesNulos,  // 0·X + 0·Y = C with C ≠ 0
    MCDNoDivide,        // gcd(A, B) does not divide C
};
std::string_view textoSinSolucion(SinSolucion motivo);

// The particular solution and the coefficients of the parameter: x = x0 + beta·k and
// y = y0 + alpha·k for every integer k, with the general solution as the window shows it.
struct SolucionDiofantica {
    double x0 = 0;
    double y0 = 0;
    double alpha = 0;
    double beta = 0;
    std::string general;
};

using ResultadoDiofantica = std::variant<SolucionDiofantica, SinSolucion>;

// Solves A·X + B·Y = C, refilling the Euclid trace and the Diophantine trace: rows i, Q(i),
// A(i), B(i); column 0 the captions, column 1 i = −1, column 2 i = 0, column 2 + i step i
// (columns of an earlier, longer run stay).
// Errors are trapped under "Diofántica"; an operand of the 32-bit steps outside that range
// raises the overflow error.
ConTiempo<ResultadoDiofantica> Diofantica(Estado& estado, double a, double b, double c);

// The same solver without trace, for the inverse in Zn: returns the coefficient x of A in
// A·x + B·y = C and reports gcd(A, B) and y through the observers mcdInverso and
// coeficienteInverso.
ConTiempo<std::variant<double, SinSolucion>> diofanticaInverso(Estado& estado, double a, double b,
                                                               double c);

}  // namespace zefra
