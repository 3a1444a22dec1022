// The primality window: a number, and the verdict of the test, also of a test another window's
// computation runs.
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

    // Empties the verdict, as the menu entry does before showing the window.
    void vaciaVeredicto();

  private slots:
    void compruebaPrimo();

  private:
    Contexto& contexto_;
    QLineEdit* numero_;
    QLabel* veredicto_;
};

}  // namespace zefra::gui
