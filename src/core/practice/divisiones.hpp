// The table of Euclid's divisions as a practice sheet: the Euclid exercise and the inverse in Zn
// both have the student fill it in.
#pragma once

#include "core/arithmetic/euclides.hpp"
#include "core/practice/familia.hpp"

namespace zefra::practica {

// How many divisions Euclid's algorithm makes on a and b (b > 0 makes at least one).
int cuentaDivisiones(std::int64_t a, std::int64_t b);

// The columns of the trace window of Euclid's algorithm.
std::vector<std::string> columnasDivisiones();

// One row per division the routine made (the closing row "gcd over 0" has none and is left
// out): dividend, divisor, quotient, remainder. The first row's dividend and divisor are given;
// the student fills in the rest. The table must be the sheet's first rows.
void anadeDivisiones(Plantilla& plantilla, const TrazaEuclides& traza);

// A cell of those rows: only the routine's value is right; the reason names the rule broken.
Veredicto juzgaDivision(const Contexto& contexto, std::size_t fila, std::size_t columna);
std::string reglaDivision(std::size_t columna);

}  // namespace zefra::practica
