// The reasoning texts of the representative and inverse windows: the equations that justify
// each result, line by line (lines end in CR LF).
#pragma once

#include <string>

#include "core/modular/inverso.hpp"

namespace zefra {

// a = q·n + resto, and for a negative remainder the step from it to the representative r.
std::string razonamientoRepresentante(double a, double n, double cociente, double resto, double r);

// Why [a] has the inverse `r` in Zn, or has none; a negative a is explained through the division
// that takes it to its representative, whose inverse `r` is.
std::string razonamientoInverso(double n, double a, const InversoZn& r);

// The k of a·x = 1 + k·n, exact for every 32-bit a, x and n.
double kDeLaEcuacion(double a, double x, double n);

}  // namespace zefra
