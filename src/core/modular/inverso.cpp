#include "core/modular/inverso.hpp"

#include "core/arithmetic/diofantica.hpp"
#include "core/arithmetic/euclides.hpp"

namespace zefra {

InversoConTraza inversoZn(Tiempo& tiempo, double n, double a) {
    if (!tiempo.inicial()) tiempo.marcaInicio();
    auto [g, euclides] = Euclides(tiempo, n, a);
    InversoConTraza r{std::nullopt, std::move(euclides)};
    if (!g) return r;
    InversoZn inverso;
    inverso.mcd = *g;
    if (*g != 1) {
        r.inverso = inverso;
        return r;
    }
    // With gcd 1 the equation a·x + n·y = 1 always has a solution; its solver divides the same
    // two numbers again, so the divisions stay those above.
    const auto b = diofanticaInverso(tiempo, a, n, 1).coeficientes;
    if (!b) return r;
    inverso.x = b->x;
    inverso.y = b->y;
    inverso.inverso = b->x < 0 ? b->x + n : b->x;
    r.inverso = inverso;
    return r;
}

}  // namespace zefra
