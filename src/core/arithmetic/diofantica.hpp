// Linear Diophantine equations A·X + B·Y = C: solvability by the gcd, a particular solution from
// the convergents of A/B, and the general solution with an integer parameter.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "core/shell/tabla.hpp"
#include "core/shell/tiempo.hpp"

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
// (nothing beyond: an earlier run's columns are emptied).
// Errors are trapped under "Diofántica"; an operand of the 32-bit steps outside that range
// raises the overflow error.
ConTiempo<ResultadoDiofantica> Diofantica(Tiempo& tiempo, Tabla& trazaEuclides,
                                          Tabla& trazaDiofantica, double a, double b, double c);

// What the solver of the inverse in Zn finds: gcd(A, B), and either why there is no solution or
// the coefficients of A·x + B·y = C.
struct CoeficientesBezout {
    double mcd = 0;
    std::optional<SinSolucion> sinSolucion;
    double x = 0;
    double y = 0;
};

// The same solver without the Diophantine trace (the Euclid trace is refilled), for the inverse
// in Zn.
ConTiempo<CoeficientesBezout> diofanticaInverso(Tiempo& tiempo, Tabla& trazaEuclides, double a,
                                                double b, double c);

}  // namespace zefra
