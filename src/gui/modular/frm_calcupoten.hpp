// The window of powers in Zn, and the window with the trace of the last power computed.
#pragma once

#include <cstdint>

#include "gui/ui/contexto.hpp"
#include "gui/ui/exportacion.hpp"
#include "gui/ui/ventana.hpp"

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace zefra::gui {

class FrTrazaPotencia final : public Ventana {
    Q_OBJECT

  public:
    explicit FrTrazaPotencia(Contexto& contexto);

    // The trace changed: shown at once if the window is open, else when it opens.
    void actualiza();

  protected:
    void showEvent(QShowEvent* evento) override;

  private:
    void escribe();

    Contexto& contexto_;
    QLabel* reduccion_;  // why b was reduced modulo φ(n), when it was
    QPlainTextEdit* pasos_;
    bool pendiente_ = false;
    Entradas entradas_;  // n, a and b of the trace shown
};

class FrmCalcupoten final : public Ventana {
    Q_OBJECT

  public:
    explicit FrmCalcupoten(Contexto& contexto);

  private slots:
    void calcula();

  private:
    Contexto& contexto_;
    QLineEdit* modulo_;
    QLineEdit* base_;
    QLineEdit* exponente_;
    QLineEdit* resultado_;
    QPushButton* verTraza_;
    QPushButton* grafica_;  // the chart of the powers of the last [a] in Zn
    std::uint64_t a_ = 0;
    std::uint64_t n_ = 0;
};

}  // namespace zefra::gui
