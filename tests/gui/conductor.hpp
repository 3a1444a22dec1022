// The window driver every window test shares: a window named by one line of text, typed into,
// pressed and read back by object names, with the messages it must answer.
//
//   struct MiPrueba : Conductor {};
//   TEST_F(MiPrueba, Algo) {
//       abre("nInvZn frmcalinver btcalcuinver txmodn2 txelemzn");  // entry, window, button, fields
//       mensajes({{{"0", "5"}, "El módulo ha de ser un valor positivo (>0)."}}, "txinver");
//       calcula({"26", "7"});
//       EXPECT_EQ(campo("txinver"), "15");
//       QWidget* r = abreCon("btexplicainver", "frexplicainver");  // a window it opens
//   }
#pragma once

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>
#include <filesystem>
#include <utility>
#include <vector>

#include "gui/entorno.hpp"
#include "gui/files/frm_listdirec.hpp"
#include "gui/ui/rejilla.hpp"

namespace zefra::pruebas {

// A widget's object name, or its class when it has none (for failure messages).
inline QString nombre(const QWidget* w) {
    return w->objectName().isEmpty() ? QString(w->metaObject()->className()) : w->objectName();
}

class Conductor : public PruebaVentanas {
  public:
    // Cases of messages: the values typed and the message expected (none for nullptr).
    using Mensajes = std::vector<std::pair<QStringList, const char*>>;

  protected:
    Conductor() = default;
    explicit Conductor(const QString& forma) { abre(forma); }

    // Opens the window under test from its menu entry. `forma` is "entry window button field…".
    void abre(const QString& forma) {
        const QStringList partes = forma.split(' ', Qt::SkipEmptyParts);
        accion(partes.value(0))->trigger();
        w = ventana(partes.value(1));
        boton_ = partes.value(2);
        campos_ = partes.mid(3);
    }

    // Types each value into the field in the same place and presses the computing button.
    void calcula(const QStringList& valores) { rellena(w, campos_, valores, boton_); }
    void rellena(QWidget* en, const QStringList& campos, const QStringList& valores,
                 const QString& boton) {
        for (qsizetype i = 0; i < campos.size(); ++i)
            escribe(control<QLineEdit>(en, campos[i]), valores.value(i));
        pulsa(en, boton);
    }
    // Computes each case expecting its message, in order; after each one the field `vacio`,
    // when named, must be empty.
    void mensajes(const Mensajes& casos, const QString& vacio = {}) {
        for (const auto& [valores, mensaje] : casos) {
            if (mensaje) esperaMensaje(QString::fromUtf8(mensaje));
            calcula(valores);
            if (!vacio.isEmpty()) {
                EXPECT_EQ(campo(vacio), QString()) << valores.join('|').toStdString();
            }
        }
    }
    // Presses a button of the window under test and returns the window it shows.
    QWidget* abreCon(const QString& nombreBoton, const QString& nombre) {
        pulsa(w, nombreBoton);
        return abierta(nombre);
    }
    // `cuantas` rows of a grid from row `desde`: their first `columnas` cells joined by ',', the
    // rows by ';'.
    static QString filas(const gui::Rejilla* rejilla, int desde, int cuantas, int columnas) {
        QStringList texto;
        for (int f = desde; f < desde + cuantas; ++f) {
            QStringList celdas;
            for (int c = 0; c < columnas; ++c)
                celdas << rejilla->cellText(f, c);
            texto << celdas.join(',');
        }
        return texto.join(';');
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

  private:
    QStringList campos_;
    QString boton_;
};

}  // namespace zefra::pruebas
