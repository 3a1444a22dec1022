// The window of the inverse of an element of Zn.
#pragma once

#include "gui/ui/contexto.hpp"
#include "gui/ui/ventana.hpp"

class QLineEdit;

namespace zefra::gui {

class FrmCalInver final : public Ventana {
    Q_OBJECT

  public:
    explicit FrmCalInver(Contexto& contexto);

  private slots:
    void calcula();

  private:
    Contexto& contexto_;
    QLineEdit* modulo_;
    QLineEdit* elemento_;
    QLineEdit* inverso_;
};

}  // namespace zefra::gui
