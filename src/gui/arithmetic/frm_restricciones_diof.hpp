// The solutions of the equation in the Diophantine window that satisfy bounds on x and y.
#pragma once

#include "core/shell/tabla.hpp"
#include "gui/graficas/graficas.hpp"
#include "gui/ui/contexto.hpp"
#include "gui/ui/exportacion.hpp"
#include "gui/ui/ventana.hpp"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace zefra::gui {

class Rejilla;

class FrmRestriccionesDiof final : public Ventana {
    Q_OBJECT

  public:
    explicit FrmRestriccionesDiof(Contexto& contexto);

    // Every opening from the Diophantine window starts with empty bounds and no result.
    void prepara();

  public slots:
    void salir() override;

  private slots:
    void calcula();

  private:
    void ocultaResultado();

    Contexto& contexto_;
    Tabla tablaSoluciones_{2, 501};
    QLineEdit* cotas_[4];
    QCheckBox* casillas_[4];
    QLabel* soluciones_;
    QLabel* intervalo_;
    QLabel* muestra_;
    QPushButton* verSoluciones_;
    QPushButton* grafica_;  // the chart of the line and the bounds last computed
    DatosDiofantica datosGrafica_;
    Rejilla* tabla_;
    Entradas entradas_;  // the equation and the bounds of the result shown
};

}  // namespace zefra::gui
