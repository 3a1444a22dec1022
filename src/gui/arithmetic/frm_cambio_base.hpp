// The two base-conversion windows: base 10 to a base b, and a base b to base 10.
#pragma once

#include <optional>

#include "gui/ui/contexto.hpp"
#include "gui/ui/exportacion.hpp"
#include "gui/ui/ventana.hpp"

class QLineEdit;
class QPlainTextEdit;

namespace zefra::gui {

// What both windows share: the value and base fields, the result and its expansion.
class VentanaCambioBase : public Ventana {
    Q_OBJECT

  protected:
    VentanaCambioBase(Contexto& contexto, const QString& nombre, const QString& titulo,
                      const QString& etiquetaValor, const QString& etiquetaResultado,
                      const char* botonCalcular);

    // The base checks made first by both windows; the base when it passes them.
    std::optional<int> leeBase();

    // Computes into the result and expansion, which the button has emptied.
    virtual void calcula() = 0;

    Contexto& contexto_;
    QLineEdit* valor_;
    QLineEdit* base_;
    QLineEdit* resultado_;
    QPlainTextEdit* desarrollo_;  // the expansion, wrapped over several lines when long
    Entradas entradas_;           // the value and base of the result shown
};

class FrmBaseB final : public VentanaCambioBase {
    Q_OBJECT

  public:
    explicit FrmBaseB(Contexto& contexto);

  private:
    void calcula() override;
};

class FrmBase10 final : public VentanaCambioBase {
    Q_OBJECT

  public:
    explicit FrmBase10(Contexto& contexto);

  private:
    void calcula() override;
};

}  // namespace zefra::gui
