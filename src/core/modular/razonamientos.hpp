// The reasoning texts of the representative and inverse windows: the equations that justify
// each result, line by line (lines end in CR LF).
#pragma once

#include <optional>
#include <string>

namespace zefra {

// a = q·n + resto, and for a negative remainder the step from it to the representative r.
std::string razonamientoRepresentante(double a, double n, double cociente, double resto, double r);

// What the inverse window explains of one computation.
struct DatosInverso {
    double n = 0;
    double a = 0;        // the element as the user gave it
    double mcd = 0;      // gcd(n, a)
    double inverso = 0;  // the inverse in 0 … n − 1 (meaningful when mcd = 1)
    double x = 0;        // the coefficient of the element before it was made non-negative
    // For a negative element: the division a = q·n + resto and the representative r.
    std::optional<double> cociente;
    std::optional<double> resto;
    std::optional<double> representante;
};

std::string razonamientoInverso(const DatosInverso& d);

// The k of a·x = 1 + k·n, exact for every 32-bit a, x and n.
double kDeLaEcuacion(double a, double x, double n);

}  // namespace zefra
