// The trace window of Euclid's algorithm: the table of divisions of the program's last Euclid
// run, whichever window made it, headed in its exports by what was computed.
#pragma once

#include "core/shell/tabla.hpp"

#include "gui/ui/contexto.hpp"
#include "gui/ui/exportacion.hpp"
#include "gui/ui/ventana.hpp"

namespace zefra::gui {

class Rejilla;

class FrTrazaEuclides final : public Ventana {
    Q_OBJECT

  public:
    explicit FrTrazaEuclides(Contexto& contexto);

    // Column widths for long operands (more than 9 characters typed) or short ones.
    void ajustaAnchos(bool operandosLargos);

  private:
    // Writes the last published run into the grid.
    void escribe();

    Contexto& contexto_;
    Tabla tabla_{1, 4};
    Rejilla* traza_;
};

}  // namespace zefra::gui
