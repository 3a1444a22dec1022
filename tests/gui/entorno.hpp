// The shared fixture of every window test: a main window on a fake clock, under the offscreen
// platform, that answers the modal windows a test expects and fails on any other, with a folder
// of its own where the file chooser starts.
#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QPointer>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>
#include <deque>
#include <fstream>
#include <functional>
#include <memory>
#include <string>

#include "comun/reloj_falso.hpp"
#include "core/estado.hpp"
#include "gui/shell/frm_principal.hpp"

class QAbstractButton;
class QLineEdit;

// QStrings in failure messages as their text.
inline void PrintTo(const QString& texto, std::ostream* salida) {
    *salida << '"' << texto.toStdString() << '"';
}

namespace zefra::pruebas {

// What a save finds at its name: no file, or one the user replaces or keeps.
enum Reemplazo { nuevo, reemplaza, conserva };

class PruebaVentanas : public ::testing::Test {
  protected:
    PruebaVentanas();
    ~PruebaVentanas() override;

    // The next modal message must have this text; it is answered with its OK button.
    void esperaMensaje(const QString& texto) { esperados_.push_back({{}, texto, {}}); }
    // When `reemplazo` says the file is there, the next modal message must be the question
    // before a save over `fichero` ("Sí" and "No", "No" the default), answered as it says.
    void esperaReemplazo(const QString& fichero, Reemplazo reemplazo) {
        if (reemplazo != nuevo)
            esperaPregunta("El archivo «" + fichero + "» ya existe. ¿Desea reemplazarlo?",
                           reemplazo);
    }
    // The next modal message must be this question, answered "Sí" (reemplaza) or "No".
    void esperaPregunta(const QString& texto, Reemplazo respuesta) {
        esperados_.push_back({{}, texto, {}, respuesta});
    }
    // The next modal dialog with this name is handed to `responde`, which must close it. The
    // answer runs outside the watch timer, so the dialogs and messages it opens are answered too.
    void esperaDialogo(const QString& nombre, std::function<void(QWidget*)> responde) {
        esperados_.push_back({nombre, {}, std::move(responde)});
    }
    // Every message that has appeared, in order.
    const QStringList& mensajesVistos() const { return vistos_; }
    // From now on every message is answered and recorded, and any other modal window is
    // closed and recorded by name, instead of failing the test.
    void aceptaTodo() {
        aceptaTodo_ = true;
        vigia_.setInterval(1);
    }

    // A budget of so many seconds, the fake clock moving `paso` at every reading.
    void presupuesto(const char* segundos, double paso) {
        estado.tiempo.fijaCampo(&Presupuesto::segundos, segundos);
        reloj.paso = paso;
    }
    QAction* accion(const QString& nombre) const {
        return control<QAction>(principal.get(), nombre);
    }
    template <class W = QWidget>
    W* ventana(const QString& nombre) const {
        const QList<W*> todas = principal->findChildren<W*>(nombre);
        const auto v = std::ranges::find_if(todas, &QWidget::isWindow);
        return v == todas.end() ? nullptr : *v;
    }
    // A window that must be showing.
    QWidget* abierta(const QString& nombre) const {
        QWidget* v = ventana(nombre);
        EXPECT_TRUE(v && v->isVisible()) << nombre.toStdString();
        return v;
    }
    template <class W>
    W* control(const QWidget* dentro, const QString& nombre) const {
        W* c = dentro->findChild<W*>(nombre);
        EXPECT_NE(c, nullptr) << nombre.toStdString();
        return c;
    }
    QAbstractButton* boton(const QWidget* en, const QString& nombre) const {
        return control<QAbstractButton>(en, nombre);
    }
    QAbstractButton* boton(const QString& nombre) const { return boton(w, nombre); }
    // The text a field, label or text box shows (a result field's exactly as kept): of the
    // window under test, or of `en`.
    QString texto(const QWidget* en, const QString& nombre) const;
    QString campo(const QString& nombre) const { return texto(w, nombre); }
    // The caption of the label that names the control `nombre` of `en`.
    QString rotulo(const QWidget* en, const QString& nombre) const;

    // Replaces the text of a field by typing it (characters beyond ASCII are inserted).
    static void escribe(QLineEdit* campo, const QString& texto);
    static void pulsa(QAbstractButton* boton);
    void pulsa(const QWidget* en, const QString& nombre) { pulsa(boton(en, nombre)); }

    // Takes the action `nombre` of `en` and saves through the file chooser as `fichero` (with
    // the file type `filtro` when given), expecting `mensaje` (the confirmation when empty) and
    // the question of `reemplazo`; the name the chooser suggested goes to `sugerido`.
    void guarda(QWidget* en, const char* nombre, const QString& fichero, const QString& filtro = {},
                const QString& mensaje = {}, Reemplazo reemplazo = nuevo,
                QString* sugerido = nullptr);
    // The text pdftotext finds in a PDF of the test's folder.
    QString textoPdf(const QString& fichero) const;
    // The lines of a saved text without its date line (the 0-based `fecha`), which must be there.
    QString sinFecha(const QString& fichero, int fecha) const {
        QStringList lineas = QString::fromStdString(leeFichero(fichero)).split("\r\n");
        EXPECT_TRUE(lineas.value(fecha).startsWith("Fecha: ")) << lineas.value(fecha).toStdString();
        lineas.removeAt(fecha);
        return lineas.join('|');
    }
    // The whole bytes of a file of the test's folder, and writing them.
    std::string ruta(const QString& fichero) const {
        return carpeta.filePath(fichero).toStdString();
    }
    std::string leeFichero(const QString& fichero) const {
        std::ifstream f(ruta(fichero), std::ios::binary);
        return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
    }
    void creaFichero(const QString& fichero, const std::string& bytes) const {
        std::ofstream(ruta(fichero), std::ios::binary) << bytes;
    }

    QTemporaryDir carpeta;
    RelojFalso reloj;
    Estado estado{reloj};
    std::unique_ptr<gui::FrmPrincipal> principal;
    QWidget* w = nullptr;  // the window under test
    int terminaciones = 0;

  private:
    void contestaModal();

    struct Esperado {
        QString nombre;  // empty for a message box
        QString texto;
        std::function<void(QWidget*)> responde;
        Reemplazo pregunta = nuevo;  // a question, and its answer
    };
    std::deque<Esperado> esperados_;
    QPointer<QWidget> respondiendo_;  // a dialog whose answer is on its way
    QStringList vistos_;
    QTimer vigia_;
    bool aceptaTodo_ = false;
};

}  // namespace zefra::pruebas
