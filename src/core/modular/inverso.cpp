#include "core/modular/inverso.hpp"

#include <variant>

#include "core/arithmetic/diofantica.hpp"
#include "core/arithmetic/euclides.hpp"

namespace zefra {

ConTiempo<double> inversoZn(Estado& estado, double n, double a) {
    if (!estado.tiempo.inicial()) estado.tiempo.marcaInicio();
    const auto g = Euclides(estado.tiempo, n, a, estado.trazaEuclides);
    if (!g) return std::nullopt;
    Observadores::avisa(estado.observadores.mcdInverso, *g);
    if (*g != 1) return 0.0;
    const auto x = diofanticaInverso(estado, a, n, 1);
    if (!x) return std::nullopt;
    // With gcd 1 the equation a·x + n·y = 1 always has a solution.
    const double inverso = std::get<double>(*x);
    Observadores::avisa(estado.observadores.inversoSinConvertir, inverso);
    return inverso < 0 ? inverso + n : inverso;
}

}  // namespace zefra
