// The result window of the list of primes: the list, selectable and copyable, and its count.
// It owns the prime table that the runs fill, so the last list stays until the next run.
#pragma once

#include <string>

#include "core/primes/lista_primos.hpp"
#include "gui/ui/contexto.hpp"
#include "gui/ui/ventana.hpp"

class QLineEdit;
class QPushButton;

namespace zefra::gui {

class ModeloPrimos;
class VistaLineas;

class FrmSolListaPrimos final : public Ventana {
    Q_OBJECT

  public:
    explicit FrmSolListaPrimos(Contexto& contexto);

    TablaPrimos& tabla() { return tabla_; }
    // Before a run up to `cota` (as typed): neither the list nor its count shows the last run
    // while the table is refilled.
    void empieza(std::string cota);
    // Shows the first `cuenta` primes of the table.
    void muestraHasta(int cuenta);
    // Shows every prime in the table.
    void muestraTabla() { muestraHasta(tabla_.cuenta()); }
    void fijaCuenta(int cuenta);

  private:
    Contexto& contexto_;
    TablaPrimos tabla_;
    std::string cota_;
    ModeloPrimos* modelo_;
    VistaLineas* lista_;
    QLineEdit* cuenta_;
    QPushButton* grafica_;  // the chart of π(x), once a list is there
};

}  // namespace zefra::gui
