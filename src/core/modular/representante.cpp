#include "core/modular/representante.hpp"

#include "core/arithmetic/primitivas.hpp"
#include "core/shell/errores.hpp"
#include "core/shell/numeros.hpp"

namespace zefra {

DivisionZn representante(double n, double a) {
    double resto = 0;
    if (n > kMayorEntero32 || a > kMayorEntero32 || a < -kMayorEntero32) {
        resto = restoEntero(a, n);
    } else {
        // The remainder operator on 32-bit integers: the sign of the dividend.
        const std::int32_t divisor = aEntero32(n);
        if (divisor == 0) throw ErrorEjecucion(TipoError::DivisionPorCero);
        resto = aEntero32(a) % divisor;
    }
    // a − resto is an exact multiple of n, so the quotient is exact and truncated toward zero.
    return {resto, (a - resto) / n, resto < 0 ? resto + n : resto};
}

}  // namespace zefra
