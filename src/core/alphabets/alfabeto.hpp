// An alphabet: a conversion table that gives every symbol a numeric code, and the four-column
// grid that holds it. Columns 0/1 are the symbol and code of the first column pair, columns 2/3
// those of the second. Entries go down the first pair from row 0 and, once it has its quota of
// rows, down the second pair from row 0.
#pragma once

#include <string>
#include <vector>

#include "core/shell/tabla.hpp"

namespace zefra {

inline constexpr int kFilasAlfabeto = 128;   // rows of every conversion grid
inline constexpr int kColumnasAlfabeto = 4;  // symbol, code, symbol, code
inline constexpr int kMaximoEquivalencias = 256;

struct Equivalencia {
    std::string simbolo;  // one character, UTF-8
    std::string codigo;   // decimal digits, with the table's leading zeros

    bool operator==(const Equivalencia&) const = default;
};

struct Alfabeto {
    std::string nombre;
    std::vector<Equivalencia> equivalencias;  // in table order
    // Rows of the first column pair before the second one begins: 128 for the user's
    // alphabets, a shorter quota for the predefined ones.
    int filasPorPar = kFilasAlfabeto;
};

// A new, empty conversion grid.
inline Tabla tablaAlfabeto() {
    return Tabla(kFilasAlfabeto, kColumnasAlfabeto);
}

// Writes the entries into the grid from row 0 of the first pair, without clearing it first.
// More entries than the two pairs hold raise the subscript error.
void escribeAlfabeto(const Alfabeto& alfabeto, Tabla& tabla);

// The entries of a grid in table order: the first pair from row 0 down to its first empty code
// cell, then the second pair the same way. This reads both the 128-row layout and the shorter
// quotas of the predefined alphabets.
std::vector<Equivalencia> equivalenciasDe(const Tabla& tabla);

// Empties every symbol and code cell of the 128 rows of both pairs.
void limpiaTabla(Tabla& tabla);

// Empties the destination, then copies every cell of the 128 rows of both pairs into it.
void copiaTabla(const Tabla& origen, Tabla& destino);

// The largest code of a grid (its entries in table order); 0 for an empty grid. A code cell
// that is not a number raises the type-mismatch error.
double maximoCodigo(const Tabla& tabla);

// The largest code of a list of entries; 0 for none.
double maximoCodigo(const std::vector<Equivalencia>& equivalencias);

// The modulus n of an alphabet: its largest code + 1.
inline double moduloDe(const Tabla& tabla) {
    return maximoCodigo(tabla) + 1;
}
inline double moduloDe(const Alfabeto& alfabeto) {
    return maximoCodigo(alfabeto.equivalencias) + 1;
}

}  // namespace zefra
