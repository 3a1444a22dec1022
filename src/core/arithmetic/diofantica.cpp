#include "core/arithmetic/diofantica.hpp"

#include <cmath>
#include <cstdint>
#include <utility>

#include "core/arithmetic/euclides.hpp"
#include "core/shell/errores.hpp"
#include "core/shell/numeros.hpp"

namespace zefra {
namespace {

constexpr const char* kPrefijo = "Diofántica";

// Signs of the coefficients, taken out before the computation on |A| and |B|.
struct Signos {
    double a = 1;
    double b = 1;
};

// A(k) and B(k) of the last convergent, and k.
struct Convergente {
    double a = 1;  // A(0)
    double b = 0;  // B(0)
    int k = 0;
};

// A remainder of the 32-bit steps: operands rounded to 32-bit integers first.
std::int32_t resto32(double a, double b) {
    const std::int32_t dividendo = aEntero32(a);
    const std::int32_t divisor = aEntero32(b);
    if (divisor == 0) throw ErrorEjecucion(TipoError::DivisionPorCero);
    if (divisor == -1) return 0;  // avoids the one overflowing case, INT32_MIN % −1
    return dividendo % divisor;
}

// The Euclidean pass over a ≥ 0 and b ≥ 0 (as 32-bit integers) with the recurrences
// A(i) = A(i−1)·q(i) + A(i−2), B(i) = B(i−1)·q(i) + B(i−2); the quotient of the last division
// is not used. `paso` receives each step (i, q, A(i), B(i)). When b = 0 there is no division
// at all and the convergent is the one of i = −1: A·1 + 0·0 = gcd.
template <class Paso>
ConTiempo<Convergente> convergentes(Tiempo& tiempo, double a, double b, Paso&& paso) {
    std::int32_t dividendo = aEntero32(a);
    std::int32_t divisor = aEntero32(b);
    if (divisor == 0) return Convergente{0, 1, -1};
    std::int32_t r = dividendo % divisor;
    std::int32_t q = dividendo / divisor;
    Convergente actual;
    double anteriorA = 0;  // A(−1)
    double anteriorB = 1;  // B(−1)
    Cronometro cronometro(tiempo, Inicio::Publica);
    while (r > 0) {
        if (cronometro.agotado()) return std::nullopt;
        anteriorA = std::exchange(actual.a, actual.a * q + anteriorA);
        anteriorB = std::exchange(actual.b, actual.b * q + anteriorB);
        dividendo = divisor;
        divisor = r;
        const std::int32_t qPaso = q;
        r = dividendo % divisor;
        q = dividendo / divisor;
        ++actual.k;
        paso(actual.k, qPaso, actual.a, actual.b);
    }
    return actual;
}

// (−1)^k
double paridad(int k) {
    return k % 2 == 0 ? 1 : -1;
}

// Steps shared by both solvers up to the gcd: sign extraction, the gcd by Euclides, the
// solvability tests. Returns the gcd, or why there is no solution.
struct Preparacion {
    Signos signos;
    double a = 0;
    double b = 0;
    std::optional<double> mcd;  // not computed when all coefficients are 0
    std::optional<SinSolucion> motivo;
};

ConTiempo<Preparacion> prepara(Tiempo& tiempo, TrazaEuclides& euclides, double a, double b,
                               double c) {
    Preparacion p;
    if (a == 0 && b == 0 && c != 0) {
        p.motivo = SinSolucion::CoeficientesNulos;
        return p;
    }
    if (a < 0) p.signos.a = -1;
    if (b < 0) p.signos.b = -1;
    p.a = std::fabs(a);
    p.b = std::fabs(b);
    auto [g, traza] = Euclides(tiempo, p.a, p.b);
    euclides = std::move(traza);
    if (!g) return std::nullopt;
    p.mcd = *g;
    if (c != 0 && resto32(c, *g) != 0) p.motivo = SinSolucion::MCDNoDivide;
    return p;
}

}  // namespace

std::string_view textoSinSolucion(SinSolucion motivo) {
    switch (motivo) {
        case SinSolucion::CoeficientesNulos:
            return "La ecuación no tiene solución";
        case SinSolucion::MCDNoDivide:
            return "No existe solución para la ecuación ya que el mcd(A,B) no divide a C";
    }
    return {};
}

DiofanticaConTraza Diofantica(Tiempo& tiempo, double a, double b, double c) {
    DiofanticaConTraza r;
    r.pasos = {{-1, std::nullopt, 0, 1}, {0, std::nullopt, 1, 0}};
    r.resultado = conTrampa(kPrefijo, [&]() -> ConTiempo<ResultadoDiofantica> {
        const auto p = prepara(tiempo, r.euclides, a, b, c);
        if (!p) return std::nullopt;
        if (p->motivo) return *p->motivo;
        const double g = *p->mcd;
        if (g == 0) throw ErrorEjecucion(TipoError::DivisionPorCero);  // 0·X + 0·Y = 0

        SolucionDiofantica s;
        const char* const signoX = p->signos.a < 0 ? "-" : "+";
        const char* const signoY = p->signos.b < 0 ? "+" : "-";
        const char* parametro = "t";
        if (c != 0) {
            const double m = c / g;
            const auto k =
                convergentes(tiempo, p->a, p->b, [&](int i, std::int32_t q, double ai, double bi) {
                    r.pasos.push_back({i, q, ai, bi});
                });
            if (!k) return std::nullopt;
            s.x0 = paridad(k->k + 1) * k->b * m * p->signos.a;
            s.y0 = paridad(k->k) * k->a * m * p->signos.b;
            parametro = "K";
        }
        const double aReducido = p->a / g;
        const double bReducido = p->b / g;
        s.alpha = -p->signos.b * aReducido;
        s.beta = p->signos.a * bReducido;
        s.general = "X = " + textoDecimal(s.x0) + " " + signoX + " " + textoDecimal(bReducido) +
                    " " + parametro + "\r\nY = " + textoDecimal(s.y0) + " " + signoY + " " +
                    textoDecimal(aReducido) + " " + parametro + "\r\n\r\nPara todo entero " +
                    parametro;
        return s;
    });
    return r;
}

BezoutConTraza diofanticaInverso(Tiempo& tiempo, double a, double b, double c) {
    BezoutConTraza resultado;
    resultado.coeficientes = conTrampa(kPrefijo, [&]() -> ConTiempo<CoeficientesBezout> {
        const auto p = prepara(tiempo, resultado.euclides, a, b, c);
        if (!p) return std::nullopt;
        CoeficientesBezout r;
        r.mcd = p->mcd.value_or(0);  // 0·x + 0·y: no gcd was worked out, and 0 is theirs
        r.sinSolucion = p->motivo;
        if (p->motivo) return r;
        const double g = *p->mcd;
        if (g == 0) throw ErrorEjecucion(TipoError::DivisionPorCero);

        // The larger coefficient goes first; the solution is swapped back afterwards.
        const bool intercambio = aEntero32(p->b) > aEntero32(p->a);
        const double primero = intercambio ? p->b : p->a;
        const double segundo = intercambio ? p->a : p->b;
        const auto k = convergentes(tiempo, primero, segundo, [](auto...) {});
        if (!k) return std::nullopt;
        const double m = c / g;
        const double coefPrimero = paridad(k->k + 1) * k->b * m;
        const double coefSegundo = paridad(k->k) * k->a * m;
        r.x = (intercambio ? coefSegundo : coefPrimero) * p->signos.a;
        r.y = (intercambio ? coefPrimero : coefSegundo) * p->signos.b;
        return r;
    });
    return resultado;
}

}  // namespace zefra
