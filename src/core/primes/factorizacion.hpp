// Factorization into prime powers by trial division, and the factor table that keeps the last
// result for as long as the program runs (Euler's function reads it).
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/shell/tiempo.hpp"

namespace zefra {

// Rows 0 … 10,000 of three columns; column 1 a prime, column 2 its exponent, −4 in both for an
// empty row. Rows 1 … m hold the distinct primes in increasing order; row 0 and column 0 are
// not used.
class TablaFactores {
  public:
    static constexpr int kUltimaFila = 10000;
    static constexpr std::int32_t kVacia = -4;

    TablaFactores();

    // Marks every row empty.
    void vacia();

    // Cell access; a row or column outside the table raises the subscript error.
    std::int32_t valor(int fila, int columna) const;
    std::int32_t primo(int fila) const { return valor(fila, 1); }
    std::int32_t exponente(int fila) const { return valor(fila, 2); }
    void fija(int fila, std::int32_t primo, std::int32_t exponente);

  private:
    std::vector<std::array<std::int32_t, 3>> filas_;
};

// Factors n (converted to a 32-bit integer, halves to even; the overflow error outside it)
// into `tabla`, publishing its start. Returns the result's text, one line per prime; nothing
// when the budget runs out, and then the table keeps the factors found so far. 1, 0 and negative
// numbers give an empty table and text.
ConTiempo<std::string> factorizaPrimos(Tiempo& tiempo, TablaFactores& tabla, double n);

// The lines of the table down to its first empty row: the prime, two blanks for each digit it
// has fewer than 10, six blanks, the exponent, CR LF.
std::string textoFactorizacion(const TablaFactores& tabla);

}  // namespace zefra
