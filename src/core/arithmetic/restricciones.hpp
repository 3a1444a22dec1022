// The solutions of a Diophantine equation, x = x0 + beta·k and y = y0 + alpha·k, that satisfy
// optional lower and upper bounds on x and y: the interval of k and the table that lists them.
#pragma once

#include <optional>
#include <string>

#include "core/shell/tabla.hpp"

namespace zefra {

// Stands for an unbounded side of the interval of k.
inline constexpr double kSinCota = 494065645841247;
// The table lists at most this many solutions.
inline constexpr int kMaximoSoluciones = 500;

double minimo(double a, double b);
double maximo(double a, double b);

struct Cotas {
    std::optional<double> xMinima;
    std::optional<double> xMaxima;
    std::optional<double> yMinima;
    std::optional<double> yMaxima;
};

struct Parametrizacion {
    double x0 = 0;
    double y0 = 0;
    double beta = 0;   // coefficient of k in x
    double alpha = 0;  // coefficient of k in y
};

// The whole interval [desde, hasta] of k, each side ±kSinCota when unbounded; nothing when no
// k satisfies the bounds. A variable whose coefficient is 0 is constant: its bound holds for
// every k or for none.
struct IntervaloK {
    double desde = -kSinCota;
    double hasta = kSinCota;
};
std::optional<IntervaloK> intervaloDeK(const Parametrizacion& p, const Cotas& cotas);

// What the window says of a non-empty interval.
struct DescripcionIntervalo {
    std::string soluciones;  // infinite or finite
    std::string intervalo;   // "[-2,2]", "]-inf,+inf[", ...
    std::string muestra;     // the count, only for a finite interval
    double ultimoK = 0;      // the last k listed (finite intervals only)
    bool finito = false;
};
DescripcionIntervalo describeIntervalo(const IntervaloK& intervalo);

// Fills the table (row 0 "Valor de k", row 1 "(x,y)=", column 0 the captions) with the solutions
// for k = desde … ultimoK, sizing it to fit.
void llenaSoluciones(Tabla& tabla, const Parametrizacion& p, double desde, double ultimoK);

}  // namespace zefra
