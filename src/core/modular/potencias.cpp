#include "core/modular/potencias.hpp"

#include "core/arithmetic/euclides.hpp"
#include "core/modular/euler.hpp"
#include "core/shell/errores.hpp"
#include "core/shell/numeros.hpp"

namespace zefra {
namespace {

// The squaring and splitting of the exponent, writing the trace; the product of the factors.
ConTiempo<std::uint64_t> potencia(Tiempo& tiempo, std::int64_t a, std::int64_t b, std::uint64_t n,
                                  TrazaPotencia& traza) {
    Cronometro cronometro(tiempo, Inicio::Publica);
    while (b > 0) {
        if (cronometro.agotado()) return std::nullopt;
        auto x = static_cast<std::uint64_t>(a);
        int i = 1;
        for (; (std::int64_t{1} << i) <= b; ++i) {
            PasoCuadrado paso{i, b, x * x, std::nullopt};
            x = paso.cuadrado;
            if (x >= n) {
                x %= n;
                paso.clase = static_cast<std::int64_t>(x);
            }
            traza.pasos.emplace_back(paso);
            if (cronometro.agotado()) return std::nullopt;
        }
        const std::int64_t exponente = std::int64_t{1} << (i - 1);
        traza.factores.push_back({exponente, static_cast<std::int64_t>(x)});
        traza.pasos.emplace_back(PasoFactor{i, b, b - exponente});
        b -= exponente;
    }
    std::uint64_t producto = 1;
    for (const auto& factor : traza.factores) {
        producto *= static_cast<std::uint64_t>(factor.valor);
        if (producto >= n) producto %= n;
        if (cronometro.agotado()) return std::nullopt;
    }
    return producto % n;
}

// The answers given without any squaring; nothing when the power must be computed.
std::optional<std::int64_t> atajo(std::int64_t a, std::int64_t b, std::int64_t n) {
    if (a == 1 || b == 0) return 1 % n;  // also [0]^0 = [1]
    if (a == 0) return 0;
    if (b == 1) return a % n;
    return std::nullopt;
}

}  // namespace

PotenciaConTraza Calcupoten(Tiempo& tiempo, MemoriaModulo& memoria, double aDoble, double bDoble,
                            double nDoble, AvisosZn* avisos) {
    PotenciaConTraza r;
    TrazaPotencia& traza = r.traza;
    const std::int64_t a = aEntero32(aDoble);
    std::int64_t b = aEntero32(bDoble);
    const std::int64_t n = aEntero32(nDoble);
    if (n <= 0) throw ErrorEjecucion(TipoError::DivisionPorCero);
    traza.a = a;
    traza.n = n;

    const auto g = mcd(tiempo, a, n);
    if (!g) return r;
    const auto primo = esPrimoRecordado(tiempo, memoria, n, avisos);
    std::optional<std::int64_t> phi;
    if (*g == 1 && (n <= kMaximoModuloReducible || (primo && *primo == 1))) {
        const auto f = funcionEuler(tiempo, memoria, static_cast<double>(n), avisos);
        if (!f) return r;
        phi = static_cast<std::int64_t>(*f);
    }
    if (const auto corto = atajo(a, b, n)) {
        r.resultado = static_cast<double>(*corto);
        return r;
    }

    if (phi) {
        Cronometro cronometro(tiempo, Inicio::Publica);
        traza.reduccion = ReduccionExponente{b, *phi, b % *phi};
        b %= *phi;
        if (cronometro.agotado()) return r;
    }
    traza.exponente = b;
    if (const auto p = potencia(tiempo, a, b, static_cast<std::uint64_t>(n), traza)) {
        traza.resultado = static_cast<std::int64_t>(*p);
        r.resultado = static_cast<double>(*p);
    }
    return r;
}

}  // namespace zefra
