#include "gui/ui/contexto.hpp"

#include "gui/ui/teclado.hpp"

namespace zefra::gui {

void Contexto::muestra(QWidget& w) {
    w.setWindowState(w.windowState() & ~Qt::WindowMinimized);
    colocaJuntoAlActivo(w);
    w.show();
    w.raise();
    w.activateWindow();
}

}  // namespace zefra::gui
