#include "core/arithmetic/primitivas.hpp"

#include <cmath>

#include "core/shell/errores.hpp"
#include "core/shell/numeros.hpp"

namespace zefra {
namespace {

// The cases where the division itself is carried out: a > b > 0.
bool divisionReal(double a, double b) {
    if (!std::isfinite(a) || !std::isfinite(b)) throw ErrorEjecucion(TipoError::Desbordamiento);
    if (a == b || a < b || b < 0) return false;
    if (b == 0) throw ErrorEjecucion(TipoError::DivisionPorCero);
    return true;
}

}  // namespace

double cocienteEntero(double a, double b) {
    if (!divisionReal(a, b)) return a == b ? 1 : 0;
    // fmod is exact, so a − r is an exact multiple of b and the division below is exact
    // whenever the quotient itself is representable.
    return std::floor((a - std::fmod(a, b)) / b);
}

double restoEntero(double a, double b) {
    if (!divisionReal(a, b)) return a == b ? 0 : a;
    return std::fmod(a, b);
}

int noEsEntero(std::string_view texto) {
    bool soloSigno = false;
    std::size_t i = 0;
    if (!texto.empty() && texto.front() == '-') {
        soloSigno = true;
        i = 1;
    }
    for (; i < texto.size(); ++i) {
        if (texto[i] < '0' || texto[i] > '9') return 1;
        soloSigno = false;
    }
    return soloSigno ? 1 : 0;
}

double mcm(double a, double b, double g) {
    return std::fabs(a) / g * std::fabs(b);
}

}  // namespace zefra
