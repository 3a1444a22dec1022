// Base of every modeless window: closing it with its frame does what its "Salir" does. It opens
// wide enough for its whole title on the frame, with the focus in its first input.
#pragma once

#include <QWidget>

class QPushButton;

namespace zefra::gui {

class Ventana : public QWidget {
    Q_OBJECT

  public:
    Ventana(QWidget* principal, const QString& nombre, const QString& titulo);

    // Makes `boton` the button Enter presses (none for nullptr: Enter never runs "Salir").
    void porDefecto(QPushButton* boton);

  public slots:
    // "Salir": hides the window; its fields keep their contents.
    virtual void salir();

  protected:
    void closeEvent(QCloseEvent* evento) override;
    void showEvent(QShowEvent* evento) override;
    // Escape does what "Salir" does; Enter presses the default button.
    void keyPressEvent(QKeyEvent* evento) override;
};

// Width in whole pixels of a length given in points (1/72 inch), on this window's screen.
int pixelesDePuntos(const QWidget* widget, double puntos);

}  // namespace zefra::gui
