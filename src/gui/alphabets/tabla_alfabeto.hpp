// The conversion grid in which a window shows an alphabet: 128 rows of two symbol/code column
// pairs. The grid only displays; the window keeps the alphabet itself.
#pragma once

#include <initializer_list>
#include <optional>

#include "core/alphabets/alfabeto.hpp"
#include "core/crypto/preparacion.hpp"
#include "core/shell/tabla.hpp"

namespace zefra::gui {

// A new, empty conversion grid.
inline Tabla tablaAlfabeto() {
    return Tabla(kFilasAlfabeto, kColumnasAlfabeto);
}

// Empties the grid, then writes the entries down the first pair from row 0 and, once it has its
// quota of rows (filasPorPar), down the second pair. More entries than the two pairs hold raise
// the subscript error.
void muestraAlfabeto(const Alfabeto& alfabeto, Tabla& tabla);

class Contexto;

// What a cipher window does with the alphabet it loaded at its first step: shows it in each of
// its grids and announces the modulus to the key window; with none loaded, empties the grids.
void muestraCargado(Contexto& contexto, const std::optional<AlfabetoCargado>& cargado,
                    std::initializer_list<Tabla*> tablas);

}  // namespace zefra::gui
