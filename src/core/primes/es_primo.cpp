#include "core/primes/es_primo.hpp"

#include <cmath>

#include "core/arithmetic/primitivas.hpp"
#include "core/primes/valor_exacto.hpp"
#include "core/shell/errores.hpp"
#include "core/shell/numeros.hpp"

namespace zefra {

ConTiempo<int> esPrimo(Tiempo& tiempo, double n) {
    if (!std::isfinite(n)) throw ErrorEjecucion(TipoError::Desbordamiento);
    // A prime is a whole number with exactly two divisors: 1 and fractions are not.
    if (n >= 0 && (!esEntero(n) || n == 1)) return 0;
    const double r2 = restoEntero(n, 2);
    const double r3 = restoEntero(n, 3);
    if ((r3 == 0 && n != 3) || (r2 == 0 && n != 2)) return 0;

    Cronometro cronometro(tiempo, Inicio::Privada);
    // The square root of a negative number is undefined.
    if (n < 0) throw ErrorEjecucion(TipoError::ArgumentoNoValido);
    const double limite = std::sqrt(n) + 1;
    // Every whole double above 2^53 is even and was answered above, so n is exact in 64 bits
    // and so is every remainder below.
    const auto m = static_cast<std::uint64_t>(n);
    for (std::uint64_t d = 6;; d += 6) {
        if (static_cast<double>(d) > limite) return 1;
        if (cronometro.agotado()) return std::nullopt;
        if (m % (d - 1) == 0 || m % (d + 1) == 0) return 0;
    }
}

ConTiempo<int> esPrimo(Tiempo& tiempo, std::string_view texto) {
    const auto n = leeNumero(texto);
    if (!n) throw ErrorEjecucion(TipoError::TiposNoCoinciden);
    if (*n >= 0 && !esEnteroExacto(texto)) return 0;
    return esPrimo(tiempo, *n);
}

}  // namespace zefra
