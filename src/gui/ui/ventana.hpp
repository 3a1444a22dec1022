// Base of every modeless window: closing it with its frame does what its "Salir" does.
#pragma once

#include <QWidget>

namespace zefra::gui {

class Ventana : public QWidget {
    Q_OBJECT

  public:
    Ventana(QWidget* principal, const QString& nombre, const QString& titulo);

  public slots:
    // "Salir": hides the window; its fields keep their contents.
    virtual void salir();

  protected:
    void closeEvent(QCloseEvent* evento) override;
    // Escape does what "Salir" does.
    void keyPressEvent(QKeyEvent* evento) override;
};

// Width in pixels of a length given in twips (1/1440 inch), on this window's screen.
int pixelesDeTwips(const QWidget* widget, int twips);

}  // namespace zefra::gui
