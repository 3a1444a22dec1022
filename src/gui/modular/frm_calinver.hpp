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
    QLineEdit* txmodn2_;
    QLineEdit* txelemzn_;
    QLineEdit* txinver_;
    // Values reported by the routines, from which the reasoning is built.
    QLineEdit* txmcd_;
    QLineEdit* txInverSinConvertir_;
    QLineEdit* txKentero_;
    double mcd_ = 0;
    double sinConvertir_ = 0;
};

}  // namespace zefra::gui
