#include "core/modular/euler.hpp"

#include <cmath>

#include "core/arithmetic/euclides.hpp"
#include "core/primes/factores_primos.hpp"
#include "core/shell/numeros.hpp"

namespace zefra {
namespace {

void avisaLista(AvisosZn* avisos, std::string_view texto, bool terminada) {
    if (avisos) avisos->primosEuler(texto, terminada);
}

bool entero(double n) {
    return esEntero(n) && n <= kMayorEnteroExacto;
}

// Steps shared by both variants: the list emptied, the primality test (remembered for the last
// modulus), the budget read. Returns φ when it is already known; nothing in `phi` to go on.
struct Comienzo {
    bool agotado = false;
    std::optional<double> phi;
};

Comienzo comienza(Tiempo& tiempo, MemoriaModulo& memoria, double n, AvisosZn* avisos) {
    avisaLista(avisos, "", false);
    // No number is prime to n ≤ 0 (and the primality test has no answer for it).
    if (n <= 0) return {false, 0.0};
    const auto primo = esPrimoRecordado(tiempo, memoria, n, avisos);
    if (!primo) return {true, {}};
    if (*primo == 1) {
        avisaLista(avisos, "1 -- " + textoDecimal(n - 1), false);
        return {false, n - 1};
    }
    return {};
}

}  // namespace

std::uint64_t phiPorFactores(std::uint64_t n) {
    std::uint64_t phi = n;
    for (const auto& factor : factoresPrimos(n))
        phi -= phi / factor.primo;
    return phi;
}

ConTiempo<double> funcionEuler(Tiempo& tiempo, MemoriaModulo& memoria, double n, AvisosZn* avisos) {
    const Comienzo c = comienza(tiempo, memoria, n, avisos);
    if (c.agotado) return std::nullopt;
    if (c.phi) return c.phi;
    Cronometro cronometro(tiempo, Inicio::Publica);
    if (n <= 0) return 0.0;
    if (!memoria.phi) {
        if (entero(n)) {
            memoria.phi = static_cast<double>(phiPorFactores(static_cast<std::uint64_t>(n)));
        } else {
            // A fraction has no factorization: count as the definition says.
            double cuenta = 0;
            for (double i = 1; i <= n; ++i) {
                const auto g = mcd(tiempo, i, n);
                if (!g) return std::nullopt;
                if (*g == 1) ++cuenta;
                if (cronometro.agotado()) return std::nullopt;
            }
            memoria.phi = cuenta;
        }
    }
    avisaLista(avisos, "", true);
    return memoria.phi;
}

ConTiempo<double> funcionEulerLista(Tiempo& tiempo, MemoriaModulo& memoria, double n,
                                    AvisosZn* avisos) {
    const Comienzo c = comienza(tiempo, memoria, n, avisos);
    if (c.agotado) return std::nullopt;
    if (c.phi) return c.phi;
    Cronometro cronometro(tiempo, Inicio::Publica);
    if (n <= 0) return 0.0;
    if (n > kMaximoListaEuler && entero(n)) {
        const auto phi = funcionEuler(tiempo, memoria, n, avisos);
        if (phi && *phi > 0) avisaLista(avisos, "Demasiados números.", true);
        return phi;
    }
    std::string lista;
    double cuenta = 0;
    for (double i = 1; i <= n; ++i) {
        if (cronometro.agotado()) return std::nullopt;
        const auto g = mcd(tiempo, i, n);
        if (!g) return std::nullopt;
        if (*g == 1) {
            ++cuenta;
            if (n <= kMaximoListaEuler) {
                if (!lista.empty()) lista += ", ";
                lista += textoDecimal(i);
            } else {
                lista = "Demasiados números.";
            }
        }
        if (cronometro.agotado()) return std::nullopt;
    }
    memoria.phi = cuenta;
    avisaLista(avisos, lista, true);
    return cuenta;
}

FormulaEuler formulaEuler(const TablaFactores& factores, std::string_view textoModulo) {
    FormulaEuler f;
    std::string producto;
    for (int fila = 1; fila <= TablaFactores::kUltimaFila; ++fila) {
        if (factores.primo(fila) == TablaFactores::kVacia) break;
        const std::string separador = fila == 1 ? "" : " * ";
        const std::string p = textoDecimal(factores.primo(fila));
        f.descomposicion += separador + p + "^" + textoDecimal(factores.exponente(fila));
        producto += separador + "(1 - 1/" + p + ")";
    }
    if (!producto.empty()) f.formula = std::string(textoModulo) + " * " + producto;
    return f;
}

std::string explicacionEuler(double phi, double n) {
    // φ(n) counts 1 ≤ k ≤ n, so that φ(1) = 1 is read right; one number in the singular.
    const bool uno = phi == 1;
    return "Además hay " + textoDecimal(phi) + (uno ? " entero" : " enteros") + " k, con 1 ≤ k ≤ " +
           textoDecimal(n) + ", \r\n" + (uno ? "primo" : "primos") + " con " + textoDecimal(n) +
           ".";
}

}  // namespace zefra
