// The trace of the particular solution: quotients and recurrence values step by step.
#pragma once

#include "gui/ui/contexto.hpp"
#include "gui/ui/ventana.hpp"

namespace zefra::gui {

class FrmTrazaDiof final : public Ventana {
    Q_OBJECT

  public:
    explicit FrmTrazaDiof(Contexto& contexto);
};

}  // namespace zefra::gui
