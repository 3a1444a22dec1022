// The keys of the private-key (affine) system: the search of valid keys r, the class of a key in
// Zn, and the test that decides which window serves a user alphabet.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/alphabets/alfabeto.hpp"
#include "core/shell/tiempo.hpp"

namespace zefra {

// The largest minimum the search accepts: 2^31 − 101. The smallest is its opposite: far below
// it the decimal text of a key found would no longer be the number tested.
inline constexpr double kMaximaClaveMinima = 2147483547;
inline constexpr double kMinimaClaveMinima = -kMaximaClaveMinima;
// Consecutive values the search tries at most.
inline constexpr int kIntentosClaves = 2000;

// How many keys the search looks for from a minimum: 101, 20, 10, 5 or 1 as it grows.
int limiteClaves(double minimo);

struct BusquedaClaves {
    std::vector<double> claves;  // in increasing order
    bool tiempoAgotado = false;  // the keys found until then are kept
};

// Tries minimo, minimo + 1, … (at most 2000 values, starting at the least whole number not
// below minimo) and keeps those prime to n, up to limiteClaves(minimo) of them. Each gcd is
// mcdClaves, with its private start.
BusquedaClaves buscaClaves(Tiempo& tiempo, double minimo, double n);

// The keys r and s of the affine system as the user typed them, trimmed: whole numbers of any
// size, kept as their decimal text, which the formulas show, and reduced modulo the n of the
// alphabet each step loads.
struct ClavesAfines {
    std::string r;
    std::string s;
};

// The classes in Zn of the two keys.
struct ClasesAfines {
    double r = 0;
    double s = 0;
};

// The class in Zn (0 … n − 1) of the whole number written in `texto`, of any size and computed
// exactly from its digits; nothing when the text is not numeric or not a whole number. n is a
// whole number from 1 to 2^53.
std::optional<double> claseDeClave(std::string_view texto, double n);

// Both classes; nothing when either key is not a whole number.
std::optional<ClasesAfines> clasesDeClaves(const ClavesAfines& claves, double n);

// True when the codes of an alphabet (table order) are exactly 0, 1, …, its largest code, none
// above 9999; nothing when the budget runs out. Measured from the start the caller recorded.
ConTiempo<bool> codigosConsecutivos(Tiempo& tiempo, const Alfabeto& alfabeto);

// Keys that are numbers but not whole numbers: a fraction would be rounded one way when
// enciphering and another when deciphering, and the text would not come back.
inline constexpr const char* kMensajeClavesEnteras = "Las dos claves han de ser números enteros";

// The key window's statement of n and of the rule for r.
std::string textoModuloClaves(double n);

// A key r not prime to n.
std::string mensajeClaveNoValida(double n);

}  // namespace zefra
