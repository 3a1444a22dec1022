// The factorization window: a number and its prime powers, one line per prime.
#pragma once

#include <string>

#include "gui/ui/contexto.hpp"
#include "gui/ui/ventana.hpp"

class QLineEdit;
class QPlainTextEdit;

namespace zefra::gui {

class FrmFactoriza final : public Ventana {
    Q_OBJECT

  public:
    explicit FrmFactoriza(Contexto& contexto);

  private slots:
    void factoriza();

  private:
    Contexto& contexto_;
    QLineEdit* numero_;
    QPlainTextEdit* factores_;
    std::string numeroFactorizado_;  // the number whose factors are shown
};

}  // namespace zefra::gui
