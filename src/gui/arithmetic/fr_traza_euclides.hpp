// The trace window of Euclid's algorithm: the table of divisions of the last gcd computed.
#pragma once

#include <utility>

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

    // The inputs that produced the trace, for its exports.
    void fijaEntradas(Entradas entradas) { entradas_ = std::move(entradas); }

  private:
    Rejilla* traza_;
    Entradas entradas_;
};

}  // namespace zefra::gui
