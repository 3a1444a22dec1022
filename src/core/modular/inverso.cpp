#include "core/modular/inverso.hpp"

#include "core/arithmetic/diofantica.hpp"
#include "core/arithmetic/euclides.hpp"

namespace zefra {

ConTiempo<InversoZn> inversoZn(Tiempo& tiempo, Tabla& trazaEuclides, double n, double a) {
    if (!tiempo.inicial()) tiempo.marcaInicio();
    const auto g = Euclides(tiempo, n, a, trazaEuclides);
    if (!g) return std::nullopt;
    InversoZn r;
    r.mcd = *g;
    if (*g != 1) return r;
    // With gcd 1 the equation a·x + n·y = 1 always has a solution.
    const auto b = diofanticaInverso(tiempo, trazaEuclides, a, n, 1);
    if (!b) return std::nullopt;
    r.x = b->x;
    r.y = b->y;
    r.inverso = b->x < 0 ? b->x + n : b->x;
    return r;
}

}  // namespace zefra
