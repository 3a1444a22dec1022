// The three-step private-key window through its widgets: the steps' enabling and frames, the
// worked example hola → zvkf → hola, "Invertir proceso", and the lock of the alphabet menu.
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

class VentanaCifrado : public PruebaVentanas {
  protected:
    // Accepts the keys in the key window, which opens the three-step window.
    void abre(const QString& r, const QString& s) {
        accion("ncripprivada")->trigger();
        QWidget* claves = ventana("frmpedirclaves");
        control<QComboBox>(claves, "Dpopcionesclave")->setEditText(r);
        escribe(control<QLineEdit>(claves, "txclave_s"), s);
        pulsa(control<QPushButton>(claves, "btseguircprivada"));
        w = ventana("frmcripprivada");
        ASSERT_TRUE(w && w->isVisible());
    }
    gui::TextoExacto* campoTexto(const char* nombre) const {
        return control<gui::TextoExacto>(w, nombre);
    }
    void escribeMensaje(const QString& texto) {
        auto* m = campoTexto("txmensaje");
        m->clear();
        m->insertPlainText(texto);  // as typed (key clicks cannot type every symbol)
    }
    QRadioButton* opcion(int i) const {
        return control<QRadioButton>(w, QStringLiteral("Option1(%1)").arg(i));
    }
    QPushButton* boton(const char* nombre) const { return control<QPushButton>(w, nombre); }
    QString texto(const char* nombre) const {
        return control<QPlainTextEdit>(w, nombre)->toPlainText();
    }
    // The enabled state of PASO 1, 2 and 3.
    std::vector<bool> pasos() const {
        return {boton("btpaso1")->isEnabled(), boton("btpaso2")->isEnabled(),
                boton("btpaso3")->isEnabled()};
    }
    // The one frame shown, or "" when none is.
    QString marcoVisible() const {
        QString visible;
        for (const char* m : {"Frame1", "frmpaso2", "frmpaso2_deco", "frmpaso3"}) {
            if (control<QGroupBox>(w, m)->isVisible()) {
                EXPECT_TRUE(visible.isEmpty()) << "two frames at once";
                visible = QString::fromLatin1(m);
            }
        }
        return visible;
    }
    bool seleccionHabilitada() const {
        return principal->findChild<QMenu*>(QStringLiteral("nSelecAlfa"))
            ->menuAction()
            ->isEnabled();
    }
    // Runs the three steps of a message in one direction.
    void cifra(const QString& mensaje, int direccion) {
        escribeMensaje(mensaje);
        pulsa(opcion(direccion));
        pulsa(boton("btpaso1"));
        pulsa(boton("btpaso2"));
        pulsa(boton("btpaso3"));
    }

    int direccionElegida() const {
        return opcion(0)->isChecked() ? 0 : opcion(1)->isChecked() ? 1 : -1;
    }

    QWidget* w = nullptr;
};

using std::vector;

TEST_F(VentanaCifrado, HolaZvkfHolaPasoAPaso) {
    abre(QStringLiteral("3"), QStringLiteral("5"));
    EXPECT_EQ(w->windowTitle(), QStringLiteral("CRIPTOSISTEMA DE CLAVE PRIVADA"));
    EXPECT_EQ(pasos(), (vector<bool>{false, false, false}));
    EXPECT_EQ(marcoVisible(), QString());

    escribeMensaje(QStringLiteral("hola"));
    pulsa(opcion(0));
    EXPECT_FALSE(opcion(1)->isEnabled());
    EXPECT_EQ(pasos(), (vector<bool>{true, false, false}));
    EXPECT_TRUE(seleccionHabilitada());

    pulsa(boton("btpaso1"));
    EXPECT_EQ(texto("txmensajenum"), QStringLiteral("07151100"));
    EXPECT_EQ(pasos(), (vector<bool>{false, true, false}));
    EXPECT_EQ(marcoVisible(), QStringLiteral("Frame1"));
    EXPECT_FALSE(campoTexto("txmensaje")->isEnabled());
    EXPECT_FALSE(seleccionHabilitada());
    auto* tabla = control<gui::Rejilla>(w, "Flexalfa1");
    EXPECT_EQ(tabla->cellText(7, 0), QStringLiteral("h"));
    EXPECT_EQ(tabla->cellText(7, 1), QStringLiteral("07"));
    EXPECT_EQ(tabla->cellText(0, 2), QStringLiteral("ñ"));
    EXPECT_EQ(tabla->cellText(13, 3), QStringLiteral("27"));
    EXPECT_EQ(tabla->cellText(13, 2), QStringLiteral(" "));
    EXPECT_EQ(tabla->model()->index(13, 2).data().toString(), QStringLiteral("\u2423"));  // ␣
    EXPECT_EQ(tabla->model()->index(7, 0).data().toString(), QStringLiteral("h"));
    EXPECT_FALSE(tabla->isRowHidden(13));
    EXPECT_TRUE(tabla->isRowHidden(14));  // below the last entry

    pulsa(boton("btpaso2"));
    EXPECT_EQ(texto("txmensajecod"), QStringLiteral("26221005"));
    EXPECT_EQ(pasos(), (vector<bool>{false, false, true}));
    EXPECT_EQ(marcoVisible(), QStringLiteral("frmpaso2"));
    EXPECT_EQ(control<QLineEdit>(w, "txpaso2cod")->text(),
              QStringLiteral("C(3, 5) ([m]) = [3][m] + [5]"));
    EXPECT_EQ(control<QLineEdit>(w, "txpaso2decod")->text(),
              QStringLiteral("D(3, 5) ([m*]) = [3]^-1 ([m*] - [5])"));
    EXPECT_EQ(control<QLabel>(w, "lbrsexplica")->text(), QStringLiteral("Claves privadas 3 y 5."));
    EXPECT_EQ(control<QLabel>(w, "formulaCifrado")->text(),
              QStringLiteral("C<sub>r,s</sub>( [m] ) = [r] [m] + [s]"));

    pulsa(boton("btpaso3"));
    EXPECT_EQ(texto("txmensajefinal"), QStringLiteral("zvkf"));
    EXPECT_EQ(pasos(), (vector<bool>{false, false, false}));
    EXPECT_EQ(marcoVisible(), QStringLiteral("frmpaso3"));
    EXPECT_EQ(control<gui::Rejilla>(w, "FlexAlfa3")->cellText(12, 2), QStringLiteral("z"));

    pulsa(boton("btinvertir"));
    EXPECT_EQ(campoTexto("txmensaje")->textoExacto(), QStringLiteral("zvkf"));
    EXPECT_FALSE(campoTexto("txmensaje")->isEnabled());
    for (const char* campo : {"txmensajenum", "txmensajecod", "txmensajefinal"})
        EXPECT_TRUE(texto(campo).isEmpty()) << campo;
    EXPECT_TRUE(opcion(1)->isChecked());
    EXPECT_TRUE(opcion(1)->isEnabled());
    EXPECT_FALSE(opcion(0)->isChecked());
    EXPECT_FALSE(opcion(0)->isEnabled());
    EXPECT_EQ(pasos(), (vector<bool>{true, false, false}));
    EXPECT_EQ(marcoVisible(), QString());
    EXPECT_FALSE(seleccionHabilitada());

    pulsa(boton("btpaso1"));
    EXPECT_EQ(texto("txmensajenum"), QStringLiteral("26221005"));
    pulsa(boton("btpaso2"));
    EXPECT_EQ(marcoVisible(), QStringLiteral("frmpaso2_deco"));
    EXPECT_EQ(texto("txmensajecod"), QStringLiteral("07151100"));
    pulsa(boton("btpaso3"));
    EXPECT_EQ(texto("txmensajefinal"), QStringLiteral("hola"));

    // Inverting a deciphering enciphers again.
    pulsa(boton("btinvertir"));
    EXPECT_TRUE(opcion(0)->isChecked());
    EXPECT_TRUE(opcion(0)->isEnabled());
    EXPECT_FALSE(opcion(1)->isEnabled());
    pulsa(boton("btpaso1"));
    pulsa(boton("btpaso2"));
    pulsa(boton("btpaso3"));
    EXPECT_EQ(texto("txmensajefinal"), QStringLiteral("zvkf"));
}

TEST_F(VentanaCifrado, InvertirAntesDelPaso3NoHaceNada) {
    abre(QStringLiteral("3"), QStringLiteral("5"));
    pulsa(boton("btinvertir"));  // no direction yet
    EXPECT_EQ(pasos(), (vector<bool>{false, false, false}));
    escribeMensaje(QStringLiteral("hola"));
    pulsa(opcion(0));
    pulsa(boton("btpaso1"));
    pulsa(boton("btpaso2"));
    pulsa(boton("btinvertir"));
    EXPECT_EQ(campoTexto("txmensaje")->textoExacto(), QStringLiteral("hola"));
    EXPECT_EQ(texto("txmensajecod"), QStringLiteral("26221005"));
    EXPECT_EQ(pasos(), (vector<bool>{false, false, true}));
    EXPECT_TRUE(opcion(0)->isChecked());
}

TEST_F(VentanaCifrado, DireccionSinMensaje) {
    abre(QStringLiteral("3"), QStringLiteral("5"));
    esperaMensaje(QStringLiteral("Ha de escribir al menos un símbolo del alfabeto."));
    pulsa(opcion(1));
    EXPECT_FALSE(opcion(0)->isChecked());
    EXPECT_FALSE(opcion(1)->isChecked());
    EXPECT_TRUE(opcion(0)->isEnabled());
    EXPECT_EQ(pasos(), (vector<bool>{false, false, false}));
}

TEST_F(VentanaCifrado, SimboloAjenoEnElPaso1) {
    abre(QStringLiteral("3"), QStringLiteral("5"));
    escribeMensaje(QStringLiteral("Hola"));
    pulsa(opcion(0));
    esperaMensaje(QStringLiteral("El símbolo 'H' no pertenece al alfabeto."));
    pulsa(boton("btpaso1"));
    EXPECT_EQ(pasos(), (vector<bool>{true, false, false}));
    EXPECT_TRUE(texto("txmensajenum").isEmpty());
    EXPECT_TRUE(campoTexto("txmensaje")->isEnabled());
    EXPECT_EQ(marcoVisible(), QString());
    EXPECT_TRUE(seleccionHabilitada());
    // Corrected, the same step goes through.
    escribeMensaje(QStringLiteral("hola"));
    pulsa(boton("btpaso1"));
    EXPECT_EQ(texto("txmensajenum"), QStringLiteral("07151100"));
}

TEST_F(VentanaCifrado, InicializarYSalirLiberanElAlfabeto) {
    abre(QStringLiteral("3"), QStringLiteral("5"));
    escribeMensaje(QStringLiteral("hola"));
    pulsa(opcion(0));
    pulsa(boton("btpaso1"));
    ASSERT_FALSE(seleccionHabilitada());
    pulsa(boton("btinicializar"));
    EXPECT_TRUE(seleccionHabilitada());
    EXPECT_TRUE(campoTexto("txmensaje")->textoExacto().isEmpty());
    EXPECT_TRUE(campoTexto("txmensaje")->isEnabled());
    EXPECT_TRUE(texto("txmensajenum").isEmpty());
    EXPECT_FALSE(opcion(0)->isChecked());
    EXPECT_TRUE(opcion(1)->isEnabled());
    EXPECT_EQ(pasos(), (vector<bool>{false, false, false}));
    EXPECT_EQ(marcoVisible(), QString());
    EXPECT_EQ(control<QLineEdit>(w, "txclave_cpr")->text(), QStringLiteral("3"));

    escribeMensaje(QStringLiteral("hola"));
    pulsa(opcion(1));
    pulsa(boton("btpaso1"));
    ASSERT_FALSE(seleccionHabilitada());
    w->close();  // the frame does what "Salir" does
    EXPECT_FALSE(w->isVisible());
    EXPECT_TRUE(seleccionHabilitada());
    accion("nalfa_az")->trigger();
    EXPECT_EQ(estado.alfabeto.nombre, "A-Z");
}

TEST_F(VentanaCifrado, ClaveRevisadaConElAlfabetoDelPaso1) {
    abre(QStringLiteral("13"), QStringLiteral("5"));  // prime to 28, not to 195
    accion("nalfa_ASCII")->trigger();
    escribeMensaje(QStringLiteral("Hola"));
    pulsa(opcion(0));
    pulsa(boton("btpaso1"));
    EXPECT_EQ(texto("txmensajenum"), QStringLiteral("040079076065"));
    auto* tabla = control<gui::Rejilla>(w, "Flexalfa1");
    EXPECT_FALSE(tabla->isRowHidden(96));
    EXPECT_EQ(tabla->cellText(95, 2), QStringLiteral("\n"));
    EXPECT_EQ(tabla->model()->index(95, 2).data().toString(), QStringLiteral("LF"));
    esperaMensaje(QStringLiteral("Clave r no válida ya que mcd(r,195) ha de ser 1"));
    pulsa(boton("btpaso2"));
    EXPECT_EQ(pasos(), (vector<bool>{false, true, false}));
    EXPECT_EQ(marcoVisible(), QStringLiteral("Frame1"));
    EXPECT_TRUE(texto("txmensajecod").isEmpty());
}

TEST_F(VentanaCifrado, AsciiConClavesEnormesIdaYVueltaExacta) {
    accion("nalfa_ASCII")->trigger();
    abre(QStringLiteral("-1000000000000000000000000000001"), QStringLiteral("-7e25"));
    const QString mensaje = QString::fromUtf8("¡Añade ‘comillas’,\nñu!");
    cifra(mensaje, 0);
    EXPECT_EQ(texto("txmensajenum").size(), 3 * mensaje.size());
    const QString cifrado = campoTexto("txmensajefinal")->textoExacto();
    EXPECT_EQ(cifrado.size(), mensaje.size());
    EXPECT_NE(cifrado, mensaje);
    EXPECT_EQ(control<QLineEdit>(w, "txpaso2cod")->text(),
              QStringLiteral("C(-1000000000000000000000000000001, -7e25) ([m]) = "
                             "[-1000000000000000000000000000001][m] + [-7e25]"));
    pulsa(boton("btinvertir"));
    pulsa(boton("btpaso1"));
    pulsa(boton("btpaso2"));
    pulsa(boton("btpaso3"));
    EXPECT_EQ(campoTexto("txmensajefinal")->textoExacto(), mensaje);
}

TEST_F(VentanaCifrado, RetornoDeCarroSobreviveAlInvertir) {
    // r = 1, s = 1 shifts every code by one: line feed (193) becomes carriage return (194),
    // which a plain text field would turn back into a line break.
    accion("nalfa_ASCII")->trigger();
    abre(QStringLiteral("1"), QStringLiteral("1"));
    cifra(QStringLiteral("a\n"), 0);
    EXPECT_EQ(campoTexto("txmensajefinal")->textoExacto(), QStringLiteral("b\r"));
    pulsa(boton("btinvertir"));
    pulsa(boton("btpaso1"));
    EXPECT_EQ(texto("txmensajenum"), QStringLiteral("066194"));
    pulsa(boton("btpaso2"));
    pulsa(boton("btpaso3"));
    EXPECT_EQ(campoTexto("txmensajefinal")->textoExacto(), QStringLiteral("a\n"));
}

TEST_F(VentanaCifrado, CodigoSinSimboloEnElPaso3) {
    accion("nalfa_ASCII")->trigger();
    abre(QStringLiteral("1"), QStringLiteral("192"));  // the space (000) goes to 192
    escribeMensaje(QStringLiteral(" "));
    pulsa(opcion(0));
    pulsa(boton("btpaso1"));
    pulsa(boton("btpaso2"));
    EXPECT_EQ(texto("txmensajecod"), QStringLiteral("192"));
    esperaMensaje(QStringLiteral("El código 192 no está asociado a ninguna palabra."));
    pulsa(boton("btpaso3"));
    EXPECT_TRUE(texto("txmensajefinal").isEmpty());
    EXPECT_EQ(pasos(), (vector<bool>{false, false, false}));
    pulsa(boton("btinvertir"));  // nothing to invert
    EXPECT_EQ(pasos(), (vector<bool>{false, false, false}));
}

TEST_F(VentanaCifrado, SinTiempoParaElInverso) {
    abre(QStringLiteral("3"), QStringLiteral("5"));
    escribeMensaje(QStringLiteral("zvkf"));
    pulsa(opcion(1));
    pulsa(boton("btpaso1"));
    // The gcd of the key passes; the inverse that follows runs out of time.
    estado.tiempo.presupuesto.segundos = "1";
    reloj.paso = 0.4;
    esperaMensaje(QStringLiteral("Se ha superado el tiempo establecido."));
    pulsa(boton("btpaso2"));
    EXPECT_TRUE(texto("txmensajecod").isEmpty());
    EXPECT_EQ(pasos(), (vector<bool>{false, false, true}));
}

// "Guardar en fichero" writes the result; "Abrir de fichero" starts over with the file's whole
// text, its line end included, and frees the choice of alphabet.
TEST_F(VentanaCifrado, FicherosDelMensajeYDelResultado) {
    QTemporaryDir carpeta;
    abre(QStringLiteral("3"), QStringLiteral("5"));
    cifra(QStringLiteral("hola"), 0);
    auto& selector = principal->contexto().ventana<gui::FrmListDirec>();
    pulsa(boton("btGuardarEnFicheroPrivada"));
    EXPECT_EQ(selector.windowTitle(), QStringLiteral("Guardar en fichero"));
    EXPECT_EQ(control<QLineEdit>(&selector, "txdonde")->text(), QStringLiteral("1"));
    EXPECT_FALSE(selector.isModal());
    selector.muestraCarpeta(carpeta.path());
    escribe(control<QLineEdit>(&selector, "txnomarchi"), QStringLiteral("r.txt"));
    esperaMensaje(QStringLiteral("Archivo guardado satisfactoriamente."));
    pulsa(control<QPushButton>(&selector, "btGuardar"));

    pulsa(boton("btabrirdeFicheroPrivada"));
    EXPECT_EQ(selector.windowTitle(), QStringLiteral("Abrir de fichero"));
    EXPECT_TRUE(control<QPushButton>(&selector, "btAbrir")->isVisible());
    escribe(control<QLineEdit>(&selector, "txnomarchi"), QStringLiteral("r.txt"));
    EXPECT_FALSE(seleccionHabilitada());
    pulsa(control<QPushButton>(&selector, "btAbrir"));
    EXPECT_EQ(campoTexto("txmensaje")->textoExacto(), QStringLiteral("zvkf\r\n"));
    EXPECT_TRUE(campoTexto("txmensaje")->isEnabled());
    EXPECT_TRUE(texto("txmensajefinal").isEmpty());
    EXPECT_EQ(direccionElegida(), -1);
    EXPECT_EQ(pasos(), (vector<bool>{false, false, false}));
    EXPECT_TRUE(seleccionHabilitada());
    // The line end is no symbol of "a-z".
    pulsa(opcion(1));
    esperaMensaje(QStringLiteral("El símbolo '\r' no pertenece al alfabeto."));
    pulsa(boton("btpaso1"));
}

}  // namespace
}  // namespace zefra::pruebas
