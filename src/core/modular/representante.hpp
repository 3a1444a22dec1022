// The representative of a class [a] in Zn: the r with 0 ≤ r < n and a ≡ r (mod n).
#pragma once

#include "shell/estado.hpp"

namespace zefra {

// Returns the representative and reports the division a = q·n + resto that justifies it (the
// remainder with the sign of a, the quotient truncated toward zero) through the observer
// `representante`, also when another routine calls it.
double representante(Estado& estado, double n, double a);

}  // namespace zefra
