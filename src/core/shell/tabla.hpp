// A grid of text cells addressed by row and column, as the trace and conversion tables use it.
// The window that shows a table observes it, so that cells written during a computation appear.
#pragma once

#include <string>
#include <vector>

namespace zefra {

class Tabla {
  public:
    class Observador {
      public:
        virtual void celdaCambiada(int fila, int columna) = 0;
        virtual void dimensionesCambiadas() = 0;
        // The table is going away: the observer must not touch it again.
        virtual void tablaDestruida() = 0;

      protected:
        ~Observador() = default;
    };

    Tabla(int filas, int columnas);
    ~Tabla();
    Tabla(const Tabla&) = delete;
    Tabla& operator=(const Tabla&) = delete;

    int filas() const { return filas_; }
    int columnas() const { return columnas_; }

    // Cell access; a row or column outside the table raises the subscript error.
    const std::string& texto(int fila, int columna) const;
    void fija(int fila, int columna, std::string texto);

    // Changes the size, keeping the cells that remain inside it.
    void redimensiona(int filas, int columnas);

    // At most one observer, not owned; pass nullptr to detach.
    void fijaObservador(Observador* observador) { observador_ = observador; }

  private:
    std::size_t indice(int fila, int columna) const;

    int filas_;
    int columnas_;
    std::vector<std::string> celdas_;
    Observador* observador_ = nullptr;
};

}  // namespace zefra
