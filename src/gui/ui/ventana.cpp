#include "ui/ventana.hpp"

#include <QCloseEvent>
#include <QKeyEvent>

namespace zefra::gui {

Ventana::Ventana(QWidget* principal, const QString& nombre, const QString& titulo)
    : QWidget(principal, Qt::Window) {
    setObjectName(nombre);
    setWindowTitle(titulo);
}

void Ventana::salir() {
    hide();
}

// Accepting the close only hides the window, as "Salir" does; it also lets the application
// quit when the desktop asks it to.
void Ventana::closeEvent(QCloseEvent* evento) {
    salir();
    evento->accept();
}

void Ventana::keyPressEvent(QKeyEvent* evento) {
    if (evento->key() == Qt::Key_Escape && evento->modifiers() == Qt::NoModifier) {
        salir();
        return;
    }
    QWidget::keyPressEvent(evento);
}

int pixelesDeTwips(const QWidget* widget, int twips) {
    return twips * widget->logicalDpiX() / 1440;
}

}  // namespace zefra::gui
