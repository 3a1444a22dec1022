// An alphabet: a conversion table that gives every symbol a numeric code, its entries in table
// order. A window shows them in a four-column grid: down the first symbol/code pair from row 0
// and, once it has its quota of rows, down the second pair.
#pragma once

#include <string>
#include <vector>

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

    bool operator==(const Alfabeto&) const = default;
};

// The largest code of a list of entries; 0 for none. A code that is not a number raises the
// type-mismatch error.
double maximoCodigo(const std::vector<Equivalencia>& equivalencias);

// The modulus n of an alphabet: its largest code + 1.
inline double moduloDe(const Alfabeto& alfabeto) {
    return maximoCodigo(alfabeto.equivalencias) + 1;
}

}  // namespace zefra
