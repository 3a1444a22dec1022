// The three-step private-key window through its widgets: the steps' enabling and frames, the
// worked example hola → zvkf → hola, "Invertir proceso", and the lock of the alphabet menu.
#include "gui/crypto/cifrado_prueba.hpp"

namespace zefra::pruebas {
namespace {

class VentanaCifrado : public PruebaCifrado {
  protected:
    // Which direction is chosen and which can be ("E" for enciphering, "D" for deciphering).
    QString direccion() const {
        return QString(opcion(0)->isChecked()   ? "E"
                       : opcion(1)->isChecked() ? "D"
                                                : "-") +
               (opcion(0)->isEnabled() ? "E" : "") + (opcion(1)->isEnabled() ? "D" : "");
    }
};

TEST_F(VentanaCifrado, HolaZvkfHolaPasoAPaso) {
    abre("3", "5");
    EXPECT_EQ(situacion(), "000 -");
    cifra("hola", 0, {});
    EXPECT_EQ(direccion(), "EE");
    EXPECT_EQ(situacion(), "100 -");
    EXPECT_TRUE(seleccionHabilitada());

    pulsa("btpaso1");
    EXPECT_EQ(texto("txmensajenum"), "07151100");
    EXPECT_EQ(situacion(), "010 Frame1");
    EXPECT_FALSE(habilitado("txmensaje") || seleccionHabilitada());
    auto* tabla = control<gui::Rejilla>(w, "Flexalfa1");
    EXPECT_EQ(tabla->cellText(0, 2), "ñ");
    EXPECT_EQ(tabla->model()->index(13, 2).data().toString(), "\u2423");  // the space as ␣
    EXPECT_FALSE(tabla->isRowHidden(13));
    EXPECT_TRUE(tabla->isRowHidden(14));  // below the last entry

    pulsa("btpaso2");
    EXPECT_EQ(texto("txmensajecod"), "26221005");
    EXPECT_EQ(situacion(), "001 frmpaso2");
    EXPECT_EQ(linea("txpaso2cod"), "C(3, 5) ([m]) = [3][m] + [5]");
    EXPECT_EQ(linea("txpaso2decod"), "D(3, 5) ([m*]) = [3]^-1 ([m*] - [5])");
    EXPECT_EQ(etiqueta("lbrsexplica"), "Claves privadas 3 y 5.");

    pulsa("btpaso3");
    EXPECT_EQ(texto("txmensajefinal"), "zvkf");
    EXPECT_EQ(situacion(), "000 frmpaso3");
    EXPECT_EQ(control<gui::Rejilla>(w, "FlexAlfa3")->cellText(12, 2), "z");

    pulsa("btinvertir");
    EXPECT_EQ(exacto("txmensaje"), "zvkf");
    EXPECT_EQ(texto("txmensajenum") + texto("txmensajecod") + texto("txmensajefinal"), "");
    EXPECT_EQ(direccion(), "DD");
    EXPECT_EQ(situacion(), "100 -");
    EXPECT_FALSE(seleccionHabilitada());
    pulsa("btpaso1");
    EXPECT_EQ(texto("txmensajenum"), "26221005");
    pulsa("btpaso2");
    EXPECT_EQ(situacion(), "001 frmpaso2_deco");
    EXPECT_EQ(texto("txmensajecod"), "07151100");
    pulsa("btpaso3");
    EXPECT_EQ(texto("txmensajefinal"), "hola");

    // Inverting a deciphering enciphers again.
    pulsa("btinvertir");
    EXPECT_EQ(direccion(), "EE");
    pasa({"btpaso1", "btpaso2", "btpaso3"});
    EXPECT_EQ(texto("txmensajefinal"), "zvkf");

    pulsa("btinicializar");
    EXPECT_TRUE(seleccionHabilitada());
    EXPECT_TRUE(exacto("txmensaje").isEmpty());
    EXPECT_TRUE(habilitado("txmensaje"));
    EXPECT_EQ(direccion(), "-ED");
    EXPECT_EQ(situacion(), "000 -");
    EXPECT_EQ(linea("txclave_cpr"), "3");

    cifra("hola", 1, {"btpaso1"});
    ASSERT_FALSE(seleccionHabilitada());
    w->close();  // the frame does what "Salir" does
    EXPECT_TRUE(seleccionHabilitada());
}

TEST_F(VentanaCifrado, RechazosEInvertirAntesDelPaso3) {
    abre("3", "5");
    pulsa("btinvertir");  // no direction yet: nothing happens
    EXPECT_EQ(situacion(), "000 -");
    esperaMensaje("Ha de escribir al menos un símbolo del alfabeto.");
    pulsa(opcion(1));
    EXPECT_EQ(direccion(), "-ED");

    esperaMensaje("El símbolo 'H' no pertenece al alfabeto.");
    cifra("Hola", 0, {"btpaso1"});
    EXPECT_EQ(situacion(), "100 -");
    EXPECT_TRUE(habilitado("txmensaje") && seleccionHabilitada());
    // Corrected, the same step goes through; before PASO 3 "Invertir proceso" does nothing.
    mensaje("hola");
    pasa({"btpaso1", "btpaso2", "btinvertir"});
    EXPECT_EQ(exacto("txmensaje"), "hola");
    EXPECT_EQ(texto("txmensajecod"), "26221005");
    EXPECT_EQ(situacion(), "001 frmpaso2");
    EXPECT_EQ(direccion(), "EE");

    // A key prime to 28 but not to 195, with ASCII chosen after "Continuar".
    pulsa("btinicializar");
    abre("13", "5");
    accion("nalfa_ASCII")->trigger();
    cifra("Hola", 0, {"btpaso1"});
    EXPECT_EQ(texto("txmensajenum"), "040079076065");
    EXPECT_EQ(control<gui::Rejilla>(w, "Flexalfa1")->model()->index(95, 2).data().toString(), "LF");
    esperaMensaje("Clave r no válida ya que mcd(r,195) ha de ser 1");
    pulsa("btpaso2");
    EXPECT_EQ(situacion(), "010 Frame1");
    EXPECT_TRUE(texto("txmensajecod").isEmpty());
}

// Keys of any size, and symbols a plain text field would change (r = 1, s = 1 turns the line
// feed, 193, into a carriage return, 194), come back exactly after "Invertir proceso".
TEST_F(VentanaCifrado, AsciiIdaYVueltaExacta) {
    accion("nalfa_ASCII")->trigger();
    const std::tuple<const char*, const char*, QString, QString> casos[] = {
        {"1", "1", "a\n", "b\r"},
        {"-1000000000000000000000000000001", "-7e25", "¡Añade ‘comillas’,\nñu!", ""},
    };
    for (const auto& [r, s, claro, esperado] : casos) {
        abre(r, s);
        pulsa("btinicializar");
        cifra(claro, 0, {"btpaso1", "btpaso2", "btpaso3"});
        const QString cifrado = exacto("txmensajefinal");
        EXPECT_EQ(cifrado.size(), claro.size());
        EXPECT_NE(cifrado, claro);
        EXPECT_TRUE(esperado.isEmpty() || cifrado == esperado) << cifrado.toStdString();
        pasa({"btinvertir", "btpaso1", "btpaso2", "btpaso3"});
        EXPECT_EQ(exacto("txmensajefinal"), claro) << r;
    }
    EXPECT_EQ(linea("txpaso2cod"),
              "C(-1000000000000000000000000000001, -7e25) ([m]) = "
              "[-1000000000000000000000000000001][m] + [-7e25]");

    abre("1", "192");  // the space (000) goes to 192, which no symbol has
    pulsa("btinicializar");
    cifra(" ", 0, {"btpaso1", "btpaso2"});
    esperaMensaje("El código 192 no está asociado a ninguna palabra.");
    pulsa("btpaso3");
    EXPECT_TRUE(texto("txmensajefinal").isEmpty());
    EXPECT_EQ(situacion(), "000 frmpaso3");
    pulsa("btinvertir");  // nothing to invert
    EXPECT_EQ(situacion(), "000 frmpaso3");
}

TEST_F(VentanaCifrado, SinTiempoParaElInverso) {
    abre("3", "5");
    cifra("zvkf", 1, {"btpaso1"});
    // The gcd of the key passes; the inverse that follows runs out of time.
    estado.tiempo.presupuesto.segundos = "1";
    reloj.paso = 0.4;
    esperaMensaje("Se ha superado el tiempo establecido.");
    pulsa("btpaso2");
    EXPECT_TRUE(texto("txmensajecod").isEmpty());
    EXPECT_EQ(situacion().left(3), "001");
}

// "Guardar en fichero" writes the result; "Abrir de fichero" starts over with the file's whole
// text, its line end included, and frees the choice of alphabet.
TEST_F(VentanaCifrado, FicherosDelMensajeYDelResultado) {
    abre("3", "5");
    cifra("hola", 0, {"btpaso1", "btpaso2", "btpaso3"});
    fichero("btGuardarEnFicheroPrivada", "1", "r.txt");
    EXPECT_EQ(leeFichero("r.txt"), "zvkf\r\n");
    EXPECT_FALSE(seleccionHabilitada());
    fichero("btabrirdeFicheroPrivada", "1", "r.txt");
    EXPECT_EQ(exacto("txmensaje"), "zvkf\r\n");
    EXPECT_TRUE(habilitado("txmensaje") && seleccionHabilitada());
    EXPECT_TRUE(texto("txmensajefinal").isEmpty());
    EXPECT_EQ(direccion(), "-ED");
    EXPECT_EQ(situacion(), "000 -");
    pulsa(opcion(1));
    esperaMensaje("El símbolo '\r' no pertenece al alfabeto.");  // the line end is no symbol
    pulsa("btpaso1");
}

}  // namespace
}  // namespace zefra::pruebas
