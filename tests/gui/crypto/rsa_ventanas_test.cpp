// The RSA set-up and the public-key window, through the real widgets.
#include "gui/crypto/cifrado_prueba.hpp"

namespace zefra::pruebas {
namespace {

class VentanasRSA : public PruebaCifrado {
  protected:
    VentanasRSA() {
        accion("ncrippublica")->trigger();
        rsa = ventana("frmSistemaRSA");
        opciones = "opCodCpub";
        pasos = {"btpaso1", "btpaso2"};
        marcos = {"Frame1", "frmpaso2", "frmpaso2_deco"};
    }
    QLineEdit* campo(const char* nombre) const { return control<QLineEdit>(rsa, nombre); }
    void pulsaRSA(const char* nombre) { pulsa(control<QPushButton>(rsa, nombre)); }
    // The steps of the set-up window that are enabled, as 1s and 0s.
    QString habilitados() const {
        QString s;
        for (const char* b : {"btBuscarCercanoPyQ", "btAceptarPyQ", "btBuscaMCDmascerca",
                              "btAceptart", "btContinuarRSA"})
            s += control<QPushButton>(rsa, b)->isEnabled() ? QLatin1Char('1') : QLatin1Char('0');
        return s;
    }
    // p and q, then t.
    void primos(const QString& p, const QString& q) {
        escribe(campo("txprimop"), p);
        escribe(campo("txprimoq"), q);
        pulsaRSA("btBuscarCercanoPyQ");
        pulsaRSA("btAceptarPyQ");
    }
    void exponente(const QString& t) {
        escribe(campo("txAsignat"), t);
        pulsaRSA("btBuscaMCDmascerca");
        pulsaRSA("btAceptart");
    }
    // The four steps with the values given, then "Continuar": `w` is the public-key window.
    void estableceClaves(const QString& p, const QString& q, const QString& t) {
        primos(p, q);
        exponente(t);
        pulsaRSA("btContinuarRSA");
        w = ventana("frmCripPublica");
        ASSERT_TRUE(w && w->isVisible());
    }

    QWidget* rsa = nullptr;
};

TEST_F(VentanasRSA, LosPasosSoloAvanzanEnOrden) {
    EXPECT_EQ(habilitados(), QStringLiteral("10000"));
    EXPECT_FALSE(campo("txAsignat")->isEnabled());
    escribe(campo("txprimop"), QStringLiteral("10"));
    escribe(campo("txprimoq"), QStringLiteral("13"));
    pulsaRSA("btBuscarCercanoPyQ");
    EXPECT_EQ(campo("txprimop")->text() + campo("txprimoq")->text(), QStringLiteral("1113"));
    EXPECT_FALSE(campo("txprimop")->isEnabled());
    EXPECT_EQ(habilitados(), QStringLiteral("11000"));
    pulsaRSA("btAceptarPyQ");
    EXPECT_EQ(control<QLabel>(rsa, "lbp_por_q")->text(), QStringLiteral("143"));
    EXPECT_EQ(control<QLabel>(rsa, "lbFeulerp_por_q")->text(), QStringLiteral("120"));
    EXPECT_EQ(habilitados(), QStringLiteral("00100"));
    EXPECT_TRUE(campo("txAsignat")->isEnabled());
    escribe(campo("txAsignat"), QStringLiteral("6"));
    pulsaRSA("btBuscaMCDmascerca");
    EXPECT_EQ(campo("txAsignat")->text(), QStringLiteral("7"));
    EXPECT_EQ(habilitados(), QStringLiteral("00110"));
    pulsaRSA("btAceptart");
    EXPECT_EQ(control<QLabel>(rsa, "lbResul_s")->text(), QStringLiteral("103"));
    EXPECT_EQ(habilitados(), QStringLiteral("00001"));

    pulsaRSA("btIniciarRSA");
    EXPECT_TRUE(campo("txprimop")->text().isEmpty());
    EXPECT_TRUE(control<QLabel>(rsa, "lbResul_s")->text().isEmpty());
    EXPECT_EQ(habilitados(), QStringLiteral("10000"));

    // Empty fields give the smallest primes.
    estableceClaves({}, {}, {});
    EXPECT_EQ(campo("txAsignat")->text(), QStringLiteral("3"));
    EXPECT_EQ(control<QLabel>(rsa, "lbResul_s")->text(), QStringLiteral("1"));
    EXPECT_EQ(etiqueta("lbnRSA"), QStringLiteral("4"));
}

TEST_F(VentanasRSA, ValoresRechazados) {
    esperaMensaje(QStringLiteral("p y q han de ser números enteros."));
    escribe(campo("txprimop"), QStringLiteral("10,5"));
    pulsaRSA("btBuscarCercanoPyQ");
    EXPECT_EQ(habilitados(), QStringLiteral("10000"));

    escribe(campo("txprimop"), QStringLiteral("46337"));
    escribe(campo("txprimoq"), QStringLiteral("46349"));
    pulsaRSA("btBuscarCercanoPyQ");
    esperaMensaje(
        QStringLiteral("El producto n = p · q no puede superar 2.147.483.647: las "
                       "potencias se calculan con módulos de 32 bits. Elija primos "
                       "menores."));
    pulsaRSA("btAceptarPyQ");
    EXPECT_TRUE(control<QLabel>(rsa, "lbp_por_q")->text().isEmpty());

    pulsaRSA("btIniciarRSA");
    primos(QStringLiteral("11"), QStringLiteral("13"));
    esperaMensaje(QStringLiteral("t ha de ser un número entero positivo."));
    escribe(campo("txAsignat"), QStringLiteral("-7"));
    pulsaRSA("btBuscaMCDmascerca");
    EXPECT_EQ(habilitados(), QStringLiteral("00100"));
}

TEST_F(VentanasRSA, HolaIdaYVueltaYBloquesQueNoCabenEnN) {
    estableceClaves(QStringLiteral("11"), QStringLiteral("13"), QStringLiteral("7"));
    EXPECT_EQ(etiqueta("lbsRSA") + etiqueta("lbtRSA"), QStringLiteral("1037"));
    cifra(QStringLiteral("hola"), 0, {"btpaso1"});
    EXPECT_FALSE(opcion(1)->isEnabled());
    EXPECT_EQ(texto("txmensajenum"), QStringLiteral("07151100"));
    EXPECT_EQ(situacion(), QStringLiteral("01 Frame1"));
    pulsa(boton("btpaso2"));
    EXPECT_EQ(texto("txmensajecod"), QStringLiteral("006115132000"));
    EXPECT_EQ(linea("txpaso2codPublica"),
              QStringLiteral("C( [m] modulo 143 ) = [m] ^7 modulo 143"));

    pulsa(boton("btInvertirCPub"));
    EXPECT_TRUE(opcion(1)->isChecked());
    EXPECT_EQ(texto("txmensaje"), QStringLiteral("006115132000"));
    pulsa(boton("btpaso1"));
    EXPECT_EQ(texto("txmensajenum"), QStringLiteral("07151100"));
    EXPECT_EQ(linea("txpaso2decodPublica"),
              QStringLiteral("D( [m*] modulo 143 ) = [m*] ^103 modulo 143"));
    pulsa(boton("btpaso2"));
    EXPECT_EQ(texto("txmensajecod"), QStringLiteral("hola"));
    EXPECT_EQ(etiqueta("Label45"), QStringLiteral("En este último paso, se realiza"));

    pulsa(boton("btinicializar"));
    esperaMensaje(QStringLiteral("El número '150' debe ser menor que '143'."));
    cifra(QStringLiteral("006150"), 1, {"btpaso1"});
    EXPECT_TRUE(texto("txmensajenum").isEmpty());
    EXPECT_TRUE(boton("btpaso1")->isEnabled());

    // With n below the alphabet's codes a block could never come back: it is refused.
    pulsa(boton("btsalir"));
    accion("ncrippublica")->trigger();
    estableceClaves(QStringLiteral("2"), QStringLiteral("5"), QStringLiteral("3"));
    cifra(QStringLiteral("z"), 0, {"btpaso1"});
    esperaMensaje(QStringLiteral("El número '26' debe ser menor que '10'."));
    pulsa(boton("btpaso2"));
    EXPECT_TRUE(texto("txmensajecod").isEmpty());
}

TEST_F(VentanasRSA, FicherosDeLaVentana) {
    estableceClaves(QStringLiteral("11"), QStringLiteral("13"), QStringLiteral("7"));
    std::ofstream(carpeta.filePath("cifrado.cod").toStdString(), std::ios::binary)
        << "006115132000\r\n";
    fichero("btAbrirdeFicheroPublica", QStringLiteral("Abrir de fichero"), QStringLiteral("2"),
            QStringLiteral("cifrado.cod"));
    EXPECT_EQ(texto("txmensaje"), QStringLiteral("006115132000\n"));
    pulsa(opcion(1));
    pulsa(boton("btpaso1"));
    pulsa(boton("btpaso2"));
    EXPECT_EQ(texto("txmensajecod"), QStringLiteral("hola"));
    fichero("btGuardarEnFicheroPublica", QStringLiteral("Guardar en fichero"), QStringLiteral("2"),
            QStringLiteral("claro.txt"));
    EXPECT_EQ(leeFichero(QStringLiteral("claro.txt")), "hola\r\n");
}

}  // namespace
}  // namespace zefra::pruebas
