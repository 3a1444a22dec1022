// The window in which the user builds a new alphabet equivalence by equivalence, then names it
// and, if asked, loads it into a free slot.
#pragma once

#include "core/alphabets/alfabeto.hpp"
#include "gui/ui/contexto.hpp"
#include "gui/ui/ventana.hpp"

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace zefra::gui {

class Rejilla;

class FrmDefineAlfabeto final : public Ventana {
    Q_OBJECT

  public:
    explicit FrmDefineAlfabeto(Contexto& contexto);

    // "Crear": shows the window with the table it kept, and remembers that table for "SALIR".
    void abre();

    // The table being defined.
    const Tabla& tabla() const { return propia_; }
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
    void fijaAncho(int ancho);

    Contexto& contexto_;
    Tabla propia_ = tablaAlfabeto();  // Flexalfapropio
    Tabla copia_ = tablaAlfabeto();   // flexalfaaux, the table as it was on opening
    int ancho_ = 0;                   // the width of every code of the table; 0 for none yet

    QComboBox* DpSimboloalfa_;
    QComboBox* DpCodAsoc_;
    Rejilla* Flexalfapropio_;
    QLineEdit* txnumdig_;
    QCheckBox* ChCargarEnMemoria_;
};

}  // namespace zefra::gui
