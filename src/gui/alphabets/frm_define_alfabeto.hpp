// The window in which the user builds a new alphabet equivalence by equivalence, then names it
// and, if asked, loads it into a free slot.
#pragma once

#include "core/alphabets/edicion.hpp"
#include "gui/alphabets/tabla_alfabeto.hpp"
#include "gui/ui/contexto.hpp"
#include "gui/ui/ventana.hpp"

class QCheckBox;
class QComboBox;

namespace zefra::gui {

class Rejilla;

class FrmDefineAlfabeto final : public Ventana {
    Q_OBJECT

  public:
    explicit FrmDefineAlfabeto(Contexto& contexto);

    // "Crear": shows the window with the table it kept, and remembers that table for "SALIR".
    void abre();

    // The entries being defined, in table order.
    const Equivalencias& equivalencias() const { return propias_; }
    // The width every code of the table has; 0 for none yet.
    int ancho() const { return ancho_; }
    // Whether "Cargarlo en memoria" is ticked.
    bool cargarEnMemoria() const;

  public slots:
    // "SALIR": the table goes back to what it was when the window was opened.
    void salir() override;

  private slots:
    void asociar();
    void borrarEquivalencia();
    void borrarTabla();
    void aceptar();

  private:
    // Shows the entries in the grid.
    void muestra();

    Contexto& contexto_;
    Equivalencias propias_;          // the table being defined
    Equivalencias copia_;            // the table as it was on opening
    Tabla tabla_ = tablaAlfabeto();  // the grid that shows it
    int ancho_ = 0;                  // the width of every code of the table; 0 for none yet

    QComboBox* simbolo_;
    QComboBox* codigo_;
    Rejilla* rejilla_;
    QCheckBox* cargarEnMemoria_;
};

}  // namespace zefra::gui
