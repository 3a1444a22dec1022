// Powers in Zn block after block, as a cipher window computes them, and Euler's function with
// its list and over a long range of moduli.
#include <cstdint>

#include "cargas.hpp"
#include "core/modular/ciclo_potencias.hpp"
#include "core/modular/euler.hpp"
#include "core/modular/potencias.hpp"

namespace zefra::bench {
namespace {

constexpr int kBloques = 10000;

// a^b mod n by binary exponentiation, to check every block.
std::uint64_t potenciaModular(std::uint64_t a, std::uint64_t b, std::uint64_t n) {
    unsigned __int128 r = 1 % n;
    unsigned __int128 x = a % n;
    for (; b > 0; b >>= 1) {
        if (b & 1) r = r * x % n;
        x = x * x % n;
    }
    return static_cast<std::uint64_t>(r);
}

// 10,000 blocks raised to the private exponent s of an RSA key with modulus n.
bool potencias(double n, double s) {
    Estado& estado = estadoIlimitado();
    bool bien = true;
    for (int m = 0; m < kBloques; ++m) {
        const double bloque = static_cast<double>((m * 7919) % static_cast<int>(n > 1e9 ? 1e9 : n));
        const auto r = Calcupoten(estado.tiempo, estado.memoriaModulo, bloque, s, n).resultado;
        bien = bien && r &&
               *r == static_cast<double>(potenciaModular(static_cast<std::uint64_t>(bloque),
                                                         static_cast<std::uint64_t>(s),
                                                         static_cast<std::uint64_t>(n)));
    }
    return bien;
}

// 521 · 523: φ = 271440, t = 7, s = 232663 (7 · 232663 = 6 · 271440 + 1). Below 278012, so the
// exponent is reduced by φ(n) at every block.
const Registro potencias272483{{"powers-272483",
                                "Calcupoten over 10,000 blocks, n = 272483, b = 232663",
                                [] { return potencias(272483, 232663); }, "", 0.5}};

// 46327 · 46337: composite and above 278012, so b is not reduced. s = 1213121537, the inverse of
// t = 65537 modulo φ(n) = 2146561536.
const Registro potencias2146654199{{"powers-2146654199",
                                    "Calcupoten over 10,000 blocks, n = 2146654199, b = 1213121537",
                                    [] { return potencias(2146654199, 1213121537); }, "", 0.5}};

const Registro eulerLista{{"euler-list-10000", "funcionEulerLista(10000) with its list",
                           [] {
                               Estado& estado = estadoIlimitado();
                               estado.memoriaModulo = {};
                               const auto phi =
                                   funcionEulerLista(estado.tiempo, estado.memoriaModulo, 10000);
                               return phi && *phi == 4000;
                           },
                           "", 0.5}};

const Registro euler1e5{{"euler-1e5", "the sum of phi(n) for n = 1 ... 100,000",
                         [] {
                             Estado& estado = estadoIlimitado();
                             double suma = 0;
                             for (int n = 1; n <= 100000; ++n) {
                                 const auto phi =
                                     funcionEuler(estado.tiempo, estado.memoriaModulo, n);
                                 if (!phi) return false;
                                 suma += *phi;
                             }
                             // Σ φ(n) for n ≤ 10^5, a known value.
                             return suma == 3039650754.0;
                         },
                         "", 0.5}};

// The order of every a in 2 … 1001 modulo the largest prime below 2^31, as the powers chart
// states it; each order is checked to bring a back to 1.
const Registro ordenMaximo{{"order-max", "the order of a = 2 ... 1001 in Z2147483647",
                            [] {
                                const std::uint64_t n = 2147483647;
                                const PotenciasZn zn(n);
                                bool bien = true;
                                for (std::uint64_t a = 2; a <= 1001; ++a) {
                                    const auto orden = zn.ciclo(a).ciclo;
                                    bien = bien && (n - 1) % orden == 0 &&
                                           potenciaModular(a, orden, n) == 1;
                                }
                                return bien;
                            },
                            "", 0.1}};

}  // namespace
}  // namespace zefra::bench
