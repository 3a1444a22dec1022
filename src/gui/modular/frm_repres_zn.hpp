// The window of the class representative in Zn.
#pragma once

#include "gui/ui/contexto.hpp"
#include "gui/ui/ventana.hpp"

class QLineEdit;

namespace zefra::gui {

class FrmRepresZn final : public Ventana {
    Q_OBJECT

  public:
    explicit FrmRepresZn(Contexto& contexto);

  private slots:
    void calcula();

  private:
    Contexto& contexto_;
    QLineEdit* modulo_;
    QLineEdit* clase_;
    QLineEdit* representante_;
};

}  // namespace zefra::gui
