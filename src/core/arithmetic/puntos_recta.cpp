#include "core/arithmetic/puntos_recta.hpp"

#include <algorithm>
#include <cmath>

namespace zefra {

std::vector<PuntoRecta> puntosDeLaRecta(const Parametrizacion& p, const Cotas& cotas, int maximo) {
    const auto permitido = intervaloDeK(p, cotas);
    double desde = 0;
    double hasta = 0;
    if (permitido) {
        const bool abajo = permitido->desde > -kSinCota;
        const bool arriba = permitido->hasta < kSinCota;
        const double margen = std::max(2.0, std::floor((permitido->hasta - permitido->desde) / 4));
        if (abajo && arriba && permitido->hasta - permitido->desde + 2 * margen + 1 <= maximo) {
            desde = permitido->desde - margen;
            hasta = permitido->hasta + margen;
        } else {
            const double centro =
                abajo && arriba ? std::floor((permitido->desde + permitido->hasta) / 2)
                                : (abajo ? permitido->desde : (arriba ? permitido->hasta : 0));
            desde = centro - (maximo - 1) / 2;
            hasta = desde + (maximo - 1);
        }
    } else {
        desde = -(maximo - 1) / 2;
        hasta = desde + (maximo - 1);
    }
    std::vector<PuntoRecta> puntos;
    for (double k = desde; k <= hasta; ++k) {
        const bool dentro = permitido && permitido->desde <= k && k <= permitido->hasta;
        puntos.push_back({k, p.x0 + p.beta * k, p.y0 + p.alpha * k, dentro});
    }
    return puntos;
}

}  // namespace zefra
