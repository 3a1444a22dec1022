// The window of linear Diophantine equations A·X + B·Y = C.
#pragma once

#include <array>
#include <optional>

#include "core/arithmetic/restricciones.hpp"
#include "gui/ui/contexto.hpp"
#include "gui/ui/exportacion.hpp"
#include "gui/ui/ventana.hpp"

class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace zefra::gui {

class FrmDiofanticas final : public Ventana {
    Q_OBJECT

  public:
    explicit FrmDiofanticas(Contexto& contexto);

    // The general solution the window shows, as it was solved; nothing when it shows none.
    const std::optional<Parametrizacion>& parametrizacion() const { return solucion_; }

    // The bounds window gives its button back when it closes.
    void habilitaRestricciones() const;

    // a, b and c of the last equation solved, for the exports of its trace and bounds.
    const Entradas& entradas() const { return entradas_; }
    // a, b and c of the last equation solved, as numbers (for the chart of its line).
    const std::array<double, 3>& coeficientes() const { return coeficientes_; }

  private slots:
    void resuelve();
    void verTraza();
    void abreRestricciones();

  private:
    Contexto& contexto_;
    QLineEdit* coeficienteA_;
    QLineEdit* coeficienteB_;
    QLineEdit* terminoC_;
    QLineEdit* x_;
    QLineEdit* y_;
    QPlainTextEdit* solucionGeneral_;
    QLineEdit* alpha_;
    QLineEdit* beta_;
    QPushButton* botonTraza_;
    QPushButton* botonRestricciones_;
    Entradas entradas_;
    std::optional<Parametrizacion> solucion_;
    std::array<double, 3> coeficientes_{};
};

}  // namespace zefra::gui
