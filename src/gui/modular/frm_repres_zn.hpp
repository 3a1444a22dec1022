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
    QLineEdit* txmodn_;
    QLineEdit* txclase_;
    QLineEdit* txsolrepres_;
    // The division reported by the last representative computed, wherever it was asked for.
    QLineEdit* txRestoRepres_;
    QLineEdit* txcociente_;
    double resto_ = 0;
    double cociente_ = 0;
};

}  // namespace zefra::gui
