// The representative of a class [a] in Zn: the r with 0 ≤ r < n and a ≡ r (mod n).
#pragma once

#include "core/estado.hpp"

namespace zefra {

// The division a = cociente·n + resto that justifies a class: the remainder with the sign of a,
// the quotient truncated toward zero, and the representative.
struct DivisionZn {
    double resto = 0;
    double cociente = 0;
    double representante = 0;
};
DivisionZn divisionEnZn(double n, double a);

// Returns the representative and reports its division through the observer `representante`,
// also when another routine calls it.
double representante(Estado& estado, double n, double a);

}  // namespace zefra
