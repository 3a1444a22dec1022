// The RSA set-up and the public-key window, through the real widgets.
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <fstream>

#include "files/frm_listdirec.hpp"
#include "gui/entorno.hpp"

namespace zefra::pruebas {
namespace {

class VentanasRSA : public PruebaVentanas {
  protected:
    VentanasRSA() {
        accion("ncrippublica")->trigger();
        rsa = ventana("frmSistemaRSA");
    }
    QPushButton* boton(const char* nombre) const { return control<QPushButton>(rsa, nombre); }
    QString etiqueta(QWidget* w, const char* nombre) const {
        return control<QLabel>(w, nombre)->text();
    }
    // The four steps with the values given, then "Continuar".
    QWidget* estableceClaves(const QString& p, const QString& q, const QString& t) {
        escribe(control<QLineEdit>(rsa, "txprimop"), p);
        escribe(control<QLineEdit>(rsa, "txprimoq"), q);
        pulsa(boton("btBuscarCercanoPyQ"));
        pulsa(boton("btAceptarPyQ"));
        escribe(control<QLineEdit>(rsa, "txAsignat"), t);
        pulsa(boton("btBuscaMCDmascerca"));
        pulsa(boton("btAceptart"));
        pulsa(boton("btContinuarRSA"));
        return ventana("frmCripPublica");
    }
    void escribeMensaje(QWidget* w, const QString& texto) {
        control<QPlainTextEdit>(w, "txmensaje")->setPlainText(texto);
    }
    QString resultado(QWidget* w, const char* campo) const {
        return control<QPlainTextEdit>(w, campo)->toPlainText();
    }

    QWidget* rsa = nullptr;
};

TEST_F(VentanasRSA, LosPasosSoloAvanzanEnOrden) {
    EXPECT_EQ(rsa->windowTitle(), QStringLiteral("Establecer sistema RSA"));
    EXPECT_TRUE(boton("btBuscarCercanoPyQ")->isEnabled());
    for (const char* cerrado :
         {"btAceptarPyQ", "btBuscaMCDmascerca", "btAceptart", "btContinuarRSA"}) {
        EXPECT_FALSE(boton(cerrado)->isEnabled()) << cerrado;
    }
    EXPECT_FALSE(control<QLineEdit>(rsa, "txAsignat")->isEnabled());

    escribe(control<QLineEdit>(rsa, "txprimop"), QStringLiteral("10"));
    escribe(control<QLineEdit>(rsa, "txprimoq"), QStringLiteral("13"));
    pulsa(boton("btBuscarCercanoPyQ"));
    EXPECT_EQ(control<QLineEdit>(rsa, "txprimop")->text(), QStringLiteral("11"));
    EXPECT_EQ(control<QLineEdit>(rsa, "txprimoq")->text(), QStringLiteral("13"));
    EXPECT_FALSE(control<QLineEdit>(rsa, "txprimop")->isEnabled());
    EXPECT_TRUE(boton("btAceptarPyQ")->isEnabled());

    pulsa(boton("btAceptarPyQ"));
    EXPECT_EQ(etiqueta(rsa, "lbp_por_q"), QStringLiteral("143"));
    EXPECT_EQ(etiqueta(rsa, "lbFeulerp_por_q"), QStringLiteral("120"));
    EXPECT_FALSE(boton("btBuscarCercanoPyQ")->isEnabled());
    EXPECT_TRUE(control<QLineEdit>(rsa, "txAsignat")->isEnabled());

    escribe(control<QLineEdit>(rsa, "txAsignat"), QStringLiteral("6"));
    pulsa(boton("btBuscaMCDmascerca"));
    EXPECT_EQ(control<QLineEdit>(rsa, "txAsignat")->text(), QStringLiteral("7"));
    pulsa(boton("btAceptart"));
    EXPECT_EQ(etiqueta(rsa, "lbResul_s"), QStringLiteral("103"));
    EXPECT_TRUE(boton("btContinuarRSA")->isEnabled());

    pulsa(boton("btIniciarRSA"));
    EXPECT_TRUE(control<QLineEdit>(rsa, "txprimop")->text().isEmpty());
    EXPECT_TRUE(etiqueta(rsa, "lbResul_s").isEmpty());
    EXPECT_FALSE(boton("btContinuarRSA")->isEnabled());
}

TEST_F(VentanasRSA, CamposVaciosDanLosMenoresPrimos) {
    QWidget* w = estableceClaves({}, {}, {});
    EXPECT_EQ(etiqueta(rsa, "lbp_por_q"), QStringLiteral("4"));
    EXPECT_EQ(etiqueta(rsa, "lbFeulerp_por_q"), QStringLiteral("2"));
    EXPECT_EQ(control<QLineEdit>(rsa, "txAsignat")->text(), QStringLiteral("3"));
    EXPECT_EQ(etiqueta(rsa, "lbResul_s"), QStringLiteral("1"));
    EXPECT_EQ(etiqueta(w, "lbnRSA"), QStringLiteral("4"));
}

TEST_F(VentanasRSA, ValoresRechazados) {
    esperaMensaje(QStringLiteral("p y q han de ser números enteros."));
    escribe(control<QLineEdit>(rsa, "txprimop"), QStringLiteral("10,5"));
    pulsa(boton("btBuscarCercanoPyQ"));
    EXPECT_FALSE(boton("btAceptarPyQ")->isEnabled());

    escribe(control<QLineEdit>(rsa, "txprimop"), QStringLiteral("46337"));
    escribe(control<QLineEdit>(rsa, "txprimoq"), QStringLiteral("46349"));
    pulsa(boton("btBuscarCercanoPyQ"));
    esperaMensaje(
        QStringLiteral("El producto n = p · q no puede superar 2.147.483.647: las "
                       "potencias se calculan con módulos de 32 bits. Elija primos "
                       "menores."));
    pulsa(boton("btAceptarPyQ"));
    EXPECT_TRUE(etiqueta(rsa, "lbp_por_q").isEmpty());

    pulsa(boton("btIniciarRSA"));
    escribe(control<QLineEdit>(rsa, "txprimop"), QStringLiteral("11"));
    escribe(control<QLineEdit>(rsa, "txprimoq"), QStringLiteral("13"));
    pulsa(boton("btBuscarCercanoPyQ"));
    pulsa(boton("btAceptarPyQ"));
    esperaMensaje(QStringLiteral("t ha de ser un número entero positivo."));
    escribe(control<QLineEdit>(rsa, "txAsignat"), QStringLiteral("-7"));
    pulsa(boton("btBuscaMCDmascerca"));
    EXPECT_FALSE(boton("btAceptart")->isEnabled());
}

TEST_F(VentanasRSA, HolaIdaYVuelta) {
    QWidget* w = estableceClaves(QStringLiteral("11"), QStringLiteral("13"), QStringLiteral("7"));
    ASSERT_TRUE(w && w->isVisible());
    EXPECT_EQ(w->windowTitle(), QStringLiteral("CRIPTOSISTEMA DE CLAVE PÚBLICA"));
    EXPECT_EQ(etiqueta(w, "lbsRSA"), QStringLiteral("103"));
    EXPECT_EQ(etiqueta(w, "lbtRSA"), QStringLiteral("7"));

    escribeMensaje(w, QStringLiteral("hola"));
    control<QRadioButton>(w, "opCodCpub(0)")->click();
    EXPECT_FALSE(control<QRadioButton>(w, "opCodCpub(1)")->isEnabled());
    pulsa(control<QPushButton>(w, "btpaso1"));
    EXPECT_EQ(resultado(w, "txmensajenum"), QStringLiteral("07151100"));
    EXPECT_TRUE(control<QWidget>(w, "Frame1")->isVisible());
    pulsa(control<QPushButton>(w, "btpaso2"));
    EXPECT_EQ(resultado(w, "txmensajecod"), QStringLiteral("006115132000"));
    EXPECT_EQ(control<QLineEdit>(w, "txpaso2codPublica")->text(),
              QStringLiteral("C( [m] modulo 143 ) = [m] ^7 modulo 143"));

    pulsa(control<QPushButton>(w, "btInvertirCPub"));
    EXPECT_TRUE(control<QRadioButton>(w, "opCodCpub(1)")->isChecked());
    EXPECT_EQ(resultado(w, "txmensaje"), QStringLiteral("006115132000"));
    pulsa(control<QPushButton>(w, "btpaso1"));
    EXPECT_EQ(resultado(w, "txmensajenum"), QStringLiteral("07151100"));
    EXPECT_EQ(control<QLineEdit>(w, "txpaso2decodPublica")->text(),
              QStringLiteral("D( [m*] modulo 143 ) = [m*] ^103 modulo 143"));
    pulsa(control<QPushButton>(w, "btpaso2"));
    EXPECT_EQ(resultado(w, "txmensajecod"), QStringLiteral("hola"));
    EXPECT_EQ(control<QLabel>(w, "Label45")->text(),
              QStringLiteral("En este último paso, se realiza"));
}

TEST_F(VentanasRSA, BloquesQueNoCabenEnN) {
    QWidget* w = estableceClaves(QStringLiteral("11"), QStringLiteral("13"), QStringLiteral("7"));
    escribeMensaje(w, QStringLiteral("006150"));
    control<QRadioButton>(w, "opCodCpub(1)")->click();
    esperaMensaje(QStringLiteral("El número '150' debe ser menor que '143'."));
    pulsa(control<QPushButton>(w, "btpaso1"));
    EXPECT_TRUE(resultado(w, "txmensajenum").isEmpty());
    EXPECT_TRUE(control<QPushButton>(w, "btpaso1")->isEnabled());

    // With n below the alphabet's codes a block could never come back: it is refused.
    pulsa(control<QPushButton>(w, "btinicializar"));
    pulsa(control<QPushButton>(w, "btsalir"));
    accion("ncrippublica")->trigger();
    w = estableceClaves(QStringLiteral("2"), QStringLiteral("5"), QStringLiteral("3"));
    escribeMensaje(w, QStringLiteral("z"));
    control<QRadioButton>(w, "opCodCpub(0)")->click();
    pulsa(control<QPushButton>(w, "btpaso1"));
    esperaMensaje(QStringLiteral("El número '26' debe ser menor que '10'."));
    pulsa(control<QPushButton>(w, "btpaso2"));
    EXPECT_TRUE(resultado(w, "txmensajecod").isEmpty());
}

TEST_F(VentanasRSA, FicherosDeLaVentana) {
    QWidget* w = estableceClaves(QStringLiteral("11"), QStringLiteral("13"), QStringLiteral("7"));
    QTemporaryDir dir;
    std::ofstream(dir.filePath("cifrado.cod").toStdString(), std::ios::binary)
        << "006115132000\r\n";
    pulsa(control<QPushButton>(w, "btAbrirdeFicheroPublica"));
    auto& selector = principal->contexto().ventana<gui::FrmListDirec>();
    EXPECT_EQ(selector.windowTitle(), QStringLiteral("Abrir de fichero"));
    selector.muestraCarpeta(dir.path());
    escribe(control<QLineEdit>(&selector, "txnomarchi"), QStringLiteral("cifrado.cod"));
    pulsa(control<QPushButton>(&selector, "btAbrir"));
    EXPECT_EQ(resultado(w, "txmensaje"), QStringLiteral("006115132000\n"));

    control<QRadioButton>(w, "opCodCpub(1)")->click();
    pulsa(control<QPushButton>(w, "btpaso1"));
    pulsa(control<QPushButton>(w, "btpaso2"));
    EXPECT_EQ(resultado(w, "txmensajecod"), QStringLiteral("hola"));

    pulsa(control<QPushButton>(w, "btGuardarEnFicheroPublica"));
    EXPECT_EQ(selector.windowTitle(), QStringLiteral("Guardar en fichero"));
    escribe(control<QLineEdit>(&selector, "txnomarchi"), QStringLiteral("claro.txt"));
    esperaMensaje(QStringLiteral("Archivo guardado satisfactoriamente."));
    pulsa(control<QPushButton>(&selector, "btGuardar"));
    std::ifstream guardado(dir.filePath("claro.txt").toStdString(), std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(guardado), {}), "hola\r\n");
}

}  // namespace
}  // namespace zefra::pruebas
