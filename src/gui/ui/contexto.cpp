#include "gui/ui/contexto.hpp"

#include "gui/ui/entrada_en_espera.hpp"
#include "gui/ui/teclado.hpp"

namespace zefra::gui {

namespace {

constexpr char kActivarAlTerminar[] = "activarAlTerminar";

}  // namespace

void Contexto::muestra(QWidget& w) {
    const QWidget* principal = w.parentWidget();
    const bool enCurso = principal && principal->property(kCalculoEnCurso).toBool();
    w.setAttribute(Qt::WA_ShowWithoutActivating, enCurso);
    w.setProperty(kActivarAlTerminar, enCurso);
    w.setWindowState(w.windowState() & ~Qt::WindowMinimized);
    colocaJuntoAlActivo(w);
    w.show();
    w.raise();
    if (!enCurso) w.activateWindow();
}

void Contexto::activaLosAbiertosDurante(QWidget& principal) {
    for (QWidget* w : principal.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!w->isWindow() || !w->property(kActivarAlTerminar).toBool()) continue;
        w->setProperty(kActivarAlTerminar, false);
        w->setAttribute(Qt::WA_ShowWithoutActivating, false);
        if (w->isVisible()) w->activateWindow();
    }
}

}  // namespace zefra::gui
