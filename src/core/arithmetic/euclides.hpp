// Greatest common divisor by Euclid's algorithm, plain and with the table of divisions.
#pragma once

#include "core/shell/tabla.hpp"
#include "core/shell/tiempo.hpp"

namespace zefra {

// The Euclid trace grid: a header row, then one row per division.
inline constexpr int kFilasTrazaEuclides = 1000;
inline constexpr int kColumnasTrazaEuclides = 4;

// gcd of |a| and |b| (0 for two zeros), or nothing when the budget runs out. mcd publishes its
// start time, mcdClaves keeps a private one. Errors are trapped under the name "Euclides".
ConTiempo<double> mcd(Tiempo& tiempo, double a, double b);
ConTiempo<double> mcdClaves(Tiempo& tiempo, double a, double b);

// The same gcd, writing the trace: row 0 the header, each data row a dividend, divisor,
// quotient and remainder; the last row the gcd over 0. Rows of a timed-out run stay.
ConTiempo<double> Euclides(Tiempo& tiempo, double a, double b, Tabla& traza);

// Empties the data rows of the trace down to the first row whose first cell is empty.
void limpiaTrazaEuclides(Tabla& traza);

}  // namespace zefra
