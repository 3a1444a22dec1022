// The window that gives the alphabet being modified a new name, applied on "Aceptar" of the
// modify window.
#pragma once

#include "gui/ui/contexto.hpp"
#include "gui/ui/ventana.hpp"

class QLineEdit;

namespace zefra::gui {

class FrCambiaAlfaNombre final : public Ventana {
    Q_OBJECT

  public:
    explicit FrCambiaAlfaNombre(Contexto& contexto);

    // Empties the name field once the name is applied.
    void vacia();

  public slots:
    // "Cancelar" (and the window frame): no new name is pending any more.
    void salir() override;

  private slots:
    void aceptar();

  private:
    Contexto& contexto_;
    QLineEdit* nombreNuevo_;
};

}  // namespace zefra::gui
