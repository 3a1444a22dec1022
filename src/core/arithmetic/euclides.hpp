// Greatest common divisor by Euclid's algorithm, plain and with the table of divisions.
#pragma once

#include <optional>
#include <vector>

#include "core/shell/tiempo.hpp"

namespace zefra {

// gcd of |a| and |b| (0 for two zeros), or nothing when the budget runs out. mcd publishes its
// start time, mcdClaves keeps a private one. Errors are trapped under the name "Euclides".
ConTiempo<double> mcd(Tiempo& tiempo, double a, double b);
ConTiempo<double> mcdClaves(Tiempo& tiempo, double a, double b);

// One row of the table of divisions: dividend = divisor · quotient + remainder. The last row of
// a finished run holds only the gcd over 0; the last of a timed-out run, the division it did
// not make.
struct FilaEuclides {
    double dividendo = 0;
    double divisor = 0;
    std::optional<double> cociente;
    std::optional<double> resto;
};

// The divisions of one run, largest operand first; none when an operand is 0.
struct TrazaEuclides {
    std::vector<FilaEuclides> filas;
};

// The gcd with the divisions that found it; nothing for the gcd when the budget ran out, and
// then the divisions made so far.
struct ResultadoEuclides {
    ConTiempo<double> mcd;
    TrazaEuclides traza;
};
ResultadoEuclides Euclides(Tiempo& tiempo, double a, double b);

}  // namespace zefra
