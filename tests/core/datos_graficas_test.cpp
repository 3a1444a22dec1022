// The data the charts draw: the cycle of the powers of [a] in Zn, π(x) beside x / ln x and
// li(x), the integer points of a line near its bounds, and φ(k) sampled.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <numeric>
#include <tuple>
#include <utility>
#include <vector>

#include "core/arithmetic/puntos_recta.hpp"
#include "core/modular/ciclo_potencias.hpp"
#include "core/modular/muestras_euler.hpp"
#include "core/primes/conteo_primos.hpp"

namespace zefra {
namespace {

// Tail and cycle by walking the powers until one comes back.
CicloPotencias caminando(std::uint64_t a, std::uint64_t n) {
    std::vector<std::int64_t> visto(n, -1);
    std::uint64_t x = 1 % n;
    for (std::int64_t k = 0;; ++k, x = x * a % n) {
        if (visto[x] >= 0) {
            const auto cola = static_cast<std::uint64_t>(visto[x]);
            return {cola, static_cast<std::uint64_t>(k) - cola, std::gcd(a, n) == 1};
        }
        visto[x] = k;
    }
}

TEST(DatosGraficas, CicloDeLasPotenciasComoAlRecorrerlasYEnElMayorPrimoDe32Bits) {
    std::vector<std::uint64_t> modulos(400);
    std::iota(modulos.begin(), modulos.end(), 1);
    modulos.insert(modulos.end(),
                   {1024, 2310, 3125, 4096, 4199});  // 2^10, 2·3·5·7·11, 5^5, 13·17·19
    for (const auto n : modulos) {
        const PotenciasZn zn(n);
        for (std::uint64_t a = 0; a < n; ++a) {
            const auto esperado = caminando(a, n);
            const auto c = zn.ciclo(a);
            ASSERT_EQ(std::tuple(c.cola, c.ciclo, c.unidad),
                      std::tuple(esperado.cola, esperado.ciclo, esperado.unidad))
                << a << " en Z" << n;
            ASSERT_EQ(c.unidad ? zn.phi() % c.ciclo : 0u, 0u) << a << " en Z" << n;
        }
    }
    const PotenciasZn zn(2147483647);  // the order in the largest prime of 32 bits
    EXPECT_EQ(zn.phi(), 2147483646u);
    // 7 is a primitive root of 2^31 − 1; 2 has order 31 (2^31 ≡ 1); 2^31 − 2 ≡ −1 has order 2.
    const struct {
        std::uint64_t a, orden;
    } casos[] = {{7, 2147483646}, {2, 31}, {2147483646, 2}, {1, 1}, {16807, 2147483646}};
    for (const auto& c : casos) {
        const auto r = zn.ciclo(c.a);
        EXPECT_EQ(r.ciclo, c.orden) << c.a;
        EXPECT_EQ(potenciaModular(c.a, r.ciclo, 2147483647), 1u) << c.a;
    }
    EXPECT_EQ(zn.ciclo(2147483647 + 5ull).ciclo, zn.ciclo(5).ciclo);  // a taken modulo n
}

TEST(DatosGraficas, IntegralLogaritmicaConValoresConocidosYPiExactoEnCadaMuestra) {
    const struct {
        double x, li;
    } casos[] = {{2, 1.045163780117492784844588889194613},
                 {10, 6.165599504787297937522981752669},
                 {1e9, 50849234.957001798004},
                 {9007199254740992.0, 252252706016217.455392}};
    for (const auto& c : casos)
        EXPECT_NEAR(integralLogaritmica(c.x) / c.li, 1, 1e-12) << c.x;
    const std::vector<std::int32_t> primos{2, 3, 5, 7, 11, 13, 17, 19, 23};
    // Few primes: a point at each, and one at the bound beyond the last.
    auto m = muestrasPi(primos, 25, 100);
    ASSERT_EQ(m.size(), 10u);
    EXPECT_EQ(std::tuple(m[0].x, m[0].pi, m[8].pi, m[9].x, m[9].pi), std::tuple(2, 1, 9, 25, 9));
    EXPECT_DOUBLE_EQ(m[9].xSobreLn, 25 / std::log(25.0));
    // Many primes: evenly spaced points, π counted exactly at each (π(7.75) = 4, π(19.25) = 8).
    m = muestrasPi(primos, 25, 4);
    ASSERT_EQ(m.size(), 4u);
    EXPECT_EQ(std::tuple(m[0].x, m[0].pi, m[2].pi, m[3].x, m[3].pi), std::tuple(7.75, 4, 8, 25, 9));
    EXPECT_TRUE(muestrasPi(primos, 1.5, 4).empty());
}

TEST(DatosGraficas, PuntosDeLaRectaAlrededorDeLasCotas) {
    // 3x + 5y = 1: x = 2 + 5k, y = −1 − 3k. 0 ≤ x ≤ 40 gives k = 0 … 7.
    const Parametrizacion p{2, -1, 5, -3};
    auto puntos = puntosDeLaRecta(p, {0.0, 40.0, {}, {}}, 100);
    ASSERT_EQ(puntos.size(), 12u);  // k = −2 … 9: a margin of 2 on each side
    EXPECT_EQ(std::tuple(puntos.front().k, puntos[2].x, puntos[2].y), std::tuple(-2, 2, -1));
    EXPECT_TRUE(!puntos[1].dentro && puntos[2].dentro && puntos[9].dentro && !puntos[10].dentro);
    // Too many for the window: centred on the middle of the allowed interval.
    puntos = puntosDeLaRecta(p, {0.0, 40.0, {}, {}}, 5);
    ASSERT_EQ(puntos.size(), 5u);
    EXPECT_EQ(puntos.front().k, 1);
    // Bounded below only: centred on that end; no bound holds: centred on k = 0, none inside.
    puntos = puntosDeLaRecta(p, {{}, {}, {}, -10.0}, 7);
    EXPECT_TRUE(puntos.front().k == 0 && puntos[3].dentro && !puntos[2].dentro);
    EXPECT_EQ(puntosDeLaRecta(p, {}, 7).front().k, -3);  // no bound: centred on k = 0 too
    puntos = puntosDeLaRecta(p, {50.0, 40.0, {}, {}}, 7);
    EXPECT_EQ(puntos.front().k, -3);
    EXPECT_FALSE(std::any_of(puntos.begin(), puntos.end(), [](auto q) { return q.dentro; }));
}

TEST(DatosGraficas, EulerMuestreado) {
    auto puntos = muestrasEuler(12, 100);
    ASSERT_EQ(puntos.size(), 12u);
    const std::uint64_t phi[] = {1, 1, 2, 2, 4, 2, 6, 4, 6, 4, 10, 4};
    for (std::uint64_t k = 1; k <= 12; ++k)
        EXPECT_EQ(std::pair(puntos[k - 1].k, puntos[k - 1].phi), std::pair(k, phi[k - 1]));
    puntos = muestrasEuler(2147483647, 1000);
    ASSERT_EQ(puntos.size(), 1000u);
    EXPECT_EQ(std::tuple(puntos.back().k, puntos.back().phi, puntos[0].k),
              std::tuple(2147483647u, 2147483646u, 2147483u));
    EXPECT_EQ(puntos[0].phi, muestrasEuler(2147483, 2147483).back().phi);  // sieve = factors
    EXPECT_TRUE(muestrasEuler(0, 10).empty());
}

}  // namespace
}  // namespace zefra
