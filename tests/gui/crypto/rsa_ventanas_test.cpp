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
    QString resultado(const char* nombre) const { return control<QLabel>(rsa, nombre)->text(); }
    void pulsaRSA(const char* nombre) { pulsa(control<QPushButton>(rsa, nombre)); }
    // The buttons of the set-up's steps that are enabled, as 1s and 0s.
    QString habilitados() const {
        QString s;
        for (const char* b : {"btBuscarCercanoPyQ", "btAceptarPyQ", "btBuscaMCDmascerca",
                              "btAceptart", "btContinuarRSA"})
            s += control<QPushButton>(rsa, b)->isEnabled() ? QLatin1Char('1') : QLatin1Char('0');
        return s;
    }
    void primos(const QString& p, const QString& q, bool aceptar = true) {
        escribe(campo("txprimop"), p);
        escribe(campo("txprimoq"), q);
        pulsaRSA("btBuscarCercanoPyQ");
        if (aceptar) pulsaRSA("btAceptarPyQ");
    }
    void exponente(const QString& t, bool aceptar = true) {
        escribe(campo("txAsignat"), t);
        pulsaRSA("btBuscaMCDmascerca");
        if (aceptar) pulsaRSA("btAceptart");
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
    EXPECT_EQ(habilitados(), "10000");
    EXPECT_FALSE(campo("txAsignat")->isEnabled());
    primos("10", "13", false);
    EXPECT_EQ(campo("txprimop")->text() + " " + campo("txprimoq")->text(), "11 13");
    EXPECT_FALSE(campo("txprimop")->isEnabled());
    EXPECT_EQ(habilitados(), "11000");
    pulsaRSA("btAceptarPyQ");
    EXPECT_EQ(resultado("lbp_por_q") + " " + resultado("lbFeulerp_por_q"), "143 120");
    EXPECT_EQ(habilitados(), "00100");
    EXPECT_TRUE(campo("txAsignat")->isEnabled());
    exponente("6", false);
    EXPECT_EQ(campo("txAsignat")->text(), "7");
    EXPECT_EQ(habilitados(), "00110");
    pulsaRSA("btAceptart");
    EXPECT_EQ(resultado("lbResul_s"), "103");
    EXPECT_EQ(habilitados(), "00001");

    pulsaRSA("btIniciarRSA");
    EXPECT_EQ(campo("txprimop")->text() + resultado("lbResul_s"), "");
    EXPECT_EQ(habilitados(), "10000");
    // Empty fields give the smallest primes.
    estableceClaves({}, {}, {});
    EXPECT_EQ(campo("txAsignat")->text() + " " + resultado("lbResul_s"), "3 1");
    EXPECT_EQ(etiqueta("lbnRSA"), "4");
}

TEST_F(VentanasRSA, ValoresRechazados) {
    esperaMensaje("p y q han de ser números enteros.");
    primos("10,5", "", false);
    EXPECT_EQ(habilitados(), "10000");
    primos("46337", "46349", false);
    esperaMensaje(
        "El producto n = p · q no puede superar 2.147.483.647: las potencias se calculan con "
        "módulos de 32 bits. Elija primos menores.");
    pulsaRSA("btAceptarPyQ");
    EXPECT_TRUE(resultado("lbp_por_q").isEmpty());

    pulsaRSA("btIniciarRSA");
    primos("11", "13");
    esperaMensaje("t ha de ser un número entero positivo.");
    exponente("-7", false);
    EXPECT_EQ(habilitados(), "00100");
}

// hola → 006115132000, saved to a file, opened again and deciphered → hola.
TEST_F(VentanasRSA, HolaIdaYVueltaPorUnFichero) {
    estableceClaves("11", "13", "7");
    EXPECT_EQ(etiqueta("lbsRSA") + " " + etiqueta("lbtRSA"), "103 7");
    cifra("hola", 0, {"btpaso1"});
    EXPECT_FALSE(opcion(1)->isEnabled());
    EXPECT_EQ(texto("txmensajenum"), "07151100");
    EXPECT_EQ(situacion(), "01 Frame1");
    pulsa("btpaso2");
    EXPECT_EQ(texto("txmensajecod"), "006115132000");
    EXPECT_EQ(situacion(), "00 frmpaso2");
    EXPECT_EQ(linea("txpaso2codPublica"), "C( [m] modulo 143 ) = [m] ^7 modulo 143");
    fichero("btGuardarEnFicheroPublica", "2", "c.cod");
    EXPECT_EQ(leeFichero("c.cod"), "006115132000\r\n");

    fichero("btAbrirdeFicheroPublica", "2", "c.cod");
    EXPECT_EQ(exacto("txmensaje"), "006115132000\r\n");
    pulsa(opcion(1));
    pulsa("btpaso1");
    EXPECT_EQ(texto("txmensajenum"), "07151100");
    EXPECT_EQ(linea("txpaso2decodPublica"), "D( [m*] modulo 143 ) = [m*] ^103 modulo 143");
    pulsa("btpaso2");
    EXPECT_EQ(texto("txmensajecod"), "hola");
    EXPECT_EQ(etiqueta("Label45"), "En este último paso, se realiza");

    pulsa("btinicializar");
    esperaMensaje("El número '150' debe ser menor que '143'.");
    cifra("006150", 1, {"btpaso1"});
    EXPECT_TRUE(texto("txmensajenum").isEmpty());
    EXPECT_EQ(situacion(), "10 -");
}

}  // namespace
}  // namespace zefra::pruebas
