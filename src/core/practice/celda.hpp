// Reading what a student typed into one cell of a practice sheet, and writing whole numbers of
// any size the checks work with.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace zefra::practica {

// Wide enough for every product the checks form from two cells.
using Entero = __int128;

struct LecturaCelda {
    enum class Tipo { Vacia, Numero, NoHay, Error };
    Tipo tipo = Tipo::Vacia;
    Entero valor = 0;
    std::string error;  // why the text is not a whole number
};

// Blanks around are ignored. A whole number: an optional sign and digits, or any numeric text
// whose value is whole ("1e3", "12,0"). "No tiene solución", "No existe (el inverso)" and the like
// read as NoHay. Anything else, a fraction or a number too long to hold exactly, is an Error
// with a short reason.
// Longer numbers are refused: no answer of the practice but a least common multiple is near them,
// and a product of one with a datum (below 10^16) stays far inside 128 bits.
inline constexpr std::size_t kMaximoCifras = 20;
LecturaCelda leeCelda(std::string_view texto, std::size_t maximoCifras = kMaximoCifras);

std::string_view recorta(std::string_view texto);

std::string texto(Entero x);
// A number as a factor of a product: parenthesised when negative, "3·(−4)".
std::string factor(Entero x);

// The representative of x in 0 … n − 1 (n > 0).
Entero modulo(Entero x, Entero n);
Entero mcdEntero(Entero a, Entero b);

// The answers that say there is no solution or no inverse, as the sheet's solution writes them.
inline constexpr const char* kNoTieneSolucion = "No tiene solución";
inline constexpr const char* kNoExisteInverso = "No existe el inverso";

}  // namespace zefra::practica
