// The primality window: a number, and the verdict that the test writes into it, also when
// another routine runs the test.
#pragma once

#include "gui/ui/contexto.hpp"
#include "gui/ui/ventana.hpp"

class QLabel;
class QLineEdit;

namespace zefra::gui {

class FrmEsPrimo final : public Ventana {
    Q_OBJECT

  public:
    explicit FrmEsPrimo(Contexto& contexto);
    ~FrmEsPrimo() override;

    // Empties the verdict, as the menu entry does before showing the window.
    void vaciaVeredicto();

  private slots:
    void compruebaPrimo();

  private:
    Contexto& contexto_;
    QLineEdit* txtesprimo_;
    QLabel* lbsolesprimo_;
};

}  // namespace zefra::gui
