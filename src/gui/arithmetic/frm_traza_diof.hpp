// The trace of the particular solution: quotients and recurrence values step by step, of the
// program's last Diophantine equation, headed in its exports by the equation.
#pragma once

#include "core/shell/tabla.hpp"

#include "gui/ui/contexto.hpp"
#include "gui/ui/exportacion.hpp"
#include "gui/ui/ventana.hpp"

namespace zefra::gui {

class FrmTrazaDiof final : public Ventana {
    Q_OBJECT

  public:
    explicit FrmTrazaDiof(Contexto& contexto);

  private:
    // Writes the last published equation's columns into the grid.
    void escribe();

    Contexto& contexto_;
    Tabla tabla_{4, 1};
};

}  // namespace zefra::gui
