// What the tests of the cipher windows share: accepting keys in the key window, typing a
// message, running the steps, reading their enabling and the frame shown, and the file buttons.
#pragma once

#include <QGroupBox>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include "gui/alphabets/alfabetos_prueba.hpp"
#include "gui/files/frm_listdirec.hpp"

namespace zefra::pruebas {

class PruebaCifrado : public PruebaAlfabetos {
  protected:
    // Writes r and s in the key window and presses "Continuar".
    void continua(const QString& r, const QString& s) {
        QWidget* claves = ventana("frmpedirclaves");
        control<QComboBox>(claves, "Dpopcionesclave")->setEditText(r);
        escribe(control<QLineEdit>(claves, "txclave_s"), s);
        pulsa(claves, "btseguircprivada");
    }
    // Accepts r and s from the menu; `w` becomes the window named `destino` it opens.
    void abre(const QString& r, const QString& s, const char* destino = "frmcripprivada") {
        accion("ncripprivada")->trigger();
        continua(r, s);
        w = abierta(destino);
        ASSERT_TRUE(w);
    }
    // The RSA set-up from the menu with p, q and t, each step accepted, then "Continuar": `w`
    // becomes the public-key window, with its two steps.
    void sistemaRSA(const QString& p, const QString& q, const QString& t) {
        accion("ncrippublica")->trigger();
        QWidget* rsa = ventana("frmSistemaRSA");
        escribe(control<QLineEdit>(rsa, "txprimop"), p);
        escribe(control<QLineEdit>(rsa, "txprimoq"), q);
        pulsa(rsa, "btBuscarCercanoPyQ");
        pulsa(rsa, "btAceptarPyQ");
        escribe(control<QLineEdit>(rsa, "txAsignat"), t);
        for (const char* b : {"btBuscaMCDmascerca", "btAceptart", "btContinuarRSA"})
            pulsa(rsa, b);
        w = abierta("frmCripPublica");
        dosPasos({"Frame1", "frmpaso2", "frmpaso2_deco"});
        ASSERT_TRUE(w);
    }
    // The windows of two steps: their direction buttons, steps, frames and results.
    void dosPasos(std::vector<const char*> suyos) {
        opciones = "opCodCpub";
        pasos = {"btpaso1", "btpaso2"};
        salidas = {"txmensajenum", "txmensajecod"};
        marcos = std::move(suyos);
    }
    void mensaje(const QString& texto) const {
        auto* m = control<QPlainTextEdit>(w, "txmensaje");
        m->clear();
        m->insertPlainText(texto);  // as typed (key clicks cannot type every symbol)
    }
    QRadioButton* opcion(int i) const {
        return control<QRadioButton>(w, QStringLiteral("%1(%2)").arg(opciones).arg(i));
    }
    bool habilitado(const char* nombre) const { return control<QWidget>(w, nombre)->isEnabled(); }
    using PruebaAlfabetos::pulsa;
    // Presses the window's buttons in order.
    void pulsa(std::initializer_list<const char*> botones) {
        for (const char* b : botones)
            pulsa(w, b);
    }
    // Presses the buttons (names separated by blanks), then expects the texts and the situation.
    void tras(const QString& botones, const char* esperado) {
        for (const QString& b : botones.split(' ', Qt::SkipEmptyParts))
            pulsa(w, b);
        EXPECT_EQ(textos() + ' ' + situacion(), QString::fromUtf8(esperado))
            << botones.toStdString();
    }
    // Types the message, chooses the direction and presses the steps given.
    void cifra(const QString& texto, int direccion, std::initializer_list<const char*> botones) {
        mensaje(texto);
        pulsa(opcion(direccion));
        pulsa(botones);
    }
    // The direction chosen ("E" enciphering, "D" deciphering, "-" none) and those offered, the
    // enabled steps as 1s and 0s, the frames shown ("-" for none), and whether the message is
    // fixed and the choice of alphabet locked.
    QString situacion() const {
        QString s = opcion(0)->isChecked() ? "E" : opcion(1)->isChecked() ? "D" : "-";
        s += QString(opcion(0)->isEnabled() ? "E" : "") + (opcion(1)->isEnabled() ? "D" : "") + ' ';
        for (const char* p : pasos)
            s += habilitado(p) ? '1' : '0';
        QStringList visibles;
        for (const char* m : marcos)
            if (control<QGroupBox>(w, m)->isVisible()) visibles << m;
        s += ' ' + (visibles.isEmpty() ? "-" : visibles.join('+'));
        if (!habilitado("txmensaje")) s += " fijo";
        if (!principal->findChild<QMenu*>("nSelecAlfa")->menuAction()->isEnabled())
            s += " bloqueado";
        return s;
    }
    // The message and the results of the steps.
    QString textos() const {
        QString s = campo("txmensaje");
        for (const char* r : salidas)
            s += "|" + campo(r);
        return s;
    }
    // The file chooser of the window's button, with its request code, opens or saves a file of
    // the test folder, and then closes.
    void fichero(const char* botonVentana, const char* codigo, const char* nombre) {
        pulsa({botonVentana});
        auto& s = principal->contexto().ventana<gui::FrmListDirec>();
        EXPECT_FALSE(s.isModal());
        if (boton(&s, "btGuardar")->isVisible())
            esperaMensaje("Archivo guardado satisfactoriamente.");
        eligeFichero(&s, codigo, nombre);
        EXPECT_FALSE(s.isVisible()) << nombre;
    }

    const char* opciones = "Option1";
    std::vector<const char*> pasos = {"btpaso1", "btpaso2", "btpaso3"};
    std::vector<const char*> marcos = {"Frame1", "frmpaso2", "frmpaso2_deco", "frmpaso3"};
    std::vector<const char*> salidas = {"txmensajenum", "txmensajecod", "txmensajefinal"};
};

}  // namespace zefra::pruebas
