#include "core/modular/potencias.hpp"

#include "core/arithmetic/euclides.hpp"
#include "core/arithmetic/numeros.hpp"
#include "core/modular/euler.hpp"
#include "core/primes/es_primo.hpp"
#include "core/shell/errores.hpp"

namespace zefra {
namespace {

// The primality of n, remembered for the last modulus (its verdict is reported each time).
ConTiempo<int> esPrimoRecordado(Estado& estado, double n) {
    auto& memoria = estado.memoriaModulo;
    memoria.para(n);
    if (memoria.primo) {
        Observadores::avisa(estado.observadores.veredictoEsPrimo,
                            *memoria.primo == 1 ? kEsPrimo : kNoEsPrimo);
        return memoria.primo;
    }
    const auto p = esPrimo(estado, n);
    if (p) memoria.primo = *p;
    return p;
}

// The squaring and splitting of the exponent, writing the trace; the product of the factors.
ConTiempo<std::uint64_t> potencia(Estado& estado, std::int64_t a, std::int64_t b, std::uint64_t n,
                                  TrazaPotencia& traza) {
    Cronometro cronometro(estado.tiempo, Inicio::Publica);
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

ConTiempo<double> Calcupoten(Estado& estado, double aDoble, double bDoble, double nDoble) {
    TrazaPotencia& traza = estado.trazaPotencia;
    traza.vacia();
    // Whatever ends the run — a result, a short cut, the budget or an error — the windows learn
    // that the trace changed, so none keeps showing an earlier power's.
    struct AvisoAlSalir {
        Estado& estado;
        ~AvisoAlSalir() { Observadores::avisa(estado.observadores.trazaPotencia); }
    } const alSalir{estado};
    const std::int64_t a = aEntero32(aDoble);
    std::int64_t b = aEntero32(bDoble);
    const std::int64_t n = aEntero32(nDoble);
    if (n <= 0) throw ErrorEjecucion(TipoError::DivisionPorCero);
    traza.a = a;
    traza.n = n;

    const auto g = mcd(estado.tiempo, a, n);
    if (!g) return std::nullopt;
    const auto primo = esPrimoRecordado(estado, n);
    std::optional<std::int64_t> phi;
    if (*g == 1 && (n <= kMaximoModuloReducible || (primo && *primo == 1))) {
        const auto f = funcionEuler(estado, n);
        if (!f) return std::nullopt;
        phi = static_cast<std::int64_t>(*f);
    }
    if (const auto r = atajo(a, b, n)) return static_cast<double>(*r);

    if (phi) {
        Cronometro cronometro(estado.tiempo, Inicio::Publica);
        traza.reduccion = ReduccionExponente{b, *phi, b % *phi};
        b %= *phi;
        if (cronometro.agotado()) return std::nullopt;
    }
    traza.exponente = b;
    const auto r = potencia(estado, a, b, static_cast<std::uint64_t>(n), traza);
    if (r) traza.resultado = static_cast<std::int64_t>(*r);
    if (!r) return std::nullopt;
    return static_cast<double>(*r);
}

}  // namespace zefra
