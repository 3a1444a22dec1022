// Powers in Zn by repeated squaring, with the exponent first reduced modulo φ(n) when
// gcd(a, n) = 1.
#pragma once

#include "core/modular/avisos_zn.hpp"
#include "core/modular/memoria_modulo.hpp"
#include "core/modular/traza_potencia.hpp"
#include "core/shell/tiempo.hpp"

namespace zefra {

// Above this modulus φ(n) is worked out only for a prime n.
inline constexpr double kMaximoModuloReducible = 278012;

// The r in 0 … n − 1 with r ≡ a^b (mod n), or nothing when the budget runs out, with the trace
// of the squarings (empty for a short cut; its result set only for a power worked out in full).
// a, b and n are converted to 32-bit integers (the overflow error outside them); every square
// and product is reduced modulo n exactly. `avisos` (when given) is told the verdict and Euler's
// list of the modulus, when they are worked out.
struct PotenciaConTraza {
    ConTiempo<double> resultado;
    TrazaPotencia traza;
};
PotenciaConTraza Calcupoten(Tiempo& tiempo, MemoriaModulo& memoria, double a, double b, double n,
                            AvisosZn* avisos = nullptr);

}  // namespace zefra
