// The trace window of Euclid's algorithm: the table of divisions of the last gcd computed.
#pragma once

#include "gui/ui/contexto.hpp"
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
    Rejilla* msflextrazaeuc_;
};

}  // namespace zefra::gui
