// Linear Diophantine equations A·X + B·Y = C: solvability by the gcd, a particular solution from
// the convergents of A/B, and the general solution with an integer parameter.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include <vector>

#include "core/arithmetic/euclides.hpp"
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

// One column of the recurrence: i, the quotient Q(i) (none for i = −1 and i = 0), A(i), B(i).
struct PasoDiofantica {
    int i = 0;
    std::optional<double> q;
    double a = 0;
    double b = 0;
};

// The solution with what it was found from: the divisions of Euclid's algorithm on |A| and |B|,
// and the columns of the recurrence from i = −1 up to the last step made (only i = −1 and 0
// when there is no solution or C = 0).
struct DiofanticaConTraza {
    ConTiempo<ResultadoDiofantica> resultado;
    TrazaEuclides euclides;
    std::vector<PasoDiofantica> pasos;
};

// Solves A·X + B·Y = C. Errors are trapped under "Diofántica"; an operand of the 32-bit steps
// outside that range raises the overflow error.
DiofanticaConTraza Diofantica(Tiempo& tiempo, double a, double b, double c);

// What the solver of the inverse in Zn finds: gcd(A, B), and either why there is no solution or
// the coefficients of A·x + B·y = C.
struct CoeficientesBezout {
    double mcd = 0;
    std::optional<SinSolucion> sinSolucion;
    double x = 0;
    double y = 0;
};

// The same solver without the recurrence's columns, for the inverse in Zn: the coefficients,
// or nothing when the budget runs out, with the divisions of Euclid's algorithm.
struct BezoutConTraza {
    ConTiempo<CoeficientesBezout> coeficientes;
    TrazaEuclides euclides;
};
BezoutConTraza diofanticaInverso(Tiempo& tiempo, double a, double b, double c);

}  // namespace zefra
