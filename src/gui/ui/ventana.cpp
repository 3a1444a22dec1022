#include "gui/ui/ventana.hpp"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPushButton>

namespace zefra::gui {

Ventana::Ventana(QWidget* principal, const QString& nombre, const QString& titulo)
    : QWidget(principal, Qt::Window) {
    setObjectName(nombre);
    setWindowTitle(titulo);
}

void Ventana::salir() {
    hide();
}

void Ventana::porDefecto(QPushButton* boton) {
    for (QPushButton* b : findChildren<QPushButton*>()) {
        b->setDefault(b == boton);
    }
}

// Accepting the close only hides the window, as "Salir" does; it also lets the application
// quit when the desktop asks it to.
void Ventana::closeEvent(QCloseEvent* evento) {
    salir();
    evento->accept();
}

void Ventana::keyPressEvent(QKeyEvent* evento) {
    const auto modificadores = evento->modifiers() & ~Qt::KeypadModifier;
    if (evento->key() == Qt::Key_Escape && modificadores == Qt::NoModifier) {
        salir();
        return;
    }
    // Enter runs the window's default button, as in a dialog (a field passes the key on).
    if ((evento->key() == Qt::Key_Return || evento->key() == Qt::Key_Enter) &&
        modificadores == Qt::NoModifier) {
        for (QPushButton* boton : findChildren<QPushButton*>()) {
            if (boton->isDefault() && boton->isVisible() && boton->isEnabled() &&
                boton->window() == this) {
                boton->click();
                return;
            }
        }
    }
    QWidget::keyPressEvent(evento);
}

int pixelesDePuntos(const QWidget* widget, double puntos) {
    return static_cast<int>(puntos * widget->logicalDpiX() / 72);
}

}  // namespace zefra::gui
