// Powers in Zn by repeated squaring, with the exponent first reduced modulo φ(n) when
// gcd(a, n) = 1.
#pragma once

#include "core/estado.hpp"

namespace zefra {

// Above this modulus φ(n) is worked out only for a prime n.
inline constexpr double kMaximoModuloReducible = 278012;

// The r in 0 … n − 1 with r ≡ a^b (mod n), or nothing when the budget runs out. a, b and n are
// converted to 32-bit integers (the overflow error outside them); every square and product is
// reduced modulo n exactly. The trace goes to estado.trazaPotencia and the observer
// trazaPotencia is told when it changes.
ConTiempo<double> Calcupoten(Estado& estado, double a, double b, double n);

}  // namespace zefra
