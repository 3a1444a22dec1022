// Every window the menu opens: a default button for Enter, Escape for "Salir", and nothing
// clipped at the size it opens with.
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

#include "gui/entorno.hpp"

namespace zefra::pruebas {
namespace {

// The menu entries that open a window, in menu order.
QList<QAction*> entradasQueAbren(QWidget* contenedor) {
    QList<QAction*> entradas;
    for (QAction* a : contenedor->actions()) {
        if (a->menu()) {
            entradas << entradasQueAbren(a->menu());
        } else if (!a->isSeparator() && a->isVisible() && a->isEnabled() &&
                   !a->objectName().startsWith("nalfa") && a->objectName() != "nSalir") {
            entradas << a;
        }
    }
    return entradas;
}

using TodasLasVentanas = PruebaVentanas;

TEST_F(TodasLasVentanas, TeclaIntroEscapeYNadaRecortado) {
    aceptaTodo();  // "Abrir" shows the file chooser modally: it is closed at once
    int revisadas = 0;
    for (QAction* entrada : entradasQueAbren(principal->menuBar())) {
        QWidgetList antes;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->isVisible()) antes << w;
        }
        entrada->trigger();
        QCoreApplication::processEvents();
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (!w->isVisible() || antes.contains(w)) continue;
            SCOPED_TRACE(w->objectName().toStdString());
            ++revisadas;
            const auto botones = w->findChildren<QPushButton*>();
            EXPECT_TRUE(botones.isEmpty() || std::any_of(botones.begin(), botones.end(),
                                                         [](auto* b) { return b->isDefault(); }))
                << "no default button";
            for (const QWidget* hijo : w->findChildren<QWidget*>()) {
                if (!hijo->isVisible() || hijo->isWindow() || !hijo->parentWidget()->isVisible()) {
                    continue;
                }
                EXPECT_TRUE(w->rect().contains(QRect(hijo->mapTo(w, QPoint(0, 0)), hijo->size())))
                    << hijo->objectName().toStdString() << " of class "
                    << hijo->metaObject()->className() << " lies outside the window";
            }
            QTest::keyClick(w, Qt::Key_Escape);
            EXPECT_FALSE(w->isVisible()) << "Escape did not close it";
        }
    }
    EXPECT_GE(revisadas, 20);
}

}  // namespace
}  // namespace zefra::pruebas
