// The warning shown on exit while user alphabets have never been saved.
#pragma once

#include <QDialog>

#include "gui/ui/contexto.hpp"

class QLabel;

namespace zefra::gui {

class FrmAvisoSalir final : public QDialog {
    Q_OBJECT

  public:
    explicit FrmAvisoSalir(Contexto& contexto);

    // Appends one endangered alphabet's name to the list.
    void anadeAlfabeto(const QString& nombre);

  public slots:
    // "Cancelar" (and the window frame): empties the list so it does not grow on the next exit.
    void reject() override;

  private:
    QLabel* aviso_;
};

}  // namespace zefra::gui
