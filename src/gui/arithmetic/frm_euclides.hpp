// The Euclid window: gcd and lcm of two integers, with the table of divisions.
#pragma once

#include "gui/ui/contexto.hpp"
#include "gui/ui/exportacion.hpp"
#include "gui/ui/ventana.hpp"

class QLineEdit;
class QPushButton;

namespace zefra::gui {

class FrmEuclides final : public Ventana {
    Q_OBJECT

  public:
    explicit FrmEuclides(Contexto& contexto);

  private slots:
    void calculaMcd();
    void verTraza();

  private:
    Contexto& contexto_;
    QLineEdit* a_;
    QLineEdit* b_;
    QLineEdit* mcd_;
    QLineEdit* mcm_;
    QPushButton* botonTraza_;
};

}  // namespace zefra::gui
