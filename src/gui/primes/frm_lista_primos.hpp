// The input window of the list of primes: the bound, and the run that fills the result window.
#pragma once

#include "gui/ui/contexto.hpp"
#include "gui/ui/ventana.hpp"

class QLineEdit;

namespace zefra::gui {

class FrmListaPrimos final : public Ventana {
    Q_OBJECT

  public:
    explicit FrmListaPrimos(Contexto& contexto);

  private slots:
    void acepta();

  private:
    Contexto& contexto_;
    QLineEdit* tope_;
};

}  // namespace zefra::gui
