// The shared fixture of every window test: a main window on a fake clock, under the offscreen
// platform, that answers the modal windows a test expects and fails on any other.
#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <deque>
#include <functional>
#include <memory>
#include <ostream>

#include "comun/reloj_falso.hpp"
#include "shell/estado.hpp"
#include "shell/frm_principal.hpp"

class QAbstractButton;
class QLineEdit;

// QStrings in failure messages as their text.
inline void PrintTo(const QString& texto, std::ostream* salida) {
    *salida << '"' << texto.toStdString() << '"';
}

namespace zefra::pruebas {

class PruebaVentanas : public ::testing::Test {
  protected:
    PruebaVentanas();
    ~PruebaVentanas() override;

    // The next modal message must have this text; it is answered with its OK button.
    void esperaMensaje(const QString& texto);
    // The next modal dialog with this name is handed to `responde`, which must close it. The
    // answer runs outside the watch timer, so the dialogs and messages it opens are answered too.
    void esperaDialogo(const QString& nombre, std::function<void(QWidget*)> responde);
    // Every message that has appeared, in order.
    const QStringList& mensajesVistos() const { return vistos_; }
    // From now on every message is answered and recorded, and any other modal window is
    // closed and recorded by name, instead of failing the test.
    void aceptaTodo() {
        aceptaTodo_ = true;
        vigia_.setInterval(1);
    }

    QAction* accion(const QString& nombre) const;
    template <class W = QWidget>
    W* ventana(const QString& nombre) const {
        for (W* w : principal->findChildren<W*>(nombre)) {
            if (w->isWindow()) return w;
        }
        return nullptr;
    }
    template <class W>
    W* control(const QWidget* dentro, const QString& nombre) const {
        W* w = dentro->findChild<W*>(nombre);
        EXPECT_NE(w, nullptr) << nombre.toStdString();
        return w;
    }

    // Replaces the text of a field by typing it (characters beyond ASCII are inserted).
    static void escribe(QLineEdit* campo, const QString& texto);
    static void pulsa(QAbstractButton* boton);

    RelojFalso reloj;
    Estado estado{reloj};
    std::unique_ptr<gui::FrmPrincipal> principal;
    int terminaciones = 0;

  private:
    void contestaModal();

    struct Esperado {
        QString nombre;  // empty for a message box
        QString texto;
        std::function<void(QWidget*)> responde;
    };
    std::deque<Esperado> esperados_;
    QPointer<QWidget> respondiendo_;  // a dialog whose answer is on its way
    QStringList vistos_;
    QTimer vigia_;
    bool aceptaTodo_ = false;
};

}  // namespace zefra::pruebas
