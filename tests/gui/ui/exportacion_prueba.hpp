// The fixture of the export tests: a view's context menu.
#pragma once

#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTimer>

#include "gui/conductor.hpp"

namespace zefra::pruebas {

class Exportacion : public Conductor {
  protected:
    // The context menu of `vista`, as its items' captions; `elige` (when named) is then taken.
    static QStringList menuDe(QWidget* vista, const QString& elige = {}) {
        QStringList titulos;
        QTimer::singleShot(0, [&titulos, elige] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (!menu) return;
            QAction* elegida = nullptr;
            for (QAction* a : menu->actions()) {
                titulos << a->text() +
                               (a->shortcut().isEmpty() ? "" : " " + a->shortcut().toString());
                if (a->text() == elige) elegida = a;
            }
            menu->close();
            if (elegida) elegida->trigger();
        });
        QContextMenuEvent clic(QContextMenuEvent::Keyboard, {2, 2},
                               vista->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(vista, &clic);
        return titulos;
    }
};

}  // namespace zefra::pruebas
