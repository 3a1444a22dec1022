// Every window the menu opens: a default button for Enter, Escape for "Salir", and nothing
// clipped at the size it opens with.
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <set>

#include "gui/entorno.hpp"

namespace zefra::pruebas {
namespace {

using TodasLasVentanas = PruebaVentanas;

// The menu entries that open a window, in menu order.
QList<QAction*> entradasQueAbren(QWidget* contenedor) {
    QList<QAction*> entradas;
    for (QAction* a : contenedor->actions()) {
        if (a->menu()) {
            entradas << entradasQueAbren(a->menu());
        } else if (!a->isSeparator() && a->isVisible() && a->isEnabled() &&
                   !a->objectName().startsWith(QStringLiteral("nalfa")) &&
                   a->objectName() != QStringLiteral("nSalir")) {
            entradas << a;
        }
    }
    return entradas;
}

std::set<QWidget*> ventanasVisibles() {
    std::set<QWidget*> visibles;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->isVisible()) visibles.insert(w);
    }
    return visibles;
}

TEST_F(TodasLasVentanas, TeclaIntroEscapeYNadaRecortado) {
    aceptaTodo();  // "Abrir" shows the file chooser modally: it is closed at once
    int revisadas = 0;
    for (QAction* entrada : entradasQueAbren(principal->menuBar())) {
        const auto antes = ventanasVisibles();
        entrada->trigger();
        QCoreApplication::processEvents();
        for (QWidget* w : ventanasVisibles()) {
            if (antes.count(w) || w == principal.get()) continue;
            SCOPED_TRACE(w->objectName().toStdString());
            ++revisadas;
            const auto botones = w->findChildren<QPushButton*>();
            bool porDefecto = false;
            for (const QPushButton* b : botones)
                porDefecto |= b->isDefault();
            EXPECT_TRUE(porDefecto || botones.isEmpty()) << "no default button";
            for (const QWidget* hijo : w->findChildren<QWidget*>()) {
                if (!hijo->isVisible() || hijo->isWindow() || !hijo->parentWidget()->isVisible()) {
                    continue;
                }
                const QRect dentro(hijo->mapTo(w, QPoint(0, 0)), hijo->size());
                EXPECT_TRUE(w->rect().contains(dentro))
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
