#include "core/arithmetic/restricciones.hpp"

#include <cmath>

#include "core/shell/numeros.hpp"

namespace zefra {
namespace {

// Narrows [desde, hasta] by one bound on x0 + coef·k: a lower bound when `inferior`.
// Returns false when the bound holds for no k at all.
bool aplicaCota(IntervaloK& i, double valor0, double coef, double cota, bool inferior) {
    if (coef == 0) return inferior ? valor0 >= cota : valor0 <= cota;
    const double t = (cota - valor0) / coef;
    if (inferior == (coef > 0)) {
        i.desde = maximo(t, i.desde);
    } else {
        i.hasta = minimo(t, i.hasta);
    }
    return true;
}

}  // namespace

double minimo(double a, double b) {
    return b < a ? b : a;
}
double maximo(double a, double b) {
    return b < a ? a : b;
}

std::optional<IntervaloK> intervaloDeK(const Parametrizacion& p, const Cotas& cotas) {
    IntervaloK i;
    bool posible = true;
    if (cotas.xMinima) posible &= aplicaCota(i, p.x0, p.beta, *cotas.xMinima, true);
    if (cotas.xMaxima) posible &= aplicaCota(i, p.x0, p.beta, *cotas.xMaxima, false);
    if (cotas.yMinima) posible &= aplicaCota(i, p.y0, p.alpha, *cotas.yMinima, true);
    if (cotas.yMaxima) posible &= aplicaCota(i, p.y0, p.alpha, *cotas.yMaxima, false);
    i.hasta = std::floor(i.hasta);
    i.desde = std::ceil(i.desde);
    if (!posible || i.desde > i.hasta) return std::nullopt;
    return i;
}

DescripcionIntervalo describeIntervalo(const IntervaloK& i) {
    DescripcionIntervalo d;
    const bool abajo = i.desde > -kSinCota;
    const bool arriba = i.hasta < kSinCota;
    if (!abajo || !arriba) {
        d.soluciones = "Existen infinitas soluciones para k en el intervalo";
        if (!abajo && !arriba) {
            d.intervalo = "]-inf,+inf[";
        } else if (!abajo) {
            d.intervalo = "]-inf," + textoDecimal(i.hasta) + "]";
        } else {
            d.intervalo = "[" + textoDecimal(i.desde) + ",+inf[";
        }
        return d;
    }
    d.finito = true;
    d.soluciones = "Existe un numero finito de soluciones para k en el intervalo";
    d.intervalo = "[" + textoDecimal(i.desde) + "," + textoDecimal(i.hasta) + "]";
    const double cuantas = i.hasta - i.desde + 1;
    d.ultimoK = i.hasta;
    if (cuantas > kMaximoSoluciones) {
        d.muestra = "Hay " + textoDecimal(cuantas) + " soluciones. Mostraremos sólo 500.";
        d.ultimoK = i.desde + (kMaximoSoluciones - 1);
    } else if (cuantas > 1) {
        d.muestra = "Hay " + textoDecimal(cuantas) + " soluciones.";
    } else {
        d.muestra = "Hay " + textoDecimal(cuantas) + " solución.";
    }
    return d;
}

void llenaSoluciones(Tabla& tabla, const Parametrizacion& p, double desde, double ultimoK) {
    const int columnas = static_cast<int>(ultimoK - desde) + 2;
    tabla.redimensiona(2, columnas);
    tabla.fija(0, 0, "Valor de k");
    tabla.fija(1, 0, "(x,y)=");
    for (int j = 1; j < columnas; ++j) {
        const double k = desde + (j - 1);
        tabla.fija(0, j, textoDecimal(k));
        tabla.fija(
            1, j,
            "(" + textoDecimal(p.x0 + k * p.beta) + "," + textoDecimal(p.y0 + k * p.alpha) + ")");
    }
}

}  // namespace zefra
