// The integer points of the line A·x + B·y = C near the bounds, for a chart: the solutions
// x = x0 + beta·k, y = y0 + alpha·k for a window of k around the solutions the bounds allow.
#pragma once

#include <optional>
#include <vector>

#include "core/arithmetic/restricciones.hpp"

namespace zefra {

struct PuntoRecta {
    double k = 0;
    double x = 0;
    double y = 0;
    bool dentro = false;  // satisfies every bound
};

// At most `maximo` consecutive values of k (maximo ≥ 1): all of the allowed interval with a
// margin of a quarter of its length (at least 2) on each side when that fits; otherwise a
// window centred on the allowed interval's middle, its finite end, or k = 0.
std::vector<PuntoRecta> puntosDeLaRecta(const Parametrizacion& p, const Cotas& cotas, int maximo);

}  // namespace zefra
