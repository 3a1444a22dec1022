// A static description window: a scrollable rich text, the buttons that open further
// descriptions, and "Salir". One class builds every description from its data.
#pragma once

#include "gui/ui/contexto.hpp"
#include "gui/ui/ventana.hpp"

class QPushButton;

namespace zefra::gui {

struct Descripcion;

class FrDescripcion final : public Ventana {
    Q_OBJECT

  public:
    // Built by the registry as contexto.abre<FrDescripcion>(nombre).
    FrDescripcion(Contexto& contexto, const QString& nombre);

  private:
    FrDescripcion(Contexto& contexto, const Descripcion& datos);
};

// The "Descripción" button of a computing window: it opens the description window `nombre`
// beside it.
QPushButton* botonDescripcion(QWidget* padre, Contexto& contexto, const char* nombre);

}  // namespace zefra::gui
