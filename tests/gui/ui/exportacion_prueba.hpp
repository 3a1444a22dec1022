// The fixture of the export tests: saving through the real file chooser, the text of an
// exported PDF, a saved text without its date, and a view's context menu.
#pragma once

#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QProcess>
#include <QTimer>

#include "gui/files/frm_listdirec.hpp"
#include "gui/shell/formulario.hpp"

namespace zefra::pruebas {

class Exportacion : public PruebaFormulario {
  protected:
    // Takes the action `nombre` of `en` and saves through the file chooser as `fichero` with the
    // file type `filtro`, expecting `mensaje` (the confirmation when empty).
    void guarda(QWidget* en, const char* nombre, const QString& fichero, const QString& filtro,
                const QString& mensaje = {}) {
        esperaDialogo("frmlistdirec", [=, this](QWidget* d) {
            auto& selector = static_cast<gui::FrmListDirec&>(*d);
            selector.muestraCarpeta(carpeta.path());
            control<QComboBox>(d, "Combo1")->setCurrentText(filtro);
            escribe(control<QLineEdit>(d, "txnomarchi"), fichero);
            esperaMensaje(mensaje.isEmpty() ? "Archivo guardado satisfactoriamente." : mensaje);
            pulsa(d, "btGuardar");
            if (d->isVisible()) pulsa(d, "Command1");
        });
        en->findChild<QAction*>(nombre)->trigger();
    }
    // The text pdftotext finds in a PDF of the test's folder.
    QString textoPdf(const QString& fichero) const {
        QProcess p;
        p.start("pdftotext", {"-layout", QString::fromStdString(ruta(fichero)), "-"});
        EXPECT_TRUE(p.waitForFinished(20000));
        if (!qEnvironmentVariableIsEmpty("ZEFRA_PDF_VISTOS")) {  // to look at the pages
            QFile::copy(QString::fromStdString(ruta(fichero)),
                        qEnvironmentVariable("ZEFRA_PDF_VISTOS") + '/' + fichero);
        }
        return QString::fromUtf8(p.readAllStandardOutput());
    }
    // The lines of a saved text without its date line (the 0-based `fecha`), which must be there.
    QString sinFecha(const QString& fichero, int fecha) const {
        QStringList lineas = QString::fromStdString(leeFichero(fichero)).split("\r\n");
        EXPECT_TRUE(lineas.value(fecha).startsWith("Fecha: ")) << lineas.value(fecha).toStdString();
        lineas.removeAt(fecha);
        return lineas.join('|');
    }
    // The context menu of `vista`, as its items' captions; `elige` (when named) is then taken.
    static QStringList menuDe(QWidget* vista, const QString& elige = {}) {
        QStringList titulos;
        QTimer::singleShot(0, [&titulos, elige] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (!menu) return;
            QAction* elegida = nullptr;
            for (QAction* a : menu->actions()) {
                titulos << a->text() +
                               (a->shortcut().isEmpty() ? "" : " " + a->shortcut().toString());
                if (a->text() == elige) elegida = a;
            }
            menu->close();
            if (elegida) elegida->trigger();
        });
        QContextMenuEvent clic(QContextMenuEvent::Keyboard, {2, 2},
                               vista->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(vista, &clic);
        return titulos;
    }
};

}  // namespace zefra::pruebas
