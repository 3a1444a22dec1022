// The representative of a class [a] in Zn: the r with 0 ≤ r < n and a ≡ r (mod n).
#pragma once

namespace zefra {

// The division a = cociente·n + resto that justifies a class: the remainder with the sign of a,
// the quotient truncated toward zero, and the representative.
struct DivisionZn {
    double resto = 0;
    double cociente = 0;
    double representante = 0;
};
DivisionZn representante(double n, double a);

}  // namespace zefra
