// The private-key windows through their widgets: the key window's search and the checks of
// "Continuar" with the window it hands the keys to; the three-step window with the worked example
// hola → zvkf → hola, and the two-step window for alphabets with gaps with abc ↔ 010002; the
// steps' enabling and frames, "Invertir proceso", the lock of the alphabet menu, refused blocks
// and keys, and the file buttons; a long message through the steps.
#include <QTextDocument>
#include <map>

#include "gui/crypto/cifrado_prueba.hpp"

namespace zefra::pruebas {
namespace {

using VentanaCifrado = PruebaCifrado;

// With keys 3 and 5 written as numbers too large for a double (10²⁹ − 9 and 10²⁹ − 7).
TEST_F(VentanaCifrado, HolaZvkfHolaPasoAPasoYPorUnFichero) {
    abre("99999999999999999999999999991", "99999999999999999999999999993");
    EXPECT_EQ(situacion(), "-ED 000 -");
    cifra("hola", 0, {});
    tras("", "hola||| EE 100 -");
    tras("btpaso1", "hola|07151100|| EE 010 Frame1 fijo bloqueado");
    auto* tabla = control<gui::Rejilla>(w, "Flexalfa1");
    EXPECT_EQ(tabla->cellText(0, 2), "ñ");
    EXPECT_EQ(tabla->model()->index(13, 2).data().toString(), "\u2423");  // the space as ␣
    EXPECT_TRUE(!tabla->isRowHidden(13) && tabla->isRowHidden(14));       // to the last entry
    tras("btpaso2", "hola|07151100|26221005| EE 001 frmpaso2 fijo bloqueado");
    EXPECT_EQ(campo("txpaso2cod"),
              "C(99999999999999999999999999991, 99999999999999999999999999993) ([m]) = "
              "[99999999999999999999999999991][m] + [99999999999999999999999999993]");
    tras("btpaso3", "hola|07151100|26221005|zvkf EE 000 frmpaso3 fijo bloqueado");
    tras("btinvertir", "zvkf||| DD 100 - fijo bloqueado");
    tras("btpaso1 btpaso2", "zvkf|26221005|07151100| DD 001 frmpaso2_deco fijo bloqueado");
    EXPECT_TRUE(campo("txpaso2decod").startsWith("D(99999999999999999999999999991, "));
    tras("btpaso3", "zvkf|26221005|07151100|hola DD 000 frmpaso3 fijo bloqueado");
    // Inverting a deciphering enciphers again.
    tras("btinvertir", "hola||| EE 100 - fijo bloqueado");
    pulsa({"btpaso1", "btpaso2", "btpaso3"});
    // "Guardar en fichero" writes the result; "Abrir de fichero" starts over with the file's
    // whole text, its line end included (no symbol of a-z), and frees the choice of alphabet.
    fichero("btGuardarEnFicheroPrivada", "1", "r.txt");
    EXPECT_EQ(leeFichero("r.txt"), "zvkf\r\n");
    fichero("btabrirdeFicheroPrivada", "1", "r.txt");
    EXPECT_EQ(textos() + " " + situacion(), "zvkf\r\n||| -ED 000 -");
    tras("btinicializar", "||| -ED 000 -");
    EXPECT_EQ(campo("txclave_cpr"), "99999999999999999999999999991");
    cifra("hola", 1, {"btpaso1"});
    w->close();  // the frame does what "Salir" does
    EXPECT_EQ(situacion(), "-ED 000 -");
}

TEST_F(VentanaCifrado, RechazosInvertirAntesDelPaso3YTiempoAgotadoAlInvertirR) {
    abre("3", "5");
    pulsa({"btinvertir"});  // no direction yet: nothing happens
    esperaMensaje("Ha de escribir al menos un símbolo del alfabeto.");
    pulsa(opcion(1));
    EXPECT_EQ(situacion(), "-ED 000 -");
    esperaMensaje("El símbolo 'H' no pertenece al alfabeto.");
    cifra("Hola", 0, {});
    tras("btpaso1", "Hola||| EE 100 -");
    // Corrected, the same step goes through; before PASO 3 "Invertir proceso" does nothing.
    mensaje("hola");
    tras("btpaso1 btpaso2 btinvertir", "hola|07151100|26221005| EE 001 frmpaso2 fijo bloqueado");
    // The inverse of r that runs out of time.
    pulsa({"btinicializar"});
    cifra("zvkf", 1, {"btpaso1"});
    presupuesto("1", 0.4);  // the gcd of the key passes, not the inverse that follows
    esperaMensaje("Se ha superado el tiempo establecido.");
    pulsa({"btpaso2"});
    EXPECT_EQ(textos(), "zvkf|26221005||");
}

// A key prime to 28 but not to 195, ASCII chosen after "Continuar".
TEST_F(VentanaCifrado, ClaveRechazadaTrasCambiarDeAlfabeto) {
    abre("13", "5");
    accion("nalfa_ASCII")->trigger();
    cifra("Hola", 0, {"btpaso1"});
    EXPECT_EQ(control<gui::Rejilla>(w, "Flexalfa1")->model()->index(95, 2).data().toString(), "LF");
    esperaMensaje("Clave r no válida ya que mcd(r,195) ha de ser 1");
    tras("btpaso2", "Hola|040079076065|| EE 010 Frame1 fijo bloqueado");
}

// r = 1, s = 1 turns the line feed (193) into a carriage return (194), which a plain text field
// would change; both come back exactly. With s = 192 the space goes to a code without symbol.
TEST_F(VentanaCifrado, AsciiExactoYCodigoSinSimbolo) {
    accion("nalfa_ASCII")->trigger();
    abre("1", "1");
    cifra("a\n", 0, {});
    tras("btpaso1 btpaso2 btpaso3", "a\n|065193|066194|b\r EE 000 frmpaso3 fijo bloqueado");
    tras("btinvertir btpaso1 btpaso2 btpaso3",
         "b\r|066194|065193|a\n DD 000 frmpaso3 fijo bloqueado");
    abre("1", "192");
    pulsa({"btinicializar"});
    cifra(" ", 0, {"btpaso1", "btpaso2"});
    esperaMensaje("El código 192 no está asociado a ninguna palabra.");
    tras("btpaso3 btinvertir", " |000|192| EE 000 frmpaso3 fijo bloqueado");  // nothing to invert
}

class VentanaHuecos : public PruebaCifrado {
  protected:
    // The alphabet a = 0, b = 1, c = 5 (n = 6) in slot 0, active; the keys r = 5, s = 1.
    VentanaHuecos() {
        carga(0, "abc", "00 01 05");
        selecciona(1);
        dosPasos({"Frame2", "frmpaso2privadaus", "frmpaso2decoprivada"});
        abre("5", "1", "frPrivadaAlfaus");
    }
    // The steps' state, and the title of the conversion-table frame with its first line.
    QString marcoTabla() const {
        return situacion() + " " + control<QGroupBox>(w, "Frame2")->title() + ": " +
               campo("Label45");
    }
};

TEST_F(VentanaHuecos, AbcIdaYVueltaYBloquesSimbolosYClaveRechazados) {
    EXPECT_EQ(campo("lbclaver") + campo("lbclaves"), "51");
    EXPECT_EQ(situacion(), "-ED 00 -");
    cifra("abc", 0, {"btpaso1"});
    EXPECT_EQ(textos(), "abc|000105|");
    EXPECT_EQ(marcoTabla(),
              "EE 01 Frame2 fijo bloqueado PASO 1: Transcripción inmediata del texto");
    tras("btpaso2", "abc|000105|010002 EE 00 frmpaso2privadaus fijo bloqueado");
    EXPECT_EQ(campo("txpaso2codPublica"), "C(5, 1) ([m]) = [5][m] + [1]");

    tras("btInvertirCPrivUs", "010002|| DD 10 - fijo bloqueado");
    tras("btpaso1", "010002|000105| DD 01 frmpaso2decoprivada fijo bloqueado");
    EXPECT_EQ(campo("txpaso2decodPublica"), "D(5, 1) [m*]= [5 ^-1 ] ([m*] - [1] )");
    pulsa({"btpaso2"});
    EXPECT_EQ(textos(), "010002|000105|abc");
    EXPECT_EQ(marcoTabla(), "DD 00 Frame2 fijo bloqueado PASO 2: En este último paso, se realiza");
    // Back to enciphering abc.
    tras("btInvertirCPrivUs btpaso1 btpaso2",
         "abc|000105|010002 EE 00 frmpaso2privadaus fijo bloqueado");

    // The result saved, and opened again with its final line end: it deciphers again.
    fichero("btGuardarEnFicheroPublica", "4", "c.cod");
    EXPECT_EQ(leeFichero("c.cod"), "010002\r\n");
    fichero("btAbrirdeFicheroPublica", "4", "c.cod");
    EXPECT_EQ(textos() + " " + situacion(), "010002\r\n|| -ED 00 -");
    pulsa(opcion(1));
    tras("btpaso1 btpaso2 btinicializar", "|| -ED 00 -");

    // 07 is not below n = 6: nothing is shown or written, the step stays.
    esperaMensaje("El número no puede exceder de5");
    cifra("0701", 1, {});
    tras("btpaso1", "0701|| DD 10 -");
    esperaMensaje("El bloque 'x0' no es un número.");  // as the public-key window says it
    mensaje("01x0");
    pulsa({"btpaso1"});
    // A deciphered block that is no code: the last step refuses it and writes nothing.
    mensaje("03");  // 5·(3 − 1) = 10 ≡ 4: no symbol has 04
    pulsa({"btpaso1"});
    esperaMensaje("El código 04 no está asociado a ninguna palabra.");
    tras("btpaso2", "03|04| DD 01 frmpaso2decoprivada fijo bloqueado");
    pulsa({"btinicializar"});
    esperaMensaje("El símbolo 'd' no pertenece al alfabeto.");
    cifra("abd", 0, {});
    tras("btpaso1", "abd|| EE 10 -");
    // Another alphabet chosen after the keys were accepted: r = 5 is not prime to 55.
    cifra("abc", 0, {});
    accion("nalfa_azAZ")->trigger();
    mensaje("abc");
    pulsa({"btpaso1"});
    esperaMensaje("Clave r no válida ya que mcd(r,55) ha de ser 1");
    tras("btpaso2", "abc|272829| EE 01 Frame2 fijo bloqueado");
}

class VentanaClaves : public PruebaCifrado {
  protected:
    VentanaClaves() { accion("ncripprivada")->trigger(); }
    QWidget* k() const { return ventana("frmpedirclaves"); }
    QComboBox* r() const { return control<QComboBox>(k(), "Dpopcionesclave"); }
    // The texts of r, s and the minimum, and the keys listed.
    QString campos() const {
        QStringList l = {r()->currentText(), texto(k(), "txclave_s"), texto(k(), "txclavemin_r")};
        for (int i = 0; i < r()->count() && i < 4; ++i)
            l << r()->itemText(i);
        return l.join('|') + (r()->count() > 4 ? "… " + QString::number(r()->count()) : "");
    }
    void busca(const QString& desde) {
        escribe(control<QLineEdit>(k(), "txclavemin_r"), desde);
        pulsa(k(), "btbusquedacp_r");
    }
};

TEST_F(VentanaClaves, BuscarClavesContinuarRechazaLasNoValidasYAbreLaVentanaDelAlfabeto) {
    r()->setEditText("99");
    busca("1");
    EXPECT_EQ(campos(), "||1|1|3|5|9… 101");  // the search empties the text it replaces
    QTest::keyClick(r(), Qt::Key_Down);       // no key is current: Down shows the first
    EXPECT_EQ(r()->currentText(), "1");
    busca("2147483547");
    EXPECT_EQ(campos(), "||2147483547|2147483547");
    const std::pair<const char*, const char*> rechazos[] = {
        {"uno", "El valor de 'clave mínima' ha de ser numérico."},
        {"2147483548", "El valor de clave mínima queda limitado a 2147483547"},
        {"-1e300", "El valor de clave mínima no puede ser menor que -2147483547"},
    };
    for (const auto& [desde, aviso] : rechazos) {
        esperaMensaje(aviso);
        busca(desde);
        EXPECT_EQ(r()->count(), 0);  // a refused search leaves no earlier keys
    }
    busca("-2147483547");
    EXPECT_EQ(r()->itemText(0), "-2147483547");
    presupuesto("1", 0.01);
    esperaMensaje("Se ha superado el tiempo establecido.");
    busca("1");
    EXPECT_GT(r()->count(), 0);  // the keys found so far are listed
    reloj.paso = 0;

    // The menu and "Salir" empty the list, not the texts.
    r()->setEditText("3");
    accion("ncripprivada")->trigger();
    EXPECT_EQ(campos(), "3||1");
    busca("1");
    pulsa(k(), "btsalir");
    EXPECT_EQ(campos(), "||1");

    accion("ncripprivada")->trigger();
    const std::tuple<const char*, const char*, const char*> rechazadas[] = {
        {"", "5", "Se le ha de poner un valor numérico a las dos claves"},
        {"3", "cinco", "Se le ha de poner un valor numérico a las dos claves"},
        {"3", "1e-2", "Las dos claves han de ser números enteros"},
        {"3,5", "5", "Las dos claves han de ser números enteros"},
    };
    for (const auto& [claveR, claveS, aviso] : rechazadas) {
        esperaMensaje(aviso);
        continua(claveR, claveS);
        EXPECT_EQ(campos(), QString("%1|%2|1").arg(claveR, claveS));  // the fields keep them
    }
    // A key typed after a search is the key typed, not the first key of the list it begins.
    busca("1");
    k()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(k()));  // completion works in the active window only
    r()->lineEdit()->setFocus();
    QTest::keyClicks(r()->lineEdit(), "2");
    esperaMensaje("Clave r no válida ya que mcd(r,28) ha de ser 1");
    pulsa(k(), "btseguircprivada");
    EXPECT_EQ(r()->currentText(), "2");
    accion("nalfa_ASCII")->trigger();
    esperaMensaje("Clave r no válida ya que mcd(r,195) ha de ser 1");
    continua("13", "5");
    EXPECT_EQ(ventana("frmcripprivada"), nullptr);

    // Over a user alphabet, consecutive codes go to the three-step window, codes with gaps (or
    // no time to tell) to the two-step one; both get the keys as typed, and the key window empties.
    accion("nalfa_azminus")->trigger();
    const std::tuple<const char*, const char*, const char*, const char*> casos[] = {
        {"", "frmcripprivada", "txclave_cpr", "txclave_cps"},  // a-z
        {"03 01 00 02", "frmcripprivada", "txclave_cpr", "txclave_cps"},
        {"00 01 02 03", "frPrivadaAlfaus", "lbclaver", "lbclaves"},  // no time to tell
        {"00 01 02 04", "frPrivadaAlfaus", "lbclaver", "lbclaves"},
    };
    int i = 0;
    for (const auto& [codigos, destino, claveR, claveS] : casos) {
        if (*codigos) {
            carga(i, "propio" + std::to_string(i), codigos);
            selecciona(++i);
        }
        accion("ncripprivada")->trigger();
        busca("1");
        if (i == 2) {
            presupuesto("3", 1);  // the gcd of the key, not more
            esperaMensaje("Se ha excedido del tiempo especificado.");
        }
        continua(" -23 ", "123456789012345678901234567890");
        reloj.paso = 0;
        for (const char* v : {"frmcripprivada", "frPrivadaAlfaus"})
            EXPECT_EQ(ventana(v) && ventana(v)->isVisible(), v == std::string(destino)) << v;
        ASSERT_TRUE((w = ventana(destino))) << codigos;
        EXPECT_EQ(campo(claveR) + " " + campo(claveS), "-23 123456789012345678901234567890");
        EXPECT_EQ(campos(), "||");
        w->close();
    }
}

// A long message: the step fields show its first blocks and how many follow, the next step and
// the result get it whole, and no field is rewritten once per block.
TEST_F(VentanaCifrado, LosPasosMuestranElPrincipioYPasanElMensajeEntero) {
    abre("3", "5");
    std::map<int, std::vector<int>> cambios;
    for (const int n : {10, 3000}) {
        const QString texto = QStringLiteral("hola mundo").repeated(n / 10);
        auto& c = cambios[n];
        c.assign(3, 0);
        const QObject contexto;  // the counts stop with the round
        for (std::size_t k = 0; k < 3; ++k)
            QObject::connect(control<QPlainTextEdit>(w, salidas[k])->document(),
                             &QTextDocument::contentsChange, &contexto, [&c, k] { ++c[k]; });
        cifra(texto, 0, {"btpaso1", "btpaso2", "btpaso3"});
        const QString cifrado = campo("txmensajefinal");
        EXPECT_TRUE(campo("txmensajecod").startsWith("2622100502"));  // zvkf and the space
        pulsa({"btinvertir", "btpaso1", "btpaso2", "btpaso3"});
        EXPECT_EQ(campo("txmensajefinal"), texto) << n;
        EXPECT_EQ(cifrado.size(), n);
        // 3000 blocks of two digits: the first 400 and a count of the other 2600.
        EXPECT_EQ(campo("txmensajenum").size(), n == 10 ? 20 : 800 + 22);
        EXPECT_EQ(campo("txmensajenum").endsWith("… y 2600 bloques más."), n == 3000);
        pulsa({"btinicializar"});
    }
    // Each field is written as often for 3000 blocks as for 10.
    EXPECT_EQ(cambios[10], cambios[3000]);
}

}  // namespace
}  // namespace zefra::pruebas
