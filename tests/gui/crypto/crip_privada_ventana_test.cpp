// The three-step private-key window through its widgets: the steps' enabling and frames, the
// worked example hola → zvkf → hola, "Invertir proceso", and the lock of the alphabet menu.
#include "gui/crypto/cifrado_prueba.hpp"

namespace zefra::pruebas {
namespace {

class VentanaCifrado : public PruebaCifrado {};

TEST_F(VentanaCifrado, HolaZvkfHolaPasoAPaso) {
    abre(QStringLiteral("3"), QStringLiteral("5"));
    EXPECT_EQ(situacion(), QStringLiteral("000 -"));
    mensaje(QStringLiteral("hola"));
    pulsa(opcion(0));
    EXPECT_FALSE(opcion(1)->isEnabled());
    EXPECT_EQ(situacion(), QStringLiteral("100 -"));
    EXPECT_TRUE(seleccionHabilitada());

    pulsa(boton("btpaso1"));
    EXPECT_EQ(texto("txmensajenum"), QStringLiteral("07151100"));
    EXPECT_EQ(situacion(), QStringLiteral("010 Frame1"));
    EXPECT_FALSE(control<QWidget>(w, "txmensaje")->isEnabled());
    EXPECT_FALSE(seleccionHabilitada());
    auto* tabla = control<gui::Rejilla>(w, "Flexalfa1");
    EXPECT_EQ(tabla->cellText(0, 2), QStringLiteral("ñ"));
    EXPECT_EQ(tabla->cellText(13, 2), QStringLiteral(" "));
    EXPECT_EQ(tabla->model()->index(13, 2).data().toString(), QStringLiteral("\u2423"));  // ␣
    EXPECT_FALSE(tabla->isRowHidden(13));
    EXPECT_TRUE(tabla->isRowHidden(14));  // below the last entry

    pulsa(boton("btpaso2"));
    EXPECT_EQ(texto("txmensajecod"), QStringLiteral("26221005"));
    EXPECT_EQ(situacion(), QStringLiteral("001 frmpaso2"));
    EXPECT_EQ(linea("txpaso2cod"), QStringLiteral("C(3, 5) ([m]) = [3][m] + [5]"));
    EXPECT_EQ(linea("txpaso2decod"), QStringLiteral("D(3, 5) ([m*]) = [3]^-1 ([m*] - [5])"));
    EXPECT_EQ(etiqueta("lbrsexplica"), QStringLiteral("Claves privadas 3 y 5."));
    EXPECT_EQ(etiqueta("formulaCifrado"), QStringLiteral("C<sub>r,s</sub>( [m] ) = [r] [m] + [s]"));

    pulsa(boton("btpaso3"));
    EXPECT_EQ(texto("txmensajefinal"), QStringLiteral("zvkf"));
    EXPECT_EQ(situacion(), QStringLiteral("000 frmpaso3"));
    EXPECT_EQ(control<gui::Rejilla>(w, "FlexAlfa3")->cellText(12, 2), QStringLiteral("z"));

    pulsa(boton("btinvertir"));
    EXPECT_EQ(exacto("txmensaje"), QStringLiteral("zvkf"));
    for (const char* campo : {"txmensajenum", "txmensajecod", "txmensajefinal"})
        EXPECT_TRUE(texto(campo).isEmpty()) << campo;
    EXPECT_TRUE(opcion(1)->isChecked() && opcion(1)->isEnabled());
    EXPECT_FALSE(opcion(0)->isChecked() || opcion(0)->isEnabled());
    EXPECT_EQ(situacion(), QStringLiteral("100 -"));
    EXPECT_FALSE(seleccionHabilitada());

    pulsa(boton("btpaso1"));
    EXPECT_EQ(texto("txmensajenum"), QStringLiteral("26221005"));
    pulsa(boton("btpaso2"));
    EXPECT_EQ(situacion(), QStringLiteral("001 frmpaso2_deco"));
    EXPECT_EQ(texto("txmensajecod"), QStringLiteral("07151100"));
    pulsa(boton("btpaso3"));
    EXPECT_EQ(texto("txmensajefinal"), QStringLiteral("hola"));

    // Inverting a deciphering enciphers again.
    pulsa(boton("btinvertir"));
    EXPECT_TRUE(opcion(0)->isChecked() && opcion(0)->isEnabled());
    EXPECT_FALSE(opcion(1)->isEnabled());
    for (const char* p : {"btpaso1", "btpaso2", "btpaso3"})
        pulsa(boton(p));
    EXPECT_EQ(texto("txmensajefinal"), QStringLiteral("zvkf"));
}

TEST_F(VentanaCifrado, RechazosEInvertirAntesDelPaso3) {
    abre(QStringLiteral("3"), QStringLiteral("5"));
    pulsa(boton("btinvertir"));  // no direction yet: nothing happens
    EXPECT_EQ(situacion(), QStringLiteral("000 -"));
    esperaMensaje(QStringLiteral("Ha de escribir al menos un símbolo del alfabeto."));
    pulsa(opcion(1));
    EXPECT_FALSE(opcion(1)->isChecked());
    EXPECT_EQ(situacion(), QStringLiteral("000 -"));

    esperaMensaje(QStringLiteral("El símbolo 'H' no pertenece al alfabeto."));
    cifra(QStringLiteral("Hola"), 0, {"btpaso1"});
    EXPECT_EQ(situacion(), QStringLiteral("100 -"));
    EXPECT_TRUE(texto("txmensajenum").isEmpty());
    EXPECT_TRUE(control<QWidget>(w, "txmensaje")->isEnabled());
    EXPECT_TRUE(seleccionHabilitada());

    // Corrected, the same step goes through; before PASO 3 "Invertir proceso" does nothing.
    mensaje(QStringLiteral("hola"));
    pulsa(boton("btpaso1"));
    pulsa(boton("btpaso2"));
    pulsa(boton("btinvertir"));
    EXPECT_EQ(exacto("txmensaje"), QStringLiteral("hola"));
    EXPECT_EQ(texto("txmensajecod"), QStringLiteral("26221005"));
    EXPECT_EQ(situacion(), QStringLiteral("001 frmpaso2"));
    EXPECT_TRUE(opcion(0)->isChecked());
}

TEST_F(VentanaCifrado, InicializarYSalirLiberanElAlfabeto) {
    abre(QStringLiteral("3"), QStringLiteral("5"));
    cifra(QStringLiteral("hola"), 0, {"btpaso1"});
    ASSERT_FALSE(seleccionHabilitada());
    pulsa(boton("btinicializar"));
    EXPECT_TRUE(seleccionHabilitada());
    EXPECT_TRUE(exacto("txmensaje").isEmpty());
    EXPECT_TRUE(control<QWidget>(w, "txmensaje")->isEnabled());
    EXPECT_TRUE(texto("txmensajenum").isEmpty());
    EXPECT_FALSE(opcion(0)->isChecked());
    EXPECT_TRUE(opcion(1)->isEnabled());
    EXPECT_EQ(situacion(), QStringLiteral("000 -"));
    EXPECT_EQ(linea("txclave_cpr"), QStringLiteral("3"));

    cifra(QStringLiteral("hola"), 1, {"btpaso1"});
    ASSERT_FALSE(seleccionHabilitada());
    w->close();  // the frame does what "Salir" does
    EXPECT_TRUE(seleccionHabilitada());
    accion("nalfa_az")->trigger();
    EXPECT_EQ(estado.alfabeto.nombre, "A-Z");
}

TEST_F(VentanaCifrado, ClaveRevisadaConElAlfabetoDelPaso1) {
    abre(QStringLiteral("13"), QStringLiteral("5"));  // prime to 28, not to 195
    accion("nalfa_ASCII")->trigger();
    cifra(QStringLiteral("Hola"), 0, {"btpaso1"});
    EXPECT_EQ(texto("txmensajenum"), QStringLiteral("040079076065"));
    auto* tabla = control<gui::Rejilla>(w, "Flexalfa1");
    EXPECT_FALSE(tabla->isRowHidden(96));
    EXPECT_EQ(tabla->model()->index(95, 2).data().toString(), QStringLiteral("LF"));
    esperaMensaje(QStringLiteral("Clave r no válida ya que mcd(r,195) ha de ser 1"));
    pulsa(boton("btpaso2"));
    EXPECT_EQ(situacion(), QStringLiteral("010 Frame1"));
    EXPECT_TRUE(texto("txmensajecod").isEmpty());
}

// Keys of any size, and symbols a plain text field would change (r = 1, s = 1 turns the line
// feed, 193, into a carriage return, 194), come back exactly after "Invertir proceso".
TEST_F(VentanaCifrado, AsciiIdaYVueltaExacta) {
    accion("nalfa_ASCII")->trigger();
    const std::tuple<const char*, const char*, QString, QString> casos[] = {
        {"1", "1", QStringLiteral("a\n"), QStringLiteral("b\r")},
        {"-1000000000000000000000000000001", "-7e25", QString::fromUtf8("¡Añade ‘comillas’,\nñu!"),
         QString()},
    };
    for (const auto& [r, s, claro, esperado] : casos) {
        abre(QString::fromLatin1(r), QString::fromLatin1(s));
        pulsa(boton("btinicializar"));
        cifra(claro, 0, {"btpaso1", "btpaso2", "btpaso3"});
        const QString cifrado = exacto("txmensajefinal");
        EXPECT_EQ(cifrado.size(), claro.size());
        EXPECT_NE(cifrado, claro);
        if (!esperado.isEmpty()) {
            EXPECT_EQ(cifrado, esperado);
        }
        pulsa(boton("btinvertir"));
        for (const char* p : {"btpaso1", "btpaso2", "btpaso3"})
            pulsa(boton(p));
        EXPECT_EQ(exacto("txmensajefinal"), claro) << r;
    }
    EXPECT_EQ(linea("txpaso2cod"),
              QStringLiteral("C(-1000000000000000000000000000001, -7e25) ([m]) = "
                             "[-1000000000000000000000000000001][m] + [-7e25]"));
}

TEST_F(VentanaCifrado, CodigoSinSimboloYSinTiempoParaElInverso) {
    accion("nalfa_ASCII")->trigger();
    abre(QStringLiteral("1"), QStringLiteral("192"));  // the space (000) goes to 192
    cifra(QStringLiteral(" "), 0, {"btpaso1", "btpaso2"});
    esperaMensaje(QStringLiteral("El código 192 no está asociado a ninguna palabra."));
    pulsa(boton("btpaso3"));
    EXPECT_TRUE(texto("txmensajefinal").isEmpty());
    EXPECT_EQ(situacion(), QStringLiteral("000 frmpaso3"));
    pulsa(boton("btinvertir"));  // nothing to invert
    EXPECT_EQ(situacion(), QStringLiteral("000 frmpaso3"));

    // The gcd of the key passes; the inverse that follows runs out of time.
    pulsa(boton("btinicializar"));
    accion("nalfa_azminus")->trigger();
    abre(QStringLiteral("3"), QStringLiteral("5"));
    cifra(QStringLiteral("zvkf"), 1, {"btpaso1"});
    estado.tiempo.presupuesto.segundos = "1";
    reloj.paso = 0.4;
    esperaMensaje(QStringLiteral("Se ha superado el tiempo establecido."));
    pulsa(boton("btpaso2"));
    EXPECT_TRUE(texto("txmensajecod").isEmpty());
    EXPECT_EQ(situacion().left(3), QStringLiteral("001"));
}

// "Guardar en fichero" writes the result; "Abrir de fichero" starts over with the file's whole
// text, its line end included, and frees the choice of alphabet.
TEST_F(VentanaCifrado, FicherosDelMensajeYDelResultado) {
    abre(QStringLiteral("3"), QStringLiteral("5"));
    cifra(QStringLiteral("hola"), 0, {"btpaso1", "btpaso2", "btpaso3"});
    fichero("btGuardarEnFicheroPrivada", QStringLiteral("Guardar en fichero"), QStringLiteral("1"),
            QStringLiteral("r.txt"));
    EXPECT_FALSE(selector().isModal());
    EXPECT_EQ(leeFichero(QStringLiteral("r.txt")), "zvkf\r\n");
    EXPECT_FALSE(seleccionHabilitada());
    fichero("btabrirdeFicheroPrivada", QStringLiteral("Abrir de fichero"), QStringLiteral("1"),
            QStringLiteral("r.txt"));
    EXPECT_EQ(exacto("txmensaje"), QStringLiteral("zvkf\r\n"));
    EXPECT_TRUE(control<QWidget>(w, "txmensaje")->isEnabled());
    EXPECT_TRUE(texto("txmensajefinal").isEmpty());
    EXPECT_FALSE(opcion(0)->isChecked() || opcion(1)->isChecked());
    EXPECT_EQ(situacion(), QStringLiteral("000 -"));
    EXPECT_TRUE(seleccionHabilitada());
    // The line end is no symbol of "a-z".
    pulsa(opcion(1));
    esperaMensaje(QStringLiteral("El símbolo '\r' no pertenece al alfabeto."));
    pulsa(boton("btpaso1"));
}

}  // namespace
}  // namespace zefra::pruebas
