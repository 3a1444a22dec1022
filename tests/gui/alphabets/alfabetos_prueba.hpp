// What the tests of user alphabets share: driving the define window, answering the naming
// window, the save prompt and the file chooser, and reading the menu and the slots.
#pragma once

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTemporaryDir>
#include <fstream>
#include <string>

#include "files/frm_listdirec.hpp"
#include "gui/entorno.hpp"

namespace zefra::pruebas {

class PruebaAlfabetos : public PruebaVentanas {
  protected:
    QAbstractButton* boton(const QWidget* w, const char* nombre) const {
        return control<QAbstractButton>(w, QString::fromLatin1(nombre));
    }
    // Writes the text of an editable drop-down list.
    void elige(const QWidget* w, const char* lista, const QString& texto) const {
        control<QComboBox>(w, QString::fromLatin1(lista))->setEditText(texto);
    }

    // "Crear": the define window.
    QWidget* define() {
        accion("nCrearAlfa")->trigger();
        QWidget* w = ventana("frmDefineAlfabeto");
        EXPECT_TRUE(w && w->isVisible());
        return w;
    }
    // "ASOCIAR" with this symbol and code.
    void asocia(const QString& simbolo, const QString& codigo) {
        QWidget* w = ventana("frmDefineAlfabeto");
        elige(w, "DpSimboloalfa", simbolo);
        elige(w, "DpCodAsoc", codigo);
        pulsa(boton(w, "BtAsociar"));
    }
    // Defines a table of "symbol code" pairs from an empty one.
    void defineTabla(std::initializer_list<std::pair<const char*, const char*>> entradas,
                     bool cargar) {
        QWidget* w = define();
        pulsa(boton(w, "btBorrarTabla"));
        for (const auto& [s, c] : entradas)
            asocia(QString::fromUtf8(s), QString::fromUtf8(c));
        boton(w, "ChCargarEnMemoria")->setChecked(cargar);
    }

    // Defines an alphabet, names it and loads it into the first free slot, unsaved ("NO" on
    // the prompt); the define window is closed again.
    void cargaDefinido(const QString& nombre,
                       std::initializer_list<std::pair<const char*, const char*>> entradas) {
        defineTabla(entradas, true);
        esperaNombre(nombre);
        esperaAviso(QStringLiteral("ALFABETO CARGADO EN MEMORIA."), "btnoguardaralfa");
        pulsa(boton(ventana("frmDefineAlfabeto"), "btAceptarDefAlfa"));
        pulsa(boton(ventana("frmDefineAlfabeto"), "btCancelaDefAlfa"));
    }
    // Makes the user alphabet of menu entry nalfaus(i) active.
    void selecciona(int i) { entrada(i)->trigger(); }

    // The naming window will be answered with this name and "Aceptar".
    void esperaNombre(const QString& nombre) {
        esperaDialogo(QStringLiteral("frnombrealfa"), [this, nombre](QWidget* d) {
            escribe(control<QLineEdit>(d, "txnombrealfa"), nombre);
            boton(d, "btaceptarnombre")->click();
        });
    }
    // The save prompt will show `linea` and be answered with `respuesta`.
    void esperaAviso(const QString& linea, const char* respuesta) {
        esperaDialogo(QStringLiteral("frguardaralfabeto"), [this, linea, respuesta](QWidget* d) {
            EXPECT_EQ(control<QLabel>(d, "lbsecargara")->text(), linea);
            EXPECT_EQ(control<QLabel>(d, "lbguardaralfa")->text(),
                      QStringLiteral("¿ Quieres guardarlo en archivo, ahora ?"));
            boton(d, respuesta)->click();
        });
    }
    // The file chooser will save into `fichero` of the test folder, then confirm.
    void esperaGuardar(const QString& titulo, const QString& codigo, const QString& fichero,
                       const QString& nombreAlfabeto) {
        esperaDialogo(QStringLiteral("frmlistdirec"), [=, this](QWidget* d) {
            EXPECT_EQ(d->windowTitle(), titulo);
            EXPECT_EQ(control<QLineEdit>(d, "txdonde")->text(), codigo);
            EXPECT_TRUE(boton(d, "btGuardar")->isVisible());
            EXPECT_FALSE(boton(d, "btAbrir")->isVisible());
            static_cast<gui::FrmListDirec*>(d)->muestraCarpeta(carpeta.path());
            escribe(control<QLineEdit>(d, "txnomarchi"), fichero);
            boton(d, "btGuardar")->click();
        });
        esperaMensaje(
            QStringLiteral("Alfabeto %1 guardado satisfactoriamente.").arg(nombreAlfabeto));
    }
    // The file chooser will open `fichero` of the test folder into slot `ranura`.
    void esperaAbrir(const QString& fichero, int ranura) {
        esperaDialogo(QStringLiteral("frmlistdirec"), [=, this](QWidget* d) {
            EXPECT_EQ(d->windowTitle(), QStringLiteral("Abrir alfabeto de archivo."));
            EXPECT_EQ(control<QLineEdit>(d, "txdonde")->text(), QStringLiteral("3"));
            EXPECT_EQ(control<QLineEdit>(d, "txalfalibre")->text(), QString::number(ranura));
            EXPECT_TRUE(boton(d, "btAbrir")->isVisible());
            static_cast<gui::FrmListDirec*>(d)->muestraCarpeta(carpeta.path());
            escribe(control<QLineEdit>(d, "txnomarchi"), fichero);
            boton(d, "btAbrir")->click();
            if (d->isVisible()) boton(d, "Command1")->click();  // a refused file: give up
        });
    }

    // A file of the test folder.
    void creaFichero(const QString& nombre, const std::string& bytes) const {
        std::ofstream(QDir(carpeta.path()).filePath(nombre).toStdString(), std::ios::binary)
            << bytes;
    }
    std::string leeFichero(const QString& nombre) const {
        std::ifstream f(QDir(carpeta.path()).filePath(nombre).toStdString(), std::ios::binary);
        return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
    }

    QString activo() const { return control<QLabel>(principal.get(), "lbalfabetoactivo")->text(); }
    QAction* entrada(int i) const { return accion(QStringLiteral("nalfaus(%1)").arg(i)); }
    bool deUsuarioHabilitados() const {
        const bool m = accion("nModificarAlfa")->isEnabled();
        EXPECT_EQ(accion("nCerrarAlfa")->isEnabled(), m);
        EXPECT_EQ(accion("nGuardarAlfa")->isEnabled(), m);
        return m;
    }
    const RanuraAlfabeto& ranura(int i) const {
        return estado.ranuras[static_cast<std::size_t>(i)];
    }
    // The entries of a slot as "symbol code" texts.
    std::vector<std::string> entradasDe(int i) const {
        std::vector<std::string> e;
        for (const auto& x : equivalenciasDe(ranura(i).tabla))
            e.push_back(x.simbolo + " " + x.codigo);
        return e;
    }

    QTemporaryDir carpeta;
};

}  // namespace zefra::pruebas
