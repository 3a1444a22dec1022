#include "gui/ui/entrada_en_espera.hpp"

#include <QApplication>
#include <QInputEvent>
#include <QKeyEvent>
#include <QWindow>

namespace zefra::gui {

void EntradaEnEspera::atiende() {
    QCoreApplication::instance()->installEventFilter(this);
    QCoreApplication::processEvents();
    QCoreApplication::instance()->removeEventFilter(this);
}

void EntradaEnEspera::entrega() {
    auto pendientes = std::move(pendientes_);
    pendientes_.clear();
    for (auto& p : pendientes) {
        if (p.destino) QCoreApplication::postEvent(p.destino, p.evento.release());
    }
}

bool EntradaEnEspera::eventFilter(QObject* destino, QEvent* evento) {
    // A modal dialog opened during the run (the exit warning) takes its input at once.
    if (QApplication::activeModalWidget() || (permitida_ && permitida_(destino, evento))) {
        return false;
    }
    switch (evento->type()) {
        case QEvent::ShortcutOverride:
            // Claimed, so no menu shortcut fires now; the key itself is kept below.
            evento->accept();
            return true;
        case QEvent::Shortcut:
            return true;
        case QEvent::KeyPress:
        case QEvent::KeyRelease: {
            const auto* tecla = static_cast<QKeyEvent*>(evento);
            if (tecla->key() == Qt::Key_Escape) {
                if (evento->type() == QEvent::KeyPress && detener_) detener_();
                return true;
            }
            // A key comes to the window first: it is kept for the control that has the focus
            // now, where it was typed, wherever the focus is when the run ends.
            QObject* receptor = destino;
            if (auto* ventana = qobject_cast<QWindow*>(destino); ventana && ventana->focusObject())
                receptor = ventana->focusObject();
            pendientes_.push_back({receptor, std::unique_ptr<QEvent>(evento->clone())});
            return true;
        }
        default:
            return dynamic_cast<QInputEvent*>(evento) != nullptr;
    }
}

}  // namespace zefra::gui
