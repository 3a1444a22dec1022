// The affine cipher of the private-key system on a digit string: C([m]) = [r][m] + [s] and
// D([m*]) = [r]^-1 ([m*] - [s]) in Zn, block by block.
#pragma once

#include <string>
#include <string_view>

#include <optional>

#include "core/arithmetic/euclides.hpp"
#include "core/shell/tiempo.hpp"

namespace zefra {

enum class Sentido { Codificar, Decodificar };

struct ResultadoAfin {
    std::string digitos;         // every processed block, written with leading zeros to the width
    int fueraDeRango = 0;        // blocks not below n (each is reported; the digits are then void)
    bool tiempoAgotado = false;  // the inverse of r ran out of time: the digits are void
    std::optional<TrazaEuclides> euclides;  // the divisions behind the inverse of r, if worked out
};

// Maps each block of `ancho` digits. r and s are the classes of the keys (0 … n − 1, see
// claseDeClave) and r is prime to n. Deciphering works out the inverse of r once, at the first
// block, as the inverse in Zn does; enciphering never does.
ResultadoAfin cifraAfin(Tiempo& tiempo, std::string_view digitos, int ancho, double n, double r,
                        double s, Sentido sentido);

// The message for a block not below n.
std::string mensajeFueraDeRango(double n);

// The texts of the cipher step, with the keys as the user typed them.
struct FormulasAfines {
    std::string cifrado;      // C(r, s) ([m]) = [r][m] + [s]
    std::string descifrado;   // D(r, s) ([m*]) = [r]^-1 ([m*] - [s])
    std::string explicacion;  // Claves privadas r y s.
};
FormulasAfines formulasAfines(std::string_view r, std::string_view s);

// The deciphering step's text in the window for user alphabets: D(r, s) [m*]= [r ^-1 ] ([m*] -
// [s] ).
std::string formulaDescifradoUsuario(std::string_view r, std::string_view s);

}  // namespace zefra
