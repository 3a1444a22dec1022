#include "gui/ui/ventana.hpp"

#include <QAbstractSpinBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QTextEdit>
#include <algorithm>

#include "gui/ui/accesibilidad.hpp"
#include "gui/ui/teclado.hpp"

namespace zefra::gui {
namespace {

// The width the frame needs to show the whole title: the title in the title bar's font (bold,
// as most desktops draw it) and room for the icon and the three buttons.
int anchoDelTitulo(const QWidget& ventana) {
    QFont fuente = QFontDatabase::systemFont(QFontDatabase::TitleFont);
    fuente.setBold(true);
    const QFontMetrics medida(fuente);
    return medida.horizontalAdvance(ventana.windowTitle()) + 6 * medida.height();
}

void ensanchaParaElTitulo(QWidget& ventana) {
    const QRect disponible = ventana.screen()->availableGeometry();
    const int ancho = std::min(anchoDelTitulo(ventana), disponible.width() - 20);
    if (ventana.width() >= ancho) return;
    ventana.resize(ancho, ventana.height());
    // Still inside the screen: widened to the right, it moves left when it has to.
    const int sobra = ventana.frameGeometry().right() - disponible.right();
    if (sobra > 0) ventana.move(std::max(disponible.left(), ventana.x() - sobra), ventana.y());
}

bool esEntrada(const QWidget* w) {
    if (const auto* linea = qobject_cast<const QLineEdit*>(w)) return !linea->isReadOnly();
    if (const auto* texto = qobject_cast<const QPlainTextEdit*>(w)) return !texto->isReadOnly();
    if (const auto* texto = qobject_cast<const QTextEdit*>(w)) return !texto->isReadOnly();
    return qobject_cast<const QAbstractSpinBox*>(w) || qobject_cast<const QComboBox*>(w);
}

}  // namespace

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

void Ventana::showEvent(QShowEvent* evento) {
    if (!evento->spontaneous()) {
        ensanchaParaElTitulo(*this);
        nombraFormulas(this);
        // Reopened, the window is ready for typing again, not on the button last pressed.
        const QList<QWidget*> orden = ordenDeLectura(this);
        const auto entrada = std::find_if(orden.begin(), orden.end(), esEntrada);
        if (entrada != orden.end()) (*entrada)->setFocus(Qt::OtherFocusReason);
    }
    QWidget::showEvent(evento);
}

void Ventana::keyPressEvent(QKeyEvent* evento) {
    const auto modificadores = evento->modifiers() & ~Qt::KeypadModifier;
    if (evento->key() == Qt::Key_Escape && modificadores == Qt::NoModifier) {
        salir();
        return;
    }
    // Enter presses the button that has the focus; from anywhere else it runs the window's
    // default button, as in a dialog (a field passes the key on).
    if ((evento->key() == Qt::Key_Return || evento->key() == Qt::Key_Enter) &&
        modificadores == Qt::NoModifier) {
        if (auto* enfocado = qobject_cast<QPushButton*>(focusWidget());
            enfocado && enfocado->isEnabled()) {
            enfocado->click();
            return;
        }
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
