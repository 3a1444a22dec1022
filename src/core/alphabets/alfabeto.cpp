#include "core/alphabets/alfabeto.hpp"

#include "core/arithmetic/numeros.hpp"
#include "core/shell/errores.hpp"

namespace zefra {

void escribeAlfabeto(const Alfabeto& alfabeto, Tabla& tabla) {
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

std::vector<Equivalencia> equivalenciasDe(const Tabla& tabla) {
    std::vector<Equivalencia> entradas;
    for (const int columna : {0, 2}) {
        for (int fila = 0; fila < kFilasAlfabeto && !tabla.texto(fila, columna + 1).empty();
             ++fila) {
            entradas.push_back({tabla.texto(fila, columna), tabla.texto(fila, columna + 1)});
        }
    }
    return entradas;
}

void limpiaTabla(Tabla& tabla) {
    for (int fila = 0; fila < kFilasAlfabeto; ++fila) {
        for (int columna = 0; columna < kColumnasAlfabeto; ++columna)
            tabla.fija(fila, columna, "");
    }
}

void copiaTabla(const Tabla& origen, Tabla& destino) {
    if (&origen == &destino) return;  // emptying first would lose the table
    limpiaTabla(destino);
    for (int fila = 0; fila < kFilasAlfabeto; ++fila) {
        for (int columna = 0; columna < kColumnasAlfabeto; ++columna)
            destino.fija(fila, columna, origen.texto(fila, columna));
    }
}

double maximoCodigo(const Tabla& tabla) {
    return maximoCodigo(equivalenciasDe(tabla));
}

double maximoCodigo(const std::vector<Equivalencia>& equivalencias) {
    double maximo = 0;
    for (const auto& e : equivalencias) {
        const auto codigo = leeNumero(e.codigo);
        if (!codigo) throw ErrorEjecucion(TipoError::TiposNoCoinciden);
        if (*codigo > maximo) maximo = *codigo;
    }
    return maximo;
}

}  // namespace zefra
