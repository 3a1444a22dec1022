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

ConTiempo<double> Euclides(Tiempo& tiempo, double a, double b, Tabla& traza) {
    return conTrampa(kPrefijo, [&]() -> ConTiempo<double> {
        limpiaTrazaEuclides(traza);
        traza.fija(0, 0, "Dividendo");
        traza.fija(0, 1, "Divisor");
        traza.fija(0, 2, "Cociente");
        traza.fija(0, 3, "Resto");

        a = std::fabs(a);
        b = std::fabs(b);
        if (const auto trivial = casoTrivial(a, b)) return *trivial;
        if (b > a) std::swap(a, b);
        int fila = 1;
        traza.fija(fila, 0, textoDecimal(a));
        traza.fija(fila, 1, textoDecimal(b));

        Cronometro cronometro(tiempo, Inicio::Publica);
        while (b > 0) {
            if (cronometro.agotado()) return std::nullopt;
            const double q = cocienteEntero(a, b);
            const double r = restoEntero(a, b);
            traza.fija(fila, 2, textoDecimal(q));
            traza.fija(fila, 3, textoDecimal(r));
            a = b;
            b = std::fabs(r);
            ++fila;
            traza.fija(fila, 0, textoDecimal(a));
            traza.fija(fila, 1, textoDecimal(b));
        }
        return std::fabs(a);
    });
}

void limpiaTrazaEuclides(Tabla& traza) {
    for (int fila = 1; fila < traza.filas() && !traza.texto(fila, 0).empty(); ++fila) {
        for (int columna = 0; columna < kColumnasTrazaEuclides; ++columna) {
            traza.fija(fila, columna, "");
        }
    }
}

}  // namespace zefra
