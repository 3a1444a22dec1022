#include "core/arithmetic/euclides.hpp"

#include <cmath>
#include <utility>

#include "core/arithmetic/primitivas.hpp"
#include "core/shell/errores.hpp"
#include "core/shell/numeros.hpp"

namespace zefra {
namespace {

constexpr const char* kPrefijo = "Euclides";

// The trivial cases shared by every variant: a zero operand decides the gcd at once.
std::optional<double> casoTrivial(double a, double b) {
    if (a == 0) return b;
    if (b == 0) return a;
    return std::nullopt;
}

ConTiempo<double> mcdCon(Tiempo& tiempo, double a, double b, Inicio inicio) {
    return conTrampa(kPrefijo, [&]() -> ConTiempo<double> {
        a = std::fabs(a);
        b = std::fabs(b);
        if (const auto trivial = casoTrivial(a, b)) return *trivial;
        if (b > a) std::swap(a, b);
        Cronometro cronometro(tiempo, inicio);
        while (b > 0) {
            if (cronometro.agotado()) return std::nullopt;
            const double r = restoEntero(a, b);
            a = b;
            b = std::fabs(r);
        }
        return std::fabs(a);
    });
}

}  // namespace

ConTiempo<double> mcd(Tiempo& tiempo, double a, double b) {
    return mcdCon(tiempo, a, b, Inicio::Publica);
}

ConTiempo<double> mcdClaves(Tiempo& tiempo, double a, double b) {
    return mcdCon(tiempo, a, b, Inicio::Privada);
}

ResultadoEuclides Euclides(Tiempo& tiempo, double a, double b) {
    ResultadoEuclides r;
    r.mcd = conTrampa(kPrefijo, [&]() -> ConTiempo<double> {
        a = std::fabs(a);
        b = std::fabs(b);
        if (const auto trivial = casoTrivial(a, b)) return *trivial;
        if (b > a) std::swap(a, b);
        auto& filas = r.traza.filas;
        filas.push_back({a, b, std::nullopt, std::nullopt});
        Cronometro cronometro(tiempo, Inicio::Publica);
        while (b > 0) {
            if (cronometro.agotado()) return std::nullopt;
            const double resto = restoEntero(a, b);
            filas.back().cociente = cocienteEntero(a, b);
            filas.back().resto = resto;
            a = b;
            b = std::fabs(resto);
            filas.push_back({a, b, std::nullopt, std::nullopt});
        }
        return std::fabs(a);
    });
    return r;
}

}  // namespace zefra
