#include "ui/contexto.hpp"

namespace zefra::gui {

void Contexto::muestra(QWidget& w) {
    w.setWindowState(w.windowState() & ~Qt::WindowMinimized);
    w.show();
    w.raise();
    w.activateWindow();
}

}  // namespace zefra::gui
