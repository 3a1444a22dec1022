#include "gui/alphabets/tabla_alfabeto.hpp"

#include "gui/ui/contexto.hpp"

namespace zefra::gui {

void muestraAlfabeto(const Alfabeto& alfabeto, Tabla& tabla) {
    for (int fila = 0; fila < kFilasAlfabeto; ++fila) {
        for (int columna = 0; columna < kColumnasAlfabeto; ++columna)
            tabla.fija(fila, columna, "");
    }
    int fila = 0;
    int columna = 0;
    for (const auto& e : alfabeto.equivalencias) {
        tabla.fija(fila, columna, e.simbolo);
        tabla.fija(fila, columna + 1, e.codigo);
        if (columna == 0 && fila == alfabeto.filasPorPar - 1) {
            fila = 0;
            columna = 2;
        } else {
            ++fila;
        }
    }
}

void muestraCargado(Contexto& contexto, const std::optional<AlfabetoCargado>& cargado,
                    std::initializer_list<Tabla*> tablas) {
    for (Tabla* t : tablas)
        muestraAlfabeto(cargado ? cargado->alfabeto : Alfabeto{}, *t);
    if (cargado) emit contexto.avisos.moduloAlfabeto(cargado->modulo);
}

}  // namespace zefra::gui
