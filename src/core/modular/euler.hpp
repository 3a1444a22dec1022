// Euler's function φ(n): how many of 1 … n are prime to n, with the list of them and the
// product formula n·Π(1 − 1/p) that explains it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/modular/avisos_zn.hpp"
#include "core/modular/memoria_modulo.hpp"
#include "core/primes/factorizacion.hpp"

namespace zefra {

// Up to this n the window lists the numbers prime to n; above it, "Demasiados números.".
inline constexpr double kMaximoListaEuler = 10000;

// φ(n), 0 for n ≤ 0, or nothing when the budget runs out. Announces to `avisos` (when given) the
// verdict of the primality test and the list: emptied, or "1 -- " and n − 1 for a prime n. For a
// whole n the value comes from the factorization of n, instant for every n below 2^53; the last
// modulus's primality and φ are kept in `memoria`, since the cipher windows ask for the same n
// again and again.
ConTiempo<double> funcionEuler(Tiempo& tiempo, MemoriaModulo& memoria, double n,
                               AvisosZn* avisos = nullptr);

// The same value, counting the numbers prime to n with mcd while n ≤ 10,000 and announcing their
// list ("1, 5, 7, 11"); above that the list is "Demasiados números.".
ConTiempo<double> funcionEulerLista(Tiempo& tiempo, MemoriaModulo& memoria, double n,
                                    AvisosZn* avisos = nullptr);

// φ of a whole number by its factorization, exact.
std::uint64_t phiPorFactores(std::uint64_t n);

// The factorization and the product formula of the factor table: "2^2 * 3^1" and
// "12 * (1 - 1/2) * (1 - 1/3)" (the modulus as the user typed it); both empty for an empty table.
struct FormulaEuler {
    std::string descomposicion;
    std::string formula;
};
FormulaEuler formulaEuler(const TablaFactores& factores, std::string_view textoModulo);

// The sentence of the explanation window: "Además hay φ enteros k, con 1 ≤ k ≤ n, primos con
// n." (in the singular when φ = 1).
std::string explicacionEuler(double phi, double n);

}  // namespace zefra
