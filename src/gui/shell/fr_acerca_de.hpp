// The about window: names, version and credits. It has no buttons; the frame closes it.
#pragma once

#include "ui/contexto.hpp"
#include "ui/ventana.hpp"

namespace zefra::gui {

class FrAcercaDe final : public Ventana {
    Q_OBJECT

  public:
    explicit FrAcercaDe(Contexto& contexto);
};

}  // namespace zefra::gui
