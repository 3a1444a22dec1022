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
        salidas = {"txmensajenum", "txmensajecod"};
    }
    // The set-up as "p q n φ t s", then its enabled buttons and t's field as 1s and 0s.
    QString sistema() const {
        QStringList s;
        for (const char* c :
             {"txprimop", "txprimoq", "lbp_por_q", "lbFeulerp_por_q", "txAsignat", "lbResul_s"})
            s << control<QWidget>(rsa, c)->property("text").toString();
        QString activos;
        for (const char* b : {"btBuscarCercanoPyQ", "btAceptarPyQ", "txAsignat",
                              "btBuscaMCDmascerca", "btAceptart", "btContinuarRSA"})
            activos += control<QWidget>(rsa, b)->isEnabled() ? QLatin1Char('1') : QLatin1Char('0');
        return s.join(' ') + " " + activos;
    }
    // Types the values into the set-up's fields (those given), then presses its buttons.
    void rsaPaso(std::vector<std::pair<const char*, QString>> campos,
                 std::initializer_list<const char*> botones) {
        for (const auto& [campo, valor] : campos)
            escribe(control<QLineEdit>(rsa, campo), valor);
        for (const char* b : botones)
            pulsa(rsa, b);
    }
    // The four steps with the values given, then "Continuar": `w` is the public-key window.
    void estableceClaves(const QString& p, const QString& q, const QString& t) {
        rsaPaso({{"txprimop", p}, {"txprimoq", q}}, {"btBuscarCercanoPyQ", "btAceptarPyQ"});
        rsaPaso({{"txAsignat", t}}, {"btBuscaMCDmascerca", "btAceptart", "btContinuarRSA"});
        w = ventana("frmCripPublica");
        ASSERT_TRUE(w && w->isVisible());
    }

    QWidget* rsa = nullptr;
};

TEST_F(VentanasRSA, LosValoresNoValidosNoAvanzan) {
    EXPECT_EQ(sistema(), "      100000");
    esperaMensaje("p y q han de ser números enteros.");
    rsaPaso({{"txprimop", "10,5"}}, {"btBuscarCercanoPyQ"});
    EXPECT_TRUE(sistema().endsWith(" 100000")) << sistema().toStdString();
    rsaPaso({{"txprimop", "46337"}, {"txprimoq", "46349"}}, {"btBuscarCercanoPyQ"});
    esperaMensaje(
        "El producto n = p · q no puede superar 2.147.483.647: las potencias se calculan con "
        "módulos de 32 bits. Elija primos menores.");
    rsaPaso({}, {"btAceptarPyQ"});
    EXPECT_EQ(sistema(), "46337 46349     110000");
    rsaPaso({}, {"btIniciarRSA"});
    rsaPaso({{"txprimop", "10"}, {"txprimoq", "13"}}, {"btBuscarCercanoPyQ", "btAceptarPyQ"});
    esperaMensaje("t ha de ser un número entero positivo.");  // 0 would silently become 1
    rsaPaso({{"txAsignat", "0"}}, {"btBuscaMCDmascerca"});
    EXPECT_EQ(sistema(), "11 13 143 120 0  001100");
}

TEST_F(VentanasRSA, LosPasosSoloAvanzanEnOrden) {
    rsaPaso({{"txprimop", "10"}, {"txprimoq", "13"}}, {"btBuscarCercanoPyQ"});
    EXPECT_EQ(sistema(), "11 13     110000");
    EXPECT_FALSE(control<QWidget>(rsa, "txprimop")->isEnabled());
    rsaPaso({}, {"btAceptarPyQ"});
    EXPECT_EQ(sistema(), "11 13 143 120   001100");
    rsaPaso({{"txAsignat", "6"}}, {"btBuscaMCDmascerca"});
    EXPECT_EQ(sistema(), "11 13 143 120 7  000110");
    rsaPaso({}, {"btAceptart"});
    EXPECT_EQ(sistema(), "11 13 143 120 7 103 000001");
    rsaPaso({}, {"btIniciarRSA"});
    EXPECT_EQ(sistema(), "      100000");
    estableceClaves({}, {}, {});  // empty fields give the smallest primes
    EXPECT_EQ(sistema().left(11), "2 2 4 2 3 1");
    EXPECT_EQ(campo("lbnRSA"), "4");
}

// hola → 006115132000, saved to a file, opened again and deciphered → hola.
TEST_F(VentanasRSA, HolaIdaYVueltaPorUnFichero) {
    estableceClaves("11", "13", "7");
    EXPECT_EQ(campo("lbsRSA") + " " + campo("lbtRSA"), "103 7");
    cifra("hola", 0, {"btpaso1"});
    EXPECT_EQ(situacion(), "EE 01 Frame1 fijo");
    pulsa({"btpaso2"});
    EXPECT_EQ(textos() + " " + situacion(), "hola|07151100|006115132000 EE 00 frmpaso2 fijo");
    EXPECT_EQ(campo("txpaso2codPublica"), "C( [m] modulo 143 ) = [m] ^7 modulo 143");
    fichero("btGuardarEnFicheroPublica", "2", "c.cod");
    EXPECT_EQ(leeFichero("c.cod"), "006115132000\r\n");
    fichero("btAbrirdeFicheroPublica", "2", "c.cod");
    EXPECT_EQ(textos(), "006115132000\r\n||");
    pulsa(opcion(1));
    pulsa({"btpaso1", "btpaso2"});
    EXPECT_EQ(textos(), "006115132000\r\n|07151100|hola");
    EXPECT_EQ(campo("txpaso2decodPublica"), "D( [m*] modulo 143 ) = [m*] ^103 modulo 143");
    EXPECT_EQ(campo("Label45"), "En este último paso, se realiza");

    pulsa({"btinicializar"});
    esperaMensaje("El número '150' debe ser menor que '143'.");
    cifra("006150", 1, {"btpaso1"});
    EXPECT_EQ(textos() + " " + situacion(), "006150|| DD 10 -");
}

}  // namespace
}  // namespace zefra::pruebas
