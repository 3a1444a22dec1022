// What the tests of user alphabets share: driving the define window, answering the naming
// window, the save prompt and the file chooser, and reading the menu, the grids and the slots.
#pragma once

#include "core/alphabets/ranuras.hpp"
#include "gui/alphabets/fr_guardar_alfabeto.hpp"
#include "gui/alphabets/frm_define_alfabeto.hpp"
#include "gui/alphabets/frm_modificar_alfabeto.hpp"
#include "gui/alphabets/seleccion_alfabeto.hpp"
#include "gui/conductor.hpp"

namespace zefra::pruebas {

class PruebaAlfabetos : public PruebaVentanas {
  protected:
    // Writes the text of an editable drop-down list.
    void elige(const QWidget* w, const char* lista, const QString& texto) const {
        control<QComboBox>(w, lista)->setEditText(texto);
    }
    QWidget* definir() const { return ventana("frmDefineAlfabeto"); }
    // "Crear": the define window.
    QWidget* define() {
        accion("nCrearAlfa")->trigger();
        return abierta("frmDefineAlfabeto");
    }
    // "ASOCIAR" with this symbol and code.
    void asocia(const QString& simbolo, const QString& codigo) {
        elige(definir(), "DpSimboloalfa", simbolo);
        elige(definir(), "DpCodAsoc", codigo);
        pulsa(definir(), "BtAsociar");
    }
    // Defines a table of "symbol code" pairs from an empty one.
    void defineTabla(std::initializer_list<std::pair<const char*, const char*>> entradas,
                     bool cargar) {
        pulsa(define(), "btBorrarTabla");
        for (const auto& [s, c] : entradas)
            asocia(s, c);
        boton(definir(), "ChCargarEnMemoria")->setChecked(cargar);
    }
    // Defines an alphabet, names it and loads it into the first free slot, unsaved ("NO" on
    // the prompt); the define window is closed again.
    void cargaDefinido(const QString& nombre,
                       std::initializer_list<std::pair<const char*, const char*>> entradas) {
        defineTabla(entradas, true);
        esperaNombre(nombre);
        esperaAviso(kCargado, "btnoguardaralfa");
        pulsa(definir(), "btAceptarDefAlfa");
        pulsa(definir(), "btCancelaDefAlfa");
    }
    // Makes the user alphabet of menu entry nalfaus(i) active.
    void selecciona(int i) { entrada(i)->trigger(); }
    // Loads symbols a, b, c … with these codes into slot i, unsaved, as opening a file does.
    void carga(int i, const std::string& nombre, const QString& codigos) {
        Alfabeto a{nombre, {}};
        for (const QString& c : codigos.split(' '))
            a.equivalencias.push_back({{char('a' + a.equivalencias.size())}, c.toStdString()});
        ocupaRanura(estado.ranuras[static_cast<std::size_t>(i)], a, false);
        principal->contexto().seleccionAlfabeto->ranuraCargada(i);
    }

    // The naming window will be answered with this name and "Aceptar", or with "Cancelar".
    void esperaNombre(const QString& nombre, const char* respuesta = "btaceptarnombre") {
        esperaDialogo("frnombrealfa", [this, nombre, respuesta](QWidget* d) {
            escribe(control<QLineEdit>(d, "txnombrealfa"), nombre);
            boton(d, respuesta)->click();
        });
    }
    // The save prompt will show `linea` and be answered with `respuesta`.
    void esperaAviso(const QString& linea, const char* respuesta) {
        esperaDialogo("frguardaralfabeto", [this, linea, respuesta](QWidget* d) {
            EXPECT_EQ(control<QLabel>(d, "lbsecargara")->text(), linea);
            boton(d, respuesta)->click();
        });
    }
    // The file chooser, asked with this code, will open `fichero` of the test folder into slot
    // `nombre`, or save alphabet `nombre` into it and confirm.
    void esperaSelector(bool abrir, const char* codigo, const QString& fichero,
                        const QString& nombre) {
        esperaDialogo("frmlistdirec", [=, this](QWidget* d) {
            EXPECT_TRUE(!abrir ||
                        QString::number(qobject_cast<gui::FrmListDirec*>(d)->ranuraLibre()) ==
                            nombre);
            eligeFichero(d, codigo, fichero);
            rechazos += d->isVisible();
            if (d->isVisible()) boton(d, "Command1")->click();  // a refused file: give up
        });
        if (!abrir)
            esperaMensaje(QStringLiteral("Alfabeto %1 guardado satisfactoriamente.").arg(nombre));
    }
    // In the file chooser, which must have been asked with this code, the file of the test's
    // folder is opened or saved, whichever the chooser offers.
    void eligeFichero(QWidget* selector, const char* codigo, const QString& fichero) {
        EXPECT_EQ(qobject_cast<gui::FrmListDirec*>(selector)->codigo(), codigo);
        escribe(control<QLineEdit>(selector, "txnomarchi"), fichero);
        boton(selector, boton(selector, "btGuardar")->isVisible() ? "btGuardar" : "btAbrir")
            ->click();
    }

    QString activo() const { return control<QLabel>(principal.get(), "lbalfabetoactivo")->text(); }
    QAction* entrada(int i) const { return accion(QStringLiteral("nalfaus(%1)").arg(i)); }
    // The menu as the student sees it: the active alphabet, each user alphabet listed ("-"
    // before one that cannot be chosen), and "+" when the user's commands are enabled.
    QString menu() const {
        QString s = activo() + " |";
        for (int i = 1; i <= 8; ++i)
            if (entrada(i)->isVisible())
                s += (entrada(i)->isEnabled() ? " " : " -") + entrada(i)->text();
        EXPECT_EQ(entrada(0)->isVisible(), !s.endsWith('|')) << "the list's separator";
        const bool m = accion("nModificarAlfa")->isEnabled();
        EXPECT_TRUE(accion("nCerrarAlfa")->isEnabled() == m &&
                    accion("nGuardarAlfa")->isEnabled() == m);
        return s + (m ? " +" : "");
    }
    // A slot: "libre", or its name (with "*" when saved) and its entries "symbol code".
    QString enRanura(int i) const {
        const RanuraAlfabeto& r = estado.ranuras[static_cast<std::size_t>(i)];
        if (r.libre) return "libre";
        QStringList e;
        for (const auto& x : r.alfabeto.equivalencias)
            e << QString::fromStdString(x.simbolo + " " + x.codigo);
        return QString::fromStdString(r.alfabeto.nombre) + (r.guardado ? "*: " : ": ") +
               e.join(", ");
    }
    // The entries of a window's grid, the same way.
    QString rejilla(const QWidget* w, const char* nombre) const {
        auto* t = control<gui::Rejilla>(w, nombre);
        QStringList e;
        for (int f = 0; f < 128 && !t->cellText(f, 1).isEmpty(); ++f)
            e << t->cellText(f, 0) + " " + t->cellText(f, 1);
        return e.join(", ");
    }

    int rechazos = 0;  // the files the chooser was left open on
    static constexpr const char* kCargado = "ALFABETO CARGADO EN MEMORIA.";
    static constexpr const char* kNoCargado = "NO SE CARGÓ EN MEMORIA.";
    static constexpr const char* kModificado = "Alfabeto modificado.";
};

}  // namespace zefra::pruebas
