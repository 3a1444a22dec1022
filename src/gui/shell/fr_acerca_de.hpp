// The about window: names, version and credits. It has no buttons; the frame closes it.
#pragma once

#include "gui/ui/contexto.hpp"
#include "gui/ui/ventana.hpp"

namespace zefra::gui {

class FrAcercaDe final : public Ventana {
    Q_OBJECT

  public:
    explicit FrAcercaDe(Contexto& contexto);
};

}  // namespace zefra::gui
