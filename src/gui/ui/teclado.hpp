// The keyboard rules every window shares: Tab follows the reading order of the controls (rows
// left to right, top to bottom), also out of a multi-line field; the main menu's shortcuts win
// over a field's own key bindings; Shift+F10 opens the context menu as the menu key does; and
// windows open where the student can see them.
#pragma once

#include <QList>
#include <QObject>
#include <QRect>

class QAction;
class QDialog;
class QWidget;

namespace zefra::gui {

// Whether the control at `a` is read before the one at `b`: on the same line (they share more
// than half the smaller height) the one further left, otherwise the one higher up.
bool seLeeAntes(const QRect& a, const QRect& b);

// The controls of `ventana` that Tab visits now (visible, enabled, taking focus by Tab), in
// reading order.
QList<QWidget*> ordenDeLectura(const QWidget* ventana);

// Event filter of the whole application that applies the keyboard rules above.
class Teclado final : public QObject {
    Q_OBJECT

  public:
    explicit Teclado(QObject* padre) : QObject(padre) {}

    // A shortcut that must work wherever the focus is.
    void anadeAtajo(QAction* accion);

  protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

  private:
    QList<QAction*> atajos_;
};

// Moves the focus to the next (or previous) control of its window in reading order.
void enfocaSiguiente(QWidget* desde, bool adelante);

// Where a window opened from `origen` goes: beside it (right, else left, else over it) and
// wholly inside `disponible`, shrunk if it is larger.
QRect junto(const QRect& ventana, const QRect& origen, const QRect& disponible);

// Shows `ventana` beside the window the student is working in, the first time it opens.
void colocaJuntoAlActivo(QWidget& ventana);

// Parents a modal prompt to the window that asked for it (the active one), which Qt then centres
// it on, so that window stays in front.
void preparaModal(QDialog& dialogo);

}  // namespace zefra::gui
