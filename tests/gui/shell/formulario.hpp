// Window tests of a form: a window opened from its menu entry, whose text fields are typed in a
// fixed order before its computing button is pressed.
#pragma once

#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <utility>
#include <vector>

#include "gui/entorno.hpp"
#include "gui/ui/rejilla.hpp"

namespace zefra::pruebas {

class PruebaFormulario : public PruebaVentanas {
  public:
    // Cases of messages: the values typed and the message expected.
    using Mensajes = std::vector<std::pair<QStringList, const char*>>;

  protected:
    PruebaFormulario() = default;
    PruebaFormulario(const QString& entrada, const QString& nombre, const QStringList& campos,
                     const QString& boton) {
        abre(entrada, nombre, campos, boton);
    }

    // Opens the window under test from its menu entry.
    void abre(const QString& entrada, const QString& nombre, const QStringList& campos,
              const QString& boton) {
        accion(entrada)->trigger();
        w = ventana(nombre);
        campos_ = campos;
        boton_ = boton;
    }

    // Types each value into the field in the same place and presses the computing button.
    void calcula(const QStringList& valores) { rellena(w, campos_, valores, boton_); }
    void rellena(QWidget* en, const QStringList& campos, const QStringList& valores,
                 const QString& boton) {
        for (qsizetype i = 0; i < campos.size(); ++i)
            escribe(control<QLineEdit>(en, campos[i]), valores.value(i));
        pulsa(en, boton);
    }
    // Computes each case expecting its message, in order (none for nullptr); after each one the
    // field `vacio`, when named, must be empty.
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

  private:
    QStringList campos_;
    QString boton_;
};

}  // namespace zefra::pruebas
