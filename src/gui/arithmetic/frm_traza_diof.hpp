// The trace of the particular solution: quotients and recurrence values step by step.
#pragma once

#include <utility>

#include "gui/ui/contexto.hpp"
#include "gui/ui/exportacion.hpp"
#include "gui/ui/ventana.hpp"

namespace zefra::gui {

class FrmTrazaDiof final : public Ventana {
    Q_OBJECT

  public:
    explicit FrmTrazaDiof(Contexto& contexto);

    // The inputs that produced the trace, for its exports.
    void fijaEntradas(Entradas entradas) { entradas_ = std::move(entradas); }

  private:
    Entradas entradas_;
};

}  // namespace zefra::gui
