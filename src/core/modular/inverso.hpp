// The inverse of a class [a] in Zn, which exists exactly when gcd(n, a) = 1.
#pragma once

#include "core/estado.hpp"

namespace zefra {

// The inverse in 0 … n − 1, or 0 when gcd(n, a) ≠ 1, or nothing when the budget runs out.
// Refills the Euclid trace; reports the gcd (observer mcdInverso), the Bézout coefficient of n
// (coeficienteInverso) and the unconverted inverse (inversoSinConvertir).
ConTiempo<double> inversoZn(Estado& estado, double n, double a);

}  // namespace zefra
