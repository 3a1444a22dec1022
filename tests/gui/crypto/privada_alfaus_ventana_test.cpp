// The two-step private-key window for alphabets with gaps, through its widgets: the worked
// example abc ↔ 010002 in both directions with its frames and formula texts, "Invertir
// proceso", the lock of the alphabet menu, refused blocks and keys, and its file buttons.
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

#include "files/frm_listdirec.hpp"
#include "gui/entorno.hpp"
#include "ui/rejilla.hpp"
#include "ui/texto_exacto.hpp"

namespace zefra::pruebas {
namespace {

using std::vector;

class VentanaHuecos : public PruebaVentanas {
  protected:
    // The alphabet a = 0, b = 1, c = 5 (n = 6) in slot 0, active; the keys r = 5, s = 1.
    VentanaHuecos() {
        auto& ranura = estado.ranuras[0];
        ranura.libre = false;
        ranura.nombre = "abc";
        const char* entradas[][2] = {{"a", "00"}, {"b", "01"}, {"c", "05"}};
        for (int k = 0; k < 3; ++k) {
            ranura.tabla.fija(k, 0, entradas[k][0]);
            ranura.tabla.fija(k, 1, entradas[k][1]);
        }
        accion("nalfaus(1)")->setVisible(true);
        accion("nalfaus(1)")->trigger();
        abre(QStringLiteral("5"), QStringLiteral("1"));
    }
    void abre(const QString& r, const QString& s) {
        accion("ncripprivada")->trigger();
        QWidget* claves = ventana("frmpedirclaves");
        control<QComboBox>(claves, "Dpopcionesclave")->setEditText(r);
        escribe(control<QLineEdit>(claves, "txclave_s"), s);
        pulsa(control<QPushButton>(claves, "btseguircprivada"));
        w = ventana("frPrivadaAlfaus");
        ASSERT_TRUE(w && w->isVisible());
    }
    void escribeMensaje(const QString& texto) {
        auto* m = control<gui::TextoExacto>(w, "txmensaje");
        m->clear();
        m->insertPlainText(texto);
    }
    QRadioButton* opcion(int i) const {
        return control<QRadioButton>(w, QStringLiteral("opCodCpub(%1)").arg(i));
    }
    QPushButton* boton(const char* nombre) const { return control<QPushButton>(w, nombre); }
    QString texto(const char* nombre) const {
        return control<QPlainTextEdit>(w, nombre)->toPlainText();
    }
    vector<bool> pasos() const {
        return {boton("btpaso1")->isEnabled(), boton("btpaso2")->isEnabled()};
    }
    QString marcoVisible() const {
        QString visible;
        for (const char* m : {"Frame2", "frmpaso2privadaus", "frmpaso2decoprivada"}) {
            if (control<QGroupBox>(w, m)->isVisible()) {
                EXPECT_TRUE(visible.isEmpty()) << "two frames at once";
                visible = QString::fromLatin1(m);
            }
        }
        return visible;
    }
    QStringList lineasTabla() const {
        QStringList l;
        for (const char* n : {"Label45", "Label47", "Label48", "Label49"})
            l << control<QLabel>(w, n)->text();
        return l;
    }
    bool seleccionHabilitada() const {
        return principal->findChild<QMenu*>(QStringLiteral("nSelecAlfa"))
            ->menuAction()
            ->isEnabled();
    }

    QWidget* w = nullptr;
};

TEST_F(VentanaHuecos, AbcIdaYVuelta) {
    EXPECT_EQ(w->windowTitle(), QStringLiteral("CRIPTOGRAFÍA DE CLAVE PRIVADA"));
    EXPECT_EQ(control<QLabel>(w, "lbclaver")->text(), QStringLiteral("5"));
    EXPECT_EQ(control<QLabel>(w, "lbclaves")->text(), QStringLiteral("1"));
    EXPECT_EQ(pasos(), (vector<bool>{false, false}));
    EXPECT_EQ(marcoVisible(), QString());

    escribeMensaje(QStringLiteral("abc"));
    pulsa(opcion(0));
    EXPECT_FALSE(opcion(1)->isEnabled());
    pulsa(boton("btpaso1"));
    EXPECT_EQ(texto("txmensajenum"), QStringLiteral("000105"));
    EXPECT_EQ(pasos(), (vector<bool>{false, true}));
    EXPECT_EQ(marcoVisible(), QStringLiteral("Frame2"));
    EXPECT_EQ(control<QGroupBox>(w, "Frame2")->title(), QStringLiteral("PASO 1"));
    EXPECT_EQ(lineasTabla(),
              QStringList({"Transcripción inmediata del texto", "llano a una sucesión de dígitos",
                           "según se indica en la tabla de", "conversión:"}));
    EXPECT_EQ(control<gui::Rejilla>(w, "Flexalfa1")->cellText(2, 1), QStringLiteral("05"));
    EXPECT_FALSE(control<QPlainTextEdit>(w, "txmensaje")->isEnabled());
    EXPECT_FALSE(seleccionHabilitada());

    pulsa(boton("btpaso2"));
    EXPECT_EQ(texto("txmensajecod"), QStringLiteral("010002"));
    EXPECT_EQ(pasos(), (vector<bool>{false, false}));
    EXPECT_EQ(marcoVisible(), QStringLiteral("frmpaso2privadaus"));
    EXPECT_EQ(control<QLineEdit>(w, "txpaso2codPublica")->text(),
              QStringLiteral("C(5, 1) ([m]) = [5][m] + [1]"));

    pulsa(boton("btInvertirCPrivUs"));
    EXPECT_EQ(control<gui::TextoExacto>(w, "txmensaje")->textoExacto(), QStringLiteral("010002"));
    EXPECT_TRUE(opcion(1)->isChecked());
    EXPECT_FALSE(opcion(0)->isEnabled());
    EXPECT_TRUE(texto("txmensajenum").isEmpty());
    EXPECT_TRUE(texto("txmensajecod").isEmpty());
    EXPECT_EQ(pasos(), (vector<bool>{true, false}));
    EXPECT_EQ(marcoVisible(), QString());

    pulsa(boton("btpaso1"));
    EXPECT_EQ(texto("txmensajenum"), QStringLiteral("000105"));
    EXPECT_EQ(marcoVisible(), QStringLiteral("frmpaso2decoprivada"));
    EXPECT_EQ(control<QLineEdit>(w, "txpaso2decodPublica")->text(),
              QStringLiteral("D(5, 1) [m*]= [5 ^-1 ] ([m*] - [1] )"));
    pulsa(boton("btpaso2"));
    EXPECT_EQ(texto("txmensajecod"), QStringLiteral("abc"));
    EXPECT_EQ(marcoVisible(), QStringLiteral("Frame2"));
    EXPECT_EQ(control<QGroupBox>(w, "Frame2")->title(), QStringLiteral("PASO 2"));
    EXPECT_EQ(lineasTabla(),
              QStringList({"En este último paso, se realiza", "la transcripción inmediata a los",
                           "símbolos del alfabeto mediante", "la tabla de conversión:"}));

    pulsa(boton("btInvertirCPrivUs"));  // back to enciphering abc
    EXPECT_TRUE(opcion(0)->isChecked());
    pulsa(boton("btpaso1"));
    pulsa(boton("btpaso2"));
    EXPECT_EQ(texto("txmensajecod"), QStringLiteral("010002"));

    pulsa(boton("btinicializar"));
    EXPECT_TRUE(seleccionHabilitada());
    EXPECT_EQ(pasos(), (vector<bool>{false, false}));
    EXPECT_TRUE(control<QPlainTextEdit>(w, "txmensaje")->isEnabled());
    EXPECT_EQ(marcoVisible(), QString());
}

TEST_F(VentanaHuecos, BloquesYSimbolosRechazados) {
    // 07 is not below n = 6: nothing is shown or written, the step stays.
    escribeMensaje(QStringLiteral("0701"));
    pulsa(opcion(1));
    esperaMensaje(QStringLiteral("El número no puede exceder de5"));
    pulsa(boton("btpaso1"));
    EXPECT_TRUE(texto("txmensajenum").isEmpty());
    EXPECT_EQ(pasos(), (vector<bool>{true, false}));
    EXPECT_EQ(marcoVisible(), QString());
    EXPECT_TRUE(seleccionHabilitada());

    esperaMensaje(QStringLiteral("El mensaje a descifrar ha de estar formado solo por dígitos."));
    escribeMensaje(QStringLiteral("01x0"));
    pulsa(boton("btpaso1"));

    // A deciphered block that is no code: the last step refuses it and writes nothing.
    escribeMensaje(QStringLiteral("03"));  // 5·(3 − 1) = 10 ≡ 4: no symbol has 04
    pulsa(boton("btpaso1"));
    EXPECT_EQ(texto("txmensajenum"), QStringLiteral("04"));
    esperaMensaje(QStringLiteral("El código 04 no está asociado a ninguna palabra."));
    pulsa(boton("btpaso2"));
    EXPECT_TRUE(texto("txmensajecod").isEmpty());
    EXPECT_EQ(pasos(), (vector<bool>{false, true}));

    pulsa(boton("btsalir"));
    EXPECT_FALSE(w->isVisible());
    EXPECT_TRUE(seleccionHabilitada());
    abre(QStringLiteral("5"), QStringLiteral("1"));
    escribeMensaje(QStringLiteral("abd"));
    pulsa(opcion(0));
    esperaMensaje(QStringLiteral("El símbolo 'd' no pertenece al alfabeto."));
    pulsa(boton("btpaso1"));
    EXPECT_EQ(pasos(), (vector<bool>{true, false}));
}

TEST_F(VentanaHuecos, LaClaveSeRevisaConElAlfabetoDelPaso) {
    // Another alphabet chosen after the keys were accepted: r = 5 is not prime to 55.
    accion("nalfa_azAZ")->trigger();
    escribeMensaje(QStringLiteral("abc"));
    pulsa(opcion(0));
    pulsa(boton("btpaso1"));
    EXPECT_EQ(texto("txmensajenum"), QStringLiteral("272829"));
    esperaMensaje(QStringLiteral("Clave r no válida ya que mcd(r,55) ha de ser 1"));
    pulsa(boton("btpaso2"));
    EXPECT_TRUE(texto("txmensajecod").isEmpty());
    EXPECT_EQ(pasos(), (vector<bool>{false, true}));
}

TEST_F(VentanaHuecos, FicherosDelMensajeYDelResultado) {
    QTemporaryDir carpeta;
    escribeMensaje(QStringLiteral("cab"));
    pulsa(opcion(0));
    pulsa(boton("btpaso1"));
    pulsa(boton("btpaso2"));
    EXPECT_EQ(texto("txmensajecod"), QStringLiteral("020100"));

    auto& selector = principal->contexto().ventana<gui::FrmListDirec>();
    pulsa(boton("btGuardarEnFicheroPublica"));
    EXPECT_EQ(selector.windowTitle(), QStringLiteral("Guardar en fichero"));
    EXPECT_EQ(control<QLineEdit>(&selector, "txdonde")->text(), QStringLiteral("4"));
    selector.muestraCarpeta(carpeta.path());
    escribe(control<QLineEdit>(&selector, "txnomarchi"), QStringLiteral("c.cod"));
    esperaMensaje(QStringLiteral("Archivo guardado satisfactoriamente."));
    pulsa(control<QPushButton>(&selector, "btGuardar"));

    // The saved cipher text, with its final line end, deciphers again.
    pulsa(boton("btAbrirdeFicheroPublica"));
    EXPECT_EQ(selector.windowTitle(), QStringLiteral("Abrir de fichero"));
    EXPECT_EQ(control<QLineEdit>(&selector, "txdonde")->text(), QStringLiteral("4"));
    escribe(control<QLineEdit>(&selector, "txnomarchi"), QStringLiteral("c.cod"));
    pulsa(control<QPushButton>(&selector, "btAbrir"));
    EXPECT_EQ(control<gui::TextoExacto>(w, "txmensaje")->textoExacto(),
              QStringLiteral("020100\r\n"));
    EXPECT_EQ(pasos(), (vector<bool>{false, false}));
    EXPECT_TRUE(seleccionHabilitada());
    pulsa(opcion(1));
    pulsa(boton("btpaso1"));
    pulsa(boton("btpaso2"));
    EXPECT_EQ(texto("txmensajecod"), QStringLiteral("cab"));
}

}  // namespace
}  // namespace zefra::pruebas
