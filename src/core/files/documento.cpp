#include "core/files/documento.hpp"

#include <algorithm>

#include "core/shell/tabla.hpp"

namespace zefra {

BloqueTabla bloqueDeTabla(const Tabla& tabla, int filasCabecera, int columnasCabecera) {
    const int saltoFilas = std::max(0, filasCabecera - 1);
    const int saltoColumnas = std::max(0, columnasCabecera - 1);
    BloqueTabla bloque;
    bloque.filas = std::max(0, tabla.filas() - saltoFilas);
    bloque.columnas = std::max(0, tabla.columnas() - saltoColumnas);
    bloque.filaCabecera = filasCabecera > 0;
    bloque.columnaCabecera = columnasCabecera > 0;
    // Row 0 and column 0 head the block; the other leading ones are not shown by a grid either.
    bloque.celda = [&tabla, saltoFilas, saltoColumnas](int fila, int columna) {
        return tabla.texto(fila > 0 ? fila + saltoFilas : 0,
                           columna > 0 ? columna + saltoColumnas : 0);
    };
    return bloque;
}

bool tieneTabla(const Documento& documento) {
    return std::any_of(documento.bloques.begin(), documento.bloques.end(),
                       [](const Bloque& b) { return std::holds_alternative<BloqueTabla>(b); });
}

}  // namespace zefra
