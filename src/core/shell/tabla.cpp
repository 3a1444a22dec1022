#include "core/shell/tabla.hpp"

#include <algorithm>

#include "core/shell/errores.hpp"

namespace zefra {

namespace {

std::size_t celdasDe(int filas, int columnas) {
    if (filas < 0 || columnas < 0) throw ErrorEjecucion(TipoError::SubindiceFueraDeIntervalo);
    return static_cast<std::size_t>(filas) * static_cast<std::size_t>(columnas);
}

}  // namespace

Tabla::Tabla(int filas, int columnas)
    : filas_(filas), columnas_(columnas), celdas_(celdasDe(filas, columnas)) {}

Tabla::~Tabla() {
    if (observador_) observador_->tablaDestruida();
}

std::size_t Tabla::indice(int fila, int columna) const {
    if (fila < 0 || fila >= filas_ || columna < 0 || columna >= columnas_) {
        throw ErrorEjecucion(TipoError::SubindiceFueraDeIntervalo);
    }
    return static_cast<std::size_t>(fila) * static_cast<std::size_t>(columnas_) +
           static_cast<std::size_t>(columna);
}

const std::string& Tabla::texto(int fila, int columna) const {
    return celdas_[indice(fila, columna)];
}

void Tabla::fija(int fila, int columna, std::string texto) {
    auto& celda = celdas_[indice(fila, columna)];
    if (celda == texto) return;
    celda = std::move(texto);
    if (observador_) observador_->celdaCambiada(fila, columna);
}

void Tabla::redimensiona(int filas, int columnas) {
    std::vector<std::string> nuevas(celdasDe(filas, columnas));
    if (filas == filas_ && columnas == columnas_) return;
    for (int f = 0; f < std::min(filas, filas_); ++f) {
        for (int c = 0; c < std::min(columnas, columnas_); ++c) {
            nuevas[static_cast<std::size_t>(f) * static_cast<std::size_t>(columnas) +
                   static_cast<std::size_t>(c)] = std::move(celdas_[indice(f, c)]);
        }
    }
    celdas_ = std::move(nuevas);
    filas_ = filas;
    columnas_ = columnas;
    if (observador_) observador_->dimensionesCambiadas();
}

}  // namespace zefra
