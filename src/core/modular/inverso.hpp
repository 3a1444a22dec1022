// The inverse of a class [a] in Zn, which exists exactly when gcd(n, a) = 1.
#pragma once

#include "core/arithmetic/euclides.hpp"
#include "core/shell/tiempo.hpp"

namespace zefra {

// What the inverse rests on: gcd(n, a) and, when it is 1, the Bézout coefficients of
// a·x + n·y = 1 (x before it is made non-negative); both 0 without an inverse.
struct InversoZn {
    double inverso = 0;  // in 0 … n − 1; 0 when gcd(n, a) ≠ 1
    double mcd = 0;
    double x = 0;
    double y = 0;
};

// The inverse of [a], or nothing when the budget runs out, with the divisions of Euclid's
// algorithm on n and a. Publishes its start unless a computation already has.
struct InversoConTraza {
    ConTiempo<InversoZn> inverso;
    TrazaEuclides euclides;
};
InversoConTraza inversoZn(Tiempo& tiempo, double n, double a);

}  // namespace zefra
